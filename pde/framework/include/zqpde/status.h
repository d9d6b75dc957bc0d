#pragma once
// Status codes the framework's functions return (0 is success).
#include <cstdint>

namespace zqpde {

inline constexpr int32_t kNoErr = 0;
inline constexpr int32_t kParamErr = -50;           // a required argument is missing or out of range
inline constexpr int32_t kMemFullErr = -108;        // a value could not be made
inline constexpr int32_t kFileNotFoundErr = -43;    // bundle, book or file not found
inline constexpr int32_t kNoSessionDatumErr = -30891;
inline constexpr int32_t kImageConvertFailed = 1001;

}  // namespace zqpde
