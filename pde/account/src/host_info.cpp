#include "host_info.h"

#include <zqp/system.h>
#include <zqp/utf8.h>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cctype>
#include <memory>
#include <vector>

#include "zqpde/settings_access.h"

namespace zqacct {

namespace {

constexpr size_t kDefaultLimit = 256;
constexpr size_t kCStringMaxBytes = 255;
constexpr char32_t kRightSingleQuote = 0x2019;

bool AllSpaces(std::string_view s) {
    for (char c : s)
        if (c != ' ') return false;
    return true;
}

std::vector<std::string_view> Split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = s.find(sep, start);
        parts.push_back(s.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

bool AllOf(std::string_view s, int (*pred)(int)) {
    for (char c : s)
        if (!pred(static_cast<unsigned char>(c))) return false;
    return true;
}

std::string IPv4ClientForm(std::string_view text) {
    const std::vector<std::string_view> parts = Split(text, '.');
    if (parts.size() != 4) return {};
    static const char kHex[] = "0123456789ABCDEF";
    std::string out = "I";
    for (std::string_view p : parts) {
        if (p.empty() || p.size() > 3 || !AllOf(p, std::isdigit)) return {};
        int value = 0;
        for (char c : p) value = value * 10 + (c - '0');
        if (value > 255) return {};
        out += kHex[value >> 4];
        out += kHex[value & 0xF];
    }
    return out;
}

// Groups of one side of "::" (empty side: no groups); false on a bad group.
bool IPv6Groups(std::string_view side, std::vector<std::string>& groups) {
    if (side.empty()) return true;
    for (std::string_view g : Split(side, ':')) {
        if (g.empty() || g.size() > 4 || !AllOf(g, std::isxdigit)) return false;
        groups.push_back(std::string(4 - g.size(), '0') + std::string(g));
    }
    return true;
}

std::string IPv6ClientForm(std::string_view text) {
    if (const size_t zone = text.find('%'); zone != std::string_view::npos) text = text.substr(0, zone);
    const size_t gap = text.find("::");
    std::vector<std::string> head, tail;
    if (gap == std::string_view::npos) {
        if (!IPv6Groups(text, head) || head.size() != 8) return {};
    } else {
        if (text.find("::", gap + 1) != std::string_view::npos) return {};
        if (!IPv6Groups(text.substr(0, gap), head) || !IPv6Groups(text.substr(gap + 2), tail)) return {};
        if (head.size() + tail.size() > 7) return {};
        head.resize(8 - tail.size(), "0000");
    }
    std::string out = "6";
    for (const std::string& g : head) out += g;
    for (const std::string& g : tail) out += g;
    return out;
}

}  // namespace

HostInformation CurrentHostInformation() {
    HostInformation host{zqp::MachineName(), zqp::HostName(), std::nullopt, zqp::Now()};
    if (edition::kHostAddressByName)
        host.address = AddressOfHostName(std::string(zqp::Utf8Prefix(host.hostName, kHostNameMaxBytes))).value_or("");
    else
        host.address = getHostIPv4Address();
    return host;
}

std::string FilterMachineName(std::string_view name, unsigned char low, unsigned char high, int32_t limit) {
    const size_t room = limit <= 0 ? kDefaultLimit : static_cast<size_t>(limit);
    if (name.size() + 1 > room) return {};
    // The cut is made where a character ends, so the value stays UTF-8.
    name = zqp::Utf8Prefix(name, kMachineNameMaxBytes);
    if (AllSpaces(name)) return {};
    std::string out;
    out.reserve(name.size());
    size_t pos = 0;
    while (pos < name.size()) {
        const size_t start = pos;
        char32_t cp = 0;
        if (!zqp::NextCodePoint(name, pos, cp)) {
            out += '_';
            pos = start + 1;
            continue;
        }
        if (cp == kRightSingleQuote) {
            out += "___";
            continue;
        }
        bool inRange = true;
        for (size_t i = start; i < pos; ++i) {
            const auto b = static_cast<unsigned char>(name[i]);
            if (b < low || b > high) inRange = false;
        }
        if (inRange) out.append(name.substr(start, pos - start));
        else out.append(pos - start, '_');
    }
    return out;
}

bool SetCFStringToTicketWithByteFilter(zqp::PrintSettings* settings, std::string_view name, const char* key,
                                       bool lock, unsigned char low, unsigned char high, int32_t limit) {
    const std::string value = FilterMachineName(name, low, high, limit);
    return zqpde::SetValueToSettingsWithTicketKeyAndLock(value.c_str(), settings, key, lock) == 0;
}

bool SetCStringToTicket(zqp::PrintSettings* settings, std::string_view text, const char* key, bool lock) {
    if (settings == nullptr) return false;
    const std::string value =
        text.size() <= kCStringMaxBytes && zqp::IsValidUtf8(text) ? std::string(text) : std::string();
    return zqpde::SetValueToSettingsWithTicketKeyAndLock(value.c_str(), settings, key, lock) == 0;
}

std::optional<std::string> getHostIPv4Address() { return zqp::PrimaryAddress(); }

std::optional<std::string> AddressOfHostName(const std::string& hostName) {
    if (hostName.empty() || hostName.find('\0') != std::string::npos) return std::nullopt;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(hostName.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) return std::nullopt;
    std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> list(found, &freeaddrinfo);
    for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
        char text[INET6_ADDRSTRLEN] = {};
        const void* bytes = nullptr;
        if (a->ai_family == AF_INET && a->ai_addrlen >= sizeof(sockaddr_in))
            bytes = &reinterpret_cast<const sockaddr_in*>(a->ai_addr)->sin_addr;
        else if (a->ai_family == AF_INET6 && a->ai_addrlen >= sizeof(sockaddr_in6))
            bytes = &reinterpret_cast<const sockaddr_in6*>(a->ai_addr)->sin6_addr;
        if (bytes != nullptr && inet_ntop(a->ai_family, bytes, text, sizeof text) != nullptr) return std::string(text);
    }
    return std::nullopt;
}

std::string GetClientIPAddress(std::string_view text) {
    if (text.find('.') != std::string_view::npos) return IPv4ClientForm(text);
    if (text.find(':') != std::string_view::npos) return IPv6ClientForm(text);
    return {};
}

void GetCurrentDateAndTime(std::time_t when, std::string* date, std::string* time) {
    std::tm local{};
    localtime_r(&when, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%m/%d/%Y", &local);
    *date = buffer;
    std::strftime(buffer, sizeof buffer, "%H:%M:%S", &local);
    *time = buffer;
}

bool SetInformationToTicket(zqp::PrintSettings* settings, bool lock, const HostInformation& host) {
    bool ok = SetCFStringToTicketWithByteFilter(settings, host.machineName, kJBAMacHostNameTicketKey, lock, 0x20,
                                                0xFE, 64);
    ok = SetCStringToTicket(settings, zqp::Utf8Prefix(host.hostName, kHostNameMaxBytes), kJBAHostNameTicketKey,
                            lock) && ok;
    if (host.address)
        ok = SetCStringToTicket(settings, GetClientIPAddress(*host.address), kJBAIPAddressTicketKey, lock) && ok;
    if (edition::kWritesPrintDateTime) {
        std::string date, time;
        GetCurrentDateAndTime(host.printTime, &date, &time);
        ok = SetCStringToTicket(settings, date, kJBAPrintDateTicketKey, lock) && ok;
        ok = SetCStringToTicket(settings, time, kJBAPrintTimeTicketKey, lock) && ok;
    }
    return ok;
}

bool SetInformationToTicket(zqp::PrintSettings* settings, bool lock) {
    return SetInformationToTicket(settings, lock, CurrentHostInformation());
}

}  // namespace zqacct
