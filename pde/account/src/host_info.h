#pragma once
// The host information the job-authentication panel adds to the ticket: the
// computer's machine name, its host name and its primary address in the
// client-address form the device reads.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "edition_traits.h"

namespace zqp {
class PrintSettings;
}

namespace zqacct {

inline constexpr const char* kJBAMacHostNameTicketKey = ZQ_ACCOUNT_NS "JBAMacHostNameStringTicket";
inline constexpr const char* kJBAHostNameTicketKey = ZQ_ACCOUNT_NS "JBAHostNameStringTicket";
inline constexpr const char* kJBAIPAddressTicketKey = ZQ_ACCOUNT_NS "JBAIPAddressStringTicket";
inline constexpr const char* kJBAPrintDateTicketKey = ZQ_ACCOUNT_NS "JBAMrvnPrintDateTicketKey";
inline constexpr const char* kJBAPrintTimeTicketKey = ZQ_ACCOUNT_NS "JBAMrvnPrintTimeTicketKey";

inline constexpr size_t kMachineNameMaxBytes = 32;
inline constexpr size_t kHostNameMaxBytes = 64;

// What the host tells about itself; tests hand their own.
struct HostInformation {
    std::string machineName;
    std::string hostName;
    std::optional<std::string> address;  // text form of the primary address
    std::time_t printTime = 0;           // when the job is printed
};
HostInformation CurrentHostInformation();

// The machine-name value: empty when the UTF-8 text does not fit in `limit`
// bytes (0 or less means 256) with its terminator, else cut to at most 32
// bytes at a character boundary; empty when only spaces remain; bytes outside
// low..high, and bytes of a sequence that is not UTF-8, become "_", and
// U+2019 becomes "___". The result is always valid UTF-8.
std::string FilterMachineName(std::string_view name, unsigned char low, unsigned char high, int32_t limit);

// Writes FilterMachineName(...) unlocked or locked under the key; true when stored.
bool SetCFStringToTicketWithByteFilter(zqp::PrintSettings* settings, std::string_view name, const char* key,
                                       bool lock, unsigned char low, unsigned char high, int32_t limit);

// Writes the text (empty when it is not UTF-8 or longer than 255 bytes); false
// without settings or when the write is refused.
bool SetCStringToTicket(zqp::PrintSettings* settings, std::string_view text, const char* key, bool lock);

// The primary address in text form; none without a primary network service.
std::optional<std::string> getHostIPv4Address();

// The first IPv4 or IPv6 address the resolver gives for the host name, in
// text form; none when the name does not resolve.
std::optional<std::string> AddressOfHostName(const std::string& hostName);

// The client-address form of an address text: "I" and 8 upper-case hex
// digits for IPv4 (four decimal parts of at most 255), "6" and the 32 hex
// digits of the eight groups for IPv6 (zone dropped, at most one "::", groups
// of 1 to 4 hex digits, letters in the case given). Empty for anything else.
std::string GetClientIPAddress(std::string_view text);

// The local date as MM/DD/YYYY and time as HH:MM:SS of the moment.
void GetCurrentDateAndTime(std::time_t when, std::string* date, std::string* time);

// Writes the three host keys (and, in editions that have them, the print
// date and time). A failed machine-name write does not keep the
// host name and address from being written; the answer is false when any
// write failed. Without an address its key is not written (editions that
// resolve the host name hand an empty address instead, so it is written empty).
bool SetInformationToTicket(zqp::PrintSettings* settings, bool lock, const HostInformation& host);
bool SetInformationToTicket(zqp::PrintSettings* settings, bool lock);

}  // namespace zqacct
