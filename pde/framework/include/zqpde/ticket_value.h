#pragma once
// How values are put into the print-settings ticket: the escaped form that the
// job filters decode, the scrambled form of passwords, and the limits that
// every stored value obeys.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zqpde {

// A control's ticket text holds at most this many bytes (cut at a character
// boundary) before it is escaped or scrambled.
inline constexpr size_t kTicketTextMaxBytes = 255;
// A plain stored value holds at most this many UTF-16 units.
inline constexpr size_t kTicketValueMaxUnits = 255;
// The job filter decodes escaped values of up to this many bytes.
inline constexpr size_t kEscapedValueMaxBytes = 1023;

// Writes the decimal digits of a non-negative value right-aligned into
// buffer, a NUL at buffer[length - 1], and returns the first digit. 0, a
// negative value or digits that do not fit give the empty text; nullptr
// for a missing buffer or a length of 0.
const char* itoa(int value, char* buffer, size_t length);

// True when the text begins with "/" or holds an apostrophe, a comma or a
// backslash: such a text goes into the ticket escaped.
bool NeedsTicketEscape(std::string_view text);

// "/" followed by the decimal code of every byte, joined by "/"
// ("a,b" gives "/97/44/98"). The whole text is escaped, nothing is cut.
std::string EscapedTicketString(std::string_view text);

// The form a control's text takes in the ticket: cut to kTicketTextMaxBytes
// at a character boundary, then escaped when NeedsTicketEscape says so.
// The result is at most 4 * 255 = 1020 bytes, within what the filter reads.
std::string TicketTextForOutput(std::string_view text);

// Decodes an escaped value in place; a text not beginning with "/" is left
// as it is. Codes outside 0..255 give the byte 0, which ends the text.
void numstrtochar(std::string& text);

// The scrambled ticket form of a value: its UTF-8 bytes (all of them) run
// through QSPEncrypt, then Base64. The empty text gives the empty text; a
// value whose Base64 form would pass 255 characters (more than 189 bytes)
// gives nullopt and must not be written.
std::optional<std::string> QSPTicketString(std::string_view text);

// The value as the ticket stores it: every U+FFE4 becomes "|"; a plain value
// is cut to kTicketValueMaxUnits UTF-16 units at a character boundary; an
// escaped value ("/" and decimal codes) is kept whole, and one longer than
// kEscapedValueMaxBytes is cut after its last complete code. nullopt when the
// value is not valid UTF-8 (the store reports -108 for it).
std::optional<std::string> TicketValueForStorage(std::string_view utf8);

// Appends the printer's ID and then the key (no separator) to out: the
// printer-specific key of remembered values. False when an argument is missing.
bool CreateKeyWithCurrentPrinter(const char* key, const char* printerID, std::string* out);

}  // namespace zqpde
