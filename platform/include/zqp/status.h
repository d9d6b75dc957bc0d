#pragma once
#include <cstdint>

namespace zqp {

// Status integers as the extensions test them: 0 is success.
using Status = int32_t;

inline constexpr Status kNoErr = 0;
inline constexpr Status kParamErr = -50;             // bad or missing argument
inline constexpr Status kMemFullErr = -108;          // value could not be made
inline constexpr Status kFileNotFoundErr = -43;      // bundle, file or resource missing
inline constexpr Status kPermErr = -54;              // entry is locked against changes
inline constexpr Status kIoErr = -36;                // file could not be read or written
inline constexpr Status kSessionDataMissing = -30891;  // no such print-session datum

}  // namespace zqp
