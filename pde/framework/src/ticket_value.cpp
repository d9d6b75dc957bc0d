#include "zqpde/ticket_value.h"

#include <qspenclib.h>
#include <zqp/utf8.h>

#include <cstdlib>

namespace zqpde {
namespace {

bool IsEscapedForm(std::string_view s) {
    if (s.empty() || s.front() != '/') return false;
    return s.find_first_not_of("/0123456789") == std::string_view::npos;
}

// Replaces every U+FFE4 (fullwidth broken bar) by "|".
std::string ReplaceBrokenBar(std::string_view s) {
    static constexpr std::string_view kBrokenBar = "\xEF\xBF\xA4";
    std::string out;
    out.reserve(s.size());
    size_t pos = 0;
    while (true) {
        size_t hit = s.find(kBrokenBar, pos);
        out.append(s.substr(pos, hit - pos));
        if (hit == std::string_view::npos) break;
        out.push_back('|');
        pos = hit + kBrokenBar.size();
    }
    return out;
}

}  // namespace

const char* itoa(int value, char* buffer, size_t length) {
    if (buffer == nullptr || length == 0) return nullptr;
    char* end = buffer + length - 1;
    *end = '\0';
    if (value <= 0) return end;
    char* p = end;
    while (value > 0) {
        if (p == buffer) return end;  // the digits do not fit
        *--p = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return p;
}

bool NeedsTicketEscape(std::string_view text) {
    if (!text.empty() && text.front() == '/') return true;
    return text.find_first_of("',\\") != std::string_view::npos;
}

std::string EscapedTicketString(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 4);
    char digits[4];
    for (unsigned char byte : text) {
        out.push_back('/');
        const char* code = itoa(byte, digits, sizeof digits);
        out.append(*code != '\0' ? code : "0");
    }
    return out;
}

std::string TicketTextForOutput(std::string_view text) {
    std::string_view cut = zqp::Utf8Prefix(text, kTicketTextMaxBytes);
    return NeedsTicketEscape(cut) ? EscapedTicketString(cut) : std::string(cut);
}

void numstrtochar(std::string& text) {
    if (text.empty() || text.front() != '/') return;
    std::string out;
    size_t pos = 1;
    while (true) {
        size_t next = text.find('/', pos);
        std::string piece = text.substr(pos, next == std::string::npos ? std::string::npos : next - pos);
        long code = std::strtol(piece.c_str(), nullptr, 10);
        if (code <= 0 || code > 255) break;  // the byte 0 ends the text
        out.push_back(static_cast<char>(code));
        if (next == std::string::npos) break;
        pos = next + 1;
    }
    text = std::move(out);
}

std::optional<std::string> QSPTicketString(std::string_view text) {
    text = zqp::Utf8Prefix(text, kTicketTextMaxBytes);
    if (text.empty()) return std::string();
    unsigned char scrambled[kTicketTextMaxBytes];
    char b64[kTicketTextMaxBytes];
    int n = 0, m = 0;
    if (QSPEncrypt(reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()),
                   scrambled, &n, sizeof scrambled) != 0)
        return std::nullopt;
    if (QSPBinToB64(scrambled, n, b64, &m, sizeof b64) != 0) return std::nullopt;
    return std::string(b64, static_cast<size_t>(m));
}

std::optional<std::string> TicketValueForStorage(std::string_view utf8) {
    if (!zqp::IsValidUtf8(utf8)) return std::nullopt;
    if (IsEscapedForm(utf8)) {
        if (utf8.size() <= kEscapedValueMaxBytes) return std::string(utf8);
        std::string_view head = utf8.substr(0, kEscapedValueMaxBytes + 1);
        return std::string(head.substr(0, head.rfind('/')));
    }
    return ReplaceBrokenBar(zqp::Utf8PrefixUnits(utf8, kTicketValueMaxUnits));
}

bool CreateKeyWithCurrentPrinter(const char* key, const char* printerID, std::string* out) {
    if (key == nullptr || printerID == nullptr || out == nullptr) return false;
    out->append(printerID).append(key);
    return true;
}

}  // namespace zqpde
