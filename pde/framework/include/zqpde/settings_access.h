#pragma once
// The print session and its print settings (the ticket) as every control and
// panel reaches them. Every ticket value goes through
// SetValueToSettingsWithTicketKeyAndLock, so the rules of ticket_value.h
// (U+FFE4 written "|", the length limits) hold for all of them.
#include <cups/ppd.h>

#include <cstdint>
#include <string>

namespace zqp {
class PrintSettings;
class PrintSession;
}  // namespace zqp

namespace zqpde {

// Stores the UTF-8 value under the full ticket key with the caller's lock
// flag, in the form TicketValueForStorage gives. -50 for a missing value,
// settings or key; -108 for a value that is not UTF-8 (nothing is stored
// then); else the print settings' status (0, or -54 for a locked key).
int32_t SetValueToSettingsWithTicketKeyAndLock(const char* value, zqp::PrintSettings* printSettings,
                                               const char* ticketKey, bool lock);

// The number as "%d" through SetValueToSettingsWithTicketKeyAndLock.
int32_t SetIntegerValueToSettings(int32_t number, zqp::PrintSettings* printSettings, const char* ticketKey,
                                  bool lock);

// A number datum of the session into out: 0; -30891 when the session has no
// such datum; -50 without a session, key or out, or for a datum that is not
// a number. out is untouched on failure.
int32_t GetTicketFromSession(zqp::PrintSession* session, const char* key, int32_t* out);

// The session's PPD record (datum "kPMPPDReference") into out; out is
// nullptr when it is missing. 0, or the session's status (-30891 missing,
// -50 without a session or out).
int32_t GetPPDRefFromSession(zqp::PrintSession* session, ppd_file_t** out);

// Appends the session's current printer ID to the string: 0; 1 when the
// string or the session is missing or there is no current printer.
int32_t SetPrinterString(zqp::PrintSession* session, std::string* printerString);

}  // namespace zqpde
