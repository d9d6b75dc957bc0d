#include "features_tables.h"

#include <cmath>
#include <cstring>

#include "zqpde/number_text.h"

namespace zqfeat {
namespace {

const char* const kHelp[] = {"SpecifyPosition", "TabMarginShift"};
const char* const kMediaType[] = {"MediaType", "ZQIntSheetMediaType", "ZQSlipSheetMediaType"};
const char* const kMailbox[] = {"ZQMixSizePrint",   "ZQMSILeadingEdge", "ZQSubPaperSelection", "Jog",
                                "ZQSlipSheetPrint", "ZQSlipSheetMediaType", "ZQIntTabbedPaper", "Smoothing",
                                "ZQMediaColor",     "ZQJog",            "ZQSubPaperLayout"};
const char* const kMailboxRestore[] = {
    "MediaType",           "OutputBin",     "ZQSignature",    "ZQSigSize",         "ZQSigVol",
    "ZQSigDrawOutline",    "ZQTabMarginShift", "ZQTabMarginShiftEx", "ZQStaple",    "ZQPunch",
    "ZQNumPunchHoles",     "ZQSlipSheet",   "ZQIntCoverSheet", "ZQIntBackCoverSheet", "ZQIntSheet",
    "ZQIntSheetMediaType", "ZQTwoRepeatPrint", "ZQUncollateSeparator", "ZQOutputMode", "ZQLineWeightAdjustment"};
const char* const kSpecialPageRestore[] = {"ZQSignature", "ZQSigSize",        "ZQSigVol",
                                           "ZQSigDrawOutline", "ZQSlipSheet", "ZQSlipSheetMediaType",
                                           "ZQSlipSheetPrint", "ZQSaveBlankSheet", "ZQTwoRepeatPrint",
                                           "ZQJog"};
const char* const kWatermarkRestore[] = {"ZQLineWeightAdjustment"};
const char* const kCoverSep[] = {"ZQIntCoverSheet", "ZQIntBackCoverSheet", "ZQIntSheet", "ZQIntSheetMediaType"};
const char* const kLayout[] = {"ZQSignature", "ZQSigDrawOutline", "ZQSigSize", "ZQSigVol"};
const char* const kTonerSaver[] = {"ZQTonerSaver", "ZQTonerReductionRate"};
const char* const kAdvanced[] = {"ZQTabMarginShiftEx", "ZQTabNumberInSequence", "ZQJog", "ZQTrimming"};
const InterposerConstraint kInterposer[] = {{"ZQNumPunchHoles", "CoilPunch"}};

const char* const kHead00[] = {"ZQSignature", "ZQSigDrawOutline", "ZQSigSize", "ZQSigVol", "ZQSharpness",
                               "ZQMonochromePriority"};
const char* const kHead01[] = {"ZQOutputMode",           "ZQColorBalanceAdjustment", "ZQColorDensityBlackLow",
                               "ZQColorDensityBlackMid", "ZQColorDensityBlackHigh",  "ZQBrightness",
                               "ZQSignature",            "ZQSigDrawOutline",         "ZQSigSize",
                               "ZQSigVol",               "ZQEngineScreen"};
const char* const kHead03[] = {"ZQOutputMode",           "ZQColorBalanceAdjustment", "ZQColorDensityBlackLow",
                               "ZQColorDensityBlackMid", "ZQColorDensityBlackHigh",  "ZQBrightness"};
const char* const kTail[] = {
    "MediaType",           "OutputBin",           "ZQGrayBalance",        "ZQHalftone",
    "Smoothing",           "ZQTonerSaver",        "ZQTonerReductionRate", "ZQSaveBlankSheet",
    "ZQSlipSheet",         "ZQSlipSheetMediaType", "ZQSlipSheetPrint",    "ZQStaple",
    "ZQPunch",             "ZQNumPunchHoles",     "ZQIntCoverSheet",      "ZQIntCoverSheetPrint",
    "ZQIntBackCoverSheet", "ZQIntSheetMediaType", "ZQFold",               "ZQIntTabbedPaper",
    "Jog",                 "ZQCustomPageSizeCorrection", "ZQMSILeadingEdge", "ZQSubPaperSelection",
    "ZQTwoRepeatPrint",    "ZQMixSizePrint",      "ZQMixSizeRotation",    "ZQTabMarginShift",
    "ZQTabMarginShiftEx",  "ZQTrimming",          "ZQMTF",                "ZQFType",
    "ZQIntSheet",          "ZQMediaColor",        "ZQInvalidateColorProfile", "ZQUncollateSeparator",
    "ZQForcedMediaType",   "ZQTabNumberInSequence", "ZQJog",              "ZQSquareFold",
    "ZQIgnoreTimeout",     "ZQFrameMode",         "ZQEjectOptions",       "ZQSetTrapMode",
    "ZQSharpness",         "ZQPBindPosition",     "ZQPBindTrimming",      "ZQPBindCutPageSize",
    "ZQPBindImagePosition", "ZQPBindCutPositionTop", "ZQPBindCutPositionFore", "ZQPBindPageSize",
    "ZQPBindCoverPageSize", "ZQPBindCoverMediaType", "ZQPBindCoverMediaColor", "ZQPBindCoverPaperTray",
    "ZQPBindRotationAdjustTop", "ZQPBindRotationAdjustBot", "ZQPBindRotationAdjustFore",
    "ZQPBindCutPageAdjustmentTB", "ZQPBindCutPageAdjustmentFore", "ZQPBindCutPositionAdjustmentTB",
    "ZQPBindCoverAdjustX", "ZQPBindCoverAdjustY", "ZQLineWeightAdjustment", "ZQContrast",
    "ZQFoldFirmly",        "ZQCrease",            "ZQCreaseDirection",    "ZQStapleFree",
    "ZQHalftoneText",      "ZQHalftoneGraphics",  "ZQHalftonePhotos",     "ZQSubPaperLayout"};
static_assert(std::size(kTail) == 74);

struct ModeRow {
    const char* mode;
    KeyTable head;
};
const ModeRow productModePPDKeyInfo[] = {
    {"Default00", kHead00}, {"Default01", kHead01}, {"Default02", {}}, {"Default03", kHead03}};

}  // namespace

const KeyTable FeaturesHelpString{kHelp};
const KeyTable ppdKeyArrayMediaType{kMediaType};
const KeyTable kZQMailboxConstrainArray{kMailbox};
const KeyTable kZQMailboxConstrainandRestoreDefaultArray{kMailboxRestore};
const KeyTable kZQSpecialPageConstrainandRestoreDefaultArray{kSpecialPageRestore};
const KeyTable kZQWatermarkConstrainandRestoreDefaultArray{kWatermarkRestore};
const KeyTable KZQCoverSepGroupKeyArray{kCoverSep};
const KeyTable KZQLayoutGroupKeyArray{kLayout};
const KeyTable KZQTonerSaverGroupKeyArray{kTonerSaver};
const KeyTable kAdvancedFeatureKeys{kAdvanced};
const std::span<const InterposerConstraint> Tray8InterposerConstrainInfo{kInterposer};

bool InTable(KeyTable table, std::string_view key) {
    for (const char* k : table)
        if (key == k) return true;
    return false;
}

std::optional<std::vector<std::string>> ProductModeKeys(std::string_view mode) {
    for (const ModeRow& row : productModePPDKeyInfo) {
        if (mode != row.mode) continue;
        std::vector<std::string> keys(row.head.begin(), row.head.end());
        keys.insert(keys.end(), std::begin(kTail), std::end(kTail));
        return keys;
    }
    return std::nullopt;
}

bool IsDisabledByState(std::string_view key, const CrossPanelState& state) {
    return (state.mailbox && (InTable(kZQMailboxConstrainArray, key) ||
                              InTable(kZQMailboxConstrainandRestoreDefaultArray, key))) ||
           (state.specialPage && InTable(kZQSpecialPageConstrainandRestoreDefaultArray, key)) ||
           (state.watermark && InTable(kZQWatermarkConstrainandRestoreDefaultArray, key));
}

RestoreRules RestoreRulesFor(std::string_view key, const CrossPanelState& state) {
    RestoreRules r;
    r.mailbox = state.mailbox && InTable(kZQMailboxConstrainandRestoreDefaultArray, key);
    r.specialPage = state.specialPage && InTable(kZQSpecialPageConstrainandRestoreDefaultArray, key);
    r.watermark = state.watermark && InTable(kZQWatermarkConstrainandRestoreDefaultArray, key);
    return r;
}

bool IsMailboxPrintTypeText(std::string_view text) { return zqpde::LeadingDecimalInt32(text) == 5; }
bool IsSpecialPageCountText(std::string_view text) { return zqpde::LeadingDecimalInt32(text).value_or(0) > 0; }

const char* CoilPunchFaceTicketValue(const char* attributeValue) {
    return attributeValue != nullptr && std::strcmp(attributeValue, "True") == 0 ? "true" : "false";
}

bool IsTabOrCoatingChoice(std::string_view choice) {
    return choice.find("Tabbed") != std::string_view::npos || choice.find("Coating") != std::string_view::npos;
}

std::string AddIndexToCFStr(const std::string& title, int index) { return title + " " + std::to_string(index); }

std::optional<std::string> SettingPart(const char* value, int partIndex) {
    if (value == nullptr) return std::nullopt;
    std::string_view v(value);
    const size_t dash = v.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    return std::string(partIndex == 0 ? v.substr(0, dash) : v.substr(dash + 1));
}

int32_t SlotBottom(int32_t slot, const PositionData& p) {
    return static_cast<int32_t>(std::trunc(p.kControlTopOffset + (p.kControlDistance + kControlHeight) *
                                                                     static_cast<double>(p.kMaxControlInPanel - slot)));
}

}  // namespace zqfeat
