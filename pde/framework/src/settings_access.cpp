#include "zqpde/settings_access.h"

#include <zqp/print_session.h>
#include <zqp/print_settings.h>

#include "zqpde/status.h"
#include "zqpde/ticket_value.h"

namespace zqpde {

int32_t SetValueToSettingsWithTicketKeyAndLock(const char* value, zqp::PrintSettings* printSettings,
                                               const char* ticketKey, bool lock) {
    if (value == nullptr || printSettings == nullptr || ticketKey == nullptr) return kParamErr;
    std::optional<std::string> stored = TicketValueForStorage(value);
    if (!stored) return kMemFullErr;
    return printSettings->SetValue(ticketKey, *stored, lock);
}

int32_t SetIntegerValueToSettings(int32_t number, zqp::PrintSettings* printSettings, const char* ticketKey,
                                  bool lock) {
    return SetValueToSettingsWithTicketKeyAndLock(std::to_string(number).c_str(), printSettings, ticketKey, lock);
}

int32_t GetTicketFromSession(zqp::PrintSession* session, const char* key, int32_t* out) {
    if (session == nullptr || key == nullptr || out == nullptr) return kParamErr;
    int32_t value = 0;
    const zqp::Status status = session->GetNumber(key, value);
    if (status == zqp::kNoErr) *out = value;
    return status;
}

int32_t GetPPDRefFromSession(zqp::PrintSession* session, ppd_file_t** out) {
    if (out != nullptr) *out = nullptr;
    if (session == nullptr || out == nullptr) return kParamErr;
    zqp::PrintSession::Datum datum;
    const zqp::Status status = session->GetDataFromSession(zqp::kPPDReferenceKey, datum);
    if (status != zqp::kNoErr) return status;
    if (auto* ppd = std::get_if<ppd_file_t*>(&datum)) *out = *ppd;
    return kNoErr;
}

int32_t SetPrinterString(zqp::PrintSession* session, std::string* printerString) {
    if (session == nullptr || printerString == nullptr) return 1;
    std::string id;
    if (session->GetCurrentPrinterID(id) != zqp::kNoErr || id.empty()) return 1;
    printerString->append(id);
    return kNoErr;
}

}  // namespace zqpde
