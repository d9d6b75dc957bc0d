#pragma once
// Text handling of the job filter: conversion of ticket text to the
// printer's text, validation scales, and small string helpers.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <cups/ppd.h>

namespace zqf {

struct Job;

// Conversion of UTF-8 text to the edition's printer text. Fills out with at
// most size - 1 bytes (size counts the terminator of the record it stands
// for), whole characters only, and returns the byte length; text that is not
// valid UTF-8 gives an empty result.
using TextConverter = size_t (*)(const Job& job, std::string_view text, std::string& out, size_t size);

// UTF-8 kept unit by unit: characters outside the Basic Multilingual Plane
// (which would travel as surrogate halves) are dropped.
size_t ConvertUTF8ToUTF8Units(const Job& job, std::string_view text, std::string& out, size_t size);

size_t ConvertUTF8ToEncoding(const Job& job, std::string_view text, std::string& out, size_t size);
size_t ConvertUTF8ToEncodingForUTF8(const Job& job, std::string_view text, std::string& out, size_t size);

enum class PpdTextEncoding { Utf8, ShiftJisX0213 };
PpdTextEncoding GetCFStringSimEncodingFromPPD(ppd_file_t* ppd);

// "(" + text + ")" in the encoding, at most 510 UTF-16 units, cut to size - 1
// bytes at a character boundary; returns the length, 0 on failure.
size_t ConvertUTF8ToPPDEncoding(std::string_view text, std::string& out, size_t size, PpdTextEncoding encoding);

// True when some character other than backslash and tilde has no form in
// the printer text; the UTF-8 printer text represents everything.
bool checkIfCharacterIsMultibyte(const Job& job, std::string_view text);

// Characters first..last inclusive (bytes of text); empty when out of range.
std::string GetSubString(std::string_view text, size_t first, size_t last);

// Decimal digits of a non-negative value right-aligned in a field of len - 1
// characters; 0 gives the empty string. Digits that do not fit are dropped
// from the front, so the result is always the value modulo the field.
std::string itoa(int64_t value, size_t len);

// Validation scales: byte ranges, then two-byte (big-endian word) ranges.
struct ScaleRange {
  int32_t min;
  int32_t max;
};
struct ValidateDataScale {
  int32_t byteCount;
  ScaleRange bytes[10];
  int32_t wordCount;
  ScaleRange words[10];
};

inline constexpr ValidateDataScale userNameValidateDataScale{1, {{0x20, 0x7E}}, 0, {}};
inline constexpr ValidateDataScale userNameValidateDataScaleForUTF8{1, {{0x20, 0xFF}}, 1, {{0x0020, 0xFFFF}}};
inline constexpr ValidateDataScale docuNameValidateDataScale{1, {{0x20, 0x7E}}, 0, {}};
inline constexpr ValidateDataScale docuNameValidateDataScaleForProduct02{
    2, {{0x20, 0x7E}, {0xA1, 0xDF}}, 3, {{0x0020, 0x007E}, {0x8160, 0x8160}, {0xFF61, 0xFF9F}}};
inline constexpr ValidateDataScale docuNameValidateDataScaleForProduct03{
    2, {{0x20, 0x7E}, {0xA1, 0xDF}}, 4, {{0x8140, 0x9F7E}, {0x8180, 0x9FFC}, {0xE040, 0xFC7E}, {0xE080, 0xFCFC}}};
inline constexpr ValidateDataScale docuNameValidateDataScaleForProduct03UTF8{1, {{0x20, 0xFF}}, 1, {{0x0020, 0xFFFF}}};

bool ISByteValid(unsigned char byte, const ValidateDataScale& scale);
bool ISWordValid(unsigned char first, unsigned char second, const ValidateDataScale& scale);
// Walks the text: a two-byte word in a word range advances two bytes, else a
// byte in a byte range one; anything else makes the text invalid. An empty
// text is valid. A word is only read where two bytes remain.
bool ValidateDada(std::string_view text, const ValidateDataScale& scale);
bool ISByteSpace(unsigned char byte);
bool ISWordSpace(unsigned char first, unsigned char second);
// Only ASCII spaces and the two-byte space 0x81 0x40; an empty text counts.
bool IsAllSpace(std::string_view text);

}  // namespace zqf
