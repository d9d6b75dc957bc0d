#include "ppd_checker.h"

#include <iterator>

namespace zqimg {

const char* const kSupportedPPDOptionKeys[26] = {
    "ZQColorMode", "ZQOutputMode", "ZQBrightness", "ZQRGBImageType", "ZQRGBCorrection", "ZQCMYKCorrectionSTD",
    "ZQEngineScreen", "ZQRGBInputProfile", "ZQRGBGammaCorrection", "ZQColorTemperature", "ZQCMYKCorrectionTarget",
    "ZQColorBalanceAdjustment", "ZQColorDensityBlackLow", "ZQColorDensityCyanLow", "ZQColorDensityMagentaLow",
    "ZQColorDensityYellowLow", "ZQColorDensityBlackMid", "ZQColorDensityCyanMid", "ZQColorDensityMagentaMid",
    "ZQColorDensityYellowMid", "ZQColorDensityBlackHigh", "ZQColorDensityCyanHigh", "ZQColorDensityMagentaHigh",
    "ZQColorDensityYellowHigh", "ZQBlackOverprint", "ZQInvalidateColorProfile",
};

// "ZQInvalidateColorProfile" stands last, so an edition without it takes the first 25.
std::span<const char* const> SupportedPPDOptionKeys(const ImageOptionsEdition& edition) {
    return {kSupportedPPDOptionKeys, edition.offersInvalidateColorProfile ? 26u : 25u};
}

const char* const arrayAllKeys[24] = {
    "ZQColorMode", "ZQOutputMode", "ZQBrightness", "ZQRGBImageType", "ZQRGBCorrection", "ZQCMYKCorrectionSTD",
    "ZQEngineScreen", "ZQRGBInputProfile", "ZQRGBGammaCorrection", "ZQColorTemperature", "ZQCMYKCorrectionTarget",
    "ZQColorBalanceAdjustment", "ZQColorDensityBlackLow", "ZQColorDensityCyanLow", "ZQColorDensityMagentaLow",
    "ZQColorDensityYellowLow", "ZQColorDensityBlackMid", "ZQColorDensityCyanMid", "ZQColorDensityMagentaMid",
    "ZQColorDensityYellowMid", "ZQColorDensityBlackHigh", "ZQColorDensityCyanHigh", "ZQColorDensityMagentaHigh",
    "ZQColorDensityYellowHigh",
};

namespace {

#define ZQ_DENSITY_KEYS                                                                                       \
    "ZQColorBalanceAdjustment", "ZQColorDensityBlackLow", "ZQColorDensityCyanLow", "ZQColorDensityMagentaLow", \
        "ZQColorDensityYellowLow", "ZQColorDensityBlackMid", "ZQColorDensityCyanMid", "ZQColorDensityMagentaMid", \
        "ZQColorDensityYellowMid", "ZQColorDensityBlackHigh", "ZQColorDensityCyanHigh",                         \
        "ZQColorDensityMagentaHigh", "ZQColorDensityYellowHigh"

const char* const arrayType00_1Keys[] = {"ZQColorMode", "ZQOutputMode", "ZQBrightness", "ZQRGBImageType",
                                         "ZQEngineScreen", "ZQRGBGammaCorrection", ZQ_DENSITY_KEYS};
const char* const arrayType00_2Keys[] = {"ZQColorMode",       "ZQOutputMode",         "ZQBrightness",
                                         "ZQRGBImageType",    "ZQRGBCorrection",      "ZQEngineScreen",
                                         "ZQRGBInputProfile", "ZQRGBGammaCorrection", "ZQColorTemperature",
                                         ZQ_DENSITY_KEYS};
const char* const arrayType02Keys[] = {"ZQColorMode",        "ZQOutputMode",      "ZQBrightness",
                                       "ZQRGBImageType",     "ZQRGBCorrection",   "ZQCMYKCorrectionSTD",
                                       "ZQEngineScreen",     "ZQRGBInputProfile", "ZQRGBGammaCorrection",
                                       "ZQColorTemperature", ZQ_DENSITY_KEYS};
#undef ZQ_DENSITY_KEYS

static_assert(std::size(arrayType00_1Keys) == 19 && std::size(arrayType00_2Keys) == 22 &&
              std::size(arrayType02Keys) == 23);

const ProductTypeRow kRows[] = {
    {1, arrayType00_1Keys},
    {2, arrayType00_2Keys},
    {4, arrayType02Keys},
    {5, arrayAllKeys},
};

}  // namespace

std::span<const ProductTypeRow> graphicsPTList() { return kRows; }

CPPDChecker& CPPDChecker::Instance() {
    static CPPDChecker instance;
    return instance;
}

CPPDChecker::CPPDChecker() {
    for (const char* k : arrayAllKeys) keyMap_[k] = false;
    for (const ProductTypeRow& row : graphicsPTList()) {
        TypeEntry entry{row.typeNumber, keyMap_};
        for (const char* k : row.keys) entry.keys[k] = true;
        typeList_.push_back(std::move(entry));
    }
}

void CPPDChecker::Init() {
    result_ = -1;
    for (auto& [key, present] : keyMap_) present = false;
}

void CPPDChecker::AddCheck(const std::string& keyword, bool present) {
    auto it = keyMap_.find(keyword);
    if (it != keyMap_.end()) it->second = present;
}

bool CPPDChecker::RunCheck() {
    for (const TypeEntry& entry : typeList_) {
        if (entry.keys == keyMap_) {
            result_ = entry.typeNumber;
            return true;
        }
    }
    result_ = -1;
    return false;
}

}  // namespace zqimg
