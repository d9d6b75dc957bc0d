#include "settings_ticket.h"

#include <zqp/print_settings.h>

#include "zqpde/settings_access.h"

namespace zqsp {

bool SettingsTicketWriter::SetText(const std::string& key, const std::string& value) {
    return zqpde::SetValueToSettingsWithTicketKeyAndLock(value.c_str(), settings_, key.c_str(), lock_) == 0;
}

bool SettingsTicketWriter::SetArray(const std::string& key, const std::vector<std::string>& values) {
    return settings_ != nullptr && settings_->SetArray(key, values, lock_) == 0;
}

bool SettingsTicketWriter::SetVerbatim(const std::string& key, const std::string& value) {
    return settings_ != nullptr && settings_->SetValue(key, value, false) == 0;
}

TicketReader SettingsTicketReader(const zqp::PrintSettings* settings) {
    return [settings](const std::string& key) -> std::optional<std::string> {
        std::string value;
        if (settings == nullptr || settings->GetValue(key, value) != 0) return std::nullopt;
        return value;
    };
}

}  // namespace zqsp
