#pragma once
// The features extension's static tables and the rules that need nothing but
// their inputs: product modes and their PPD key lists, the cross-panel key
// tables (mailbox print, special pages, watermark), the fixed groups, the
// panel geometry and the small text rules of the ticket values.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zqfeat {

inline constexpr const char* kTicketNamespace = "com.tavelle.qdm.printsettings.";
inline constexpr const char* kFeaturesBundleID = "com.tavelle.r15.pde.Features";
inline constexpr const char* kFeaturesPanelKind = "com.tavelle.r15.pde.PrintFeaturesKind";
inline constexpr const char* kFeaturesNib = "ZQPrintFeature";

inline constexpr const char* kZQProductTypeFeatures = "ZQXFeaturesSettings";
inline constexpr const char* kZQLayoutSettings = "ZQXLayoutSettings";
inline constexpr const char* kZQPPDKeySupported = "PMPPDKeysSupported";
inline constexpr const char* kPRODUCTMODEDISABLED = "Disabled";

// A panel without a single usable PPD option.
inline constexpr int32_t kNoUsableOptionStatus = -9530;

using KeyTable = std::span<const char* const>;

// The help pages the bundle must hold for the panel to be offered.
extern const KeyTable FeaturesHelpString;
extern const KeyTable ppdKeyArrayMediaType;
extern const KeyTable kZQMailboxConstrainArray;
extern const KeyTable kZQMailboxConstrainandRestoreDefaultArray;
extern const KeyTable kZQSpecialPageConstrainandRestoreDefaultArray;
extern const KeyTable kZQWatermarkConstrainandRestoreDefaultArray;
extern const KeyTable KZQCoverSepGroupKeyArray;
extern const KeyTable KZQLayoutGroupKeyArray;
extern const KeyTable KZQTonerSaverGroupKeyArray;
// Options whose presence brings the advanced-features group.
extern const KeyTable kAdvancedFeatureKeys;

struct InterposerConstraint {
    const char* keyword;
    const char* choice;
};
extern const std::span<const InterposerConstraint> Tray8InterposerConstrainInfo;

bool InTable(KeyTable table, std::string_view key);

// The PPD keywords the panel offers for a product mode ("Default00" to
// "Default03"), in the order the dialog is told them; nullopt for any other
// mode.
std::optional<std::vector<std::string>> ProductModeKeys(std::string_view mode);

// The other panels' choices that change what the features panel offers.
struct CrossPanelState {
    bool mailbox = false;      // mailbox print chosen in the account panel
    bool specialPage = false;  // special-page records exist
    bool watermark = false;    // a watermark is chosen
};

// The whole control is disabled under the state.
bool IsDisabledByState(std::string_view key, const CrossPanelState& state);
// Which of the three default-restoring tables list the key and hold now.
struct RestoreRules {
    bool mailbox = false, specialPage = false, watermark = false;
    bool any() const { return mailbox || specialPage || watermark; }
};
RestoreRules RestoreRulesFor(std::string_view key, const CrossPanelState& state);

// A stored print type names mailbox print when its leading decimal digits
// read 5 ("5", "05", "5x"); anything else does not.
bool IsMailboxPrintTypeText(std::string_view text);
// A special-page record count above 0.
bool IsSpecialPageCountText(std::string_view text);

// "true" only for the attribute value "True"; "false" otherwise and when it
// is missing.
const char* CoilPunchFaceTicketValue(const char* attributeValue);
// A marked media-type choice that needs the tab flag.
bool IsTabOrCoatingChoice(std::string_view choice);

// The title followed by " %d".
std::string AddIndexToCFStr(const std::string& title, int index);
// The part of a "<mode>-<suffix>" value before its first "-" (partIndex 0)
// or after it (1); nullopt for a value without "-".
std::optional<std::string> SettingPart(const char* value, int partIndex);

// Geometry of the generated controls (children of the group box).
struct PositionData {
    int32_t titleHoffset = 30;
    int32_t kControlDistance = 8;
    int32_t kControlTopOffset = -20;
    int32_t kMaxControlInPanel = 6;
};
inline constexpr PositionData pfCtrlPositionData{};
inline constexpr int32_t kControlHeight = 25;
inline constexpr int32_t kPopUpCtrlTotalWidth = 340;
inline constexpr int32_t kPopUpCtrlTotalWidthWithButton = 245;
inline constexpr int32_t kTabMarginCtrlTotalWidth = 220;
inline constexpr int32_t kCheckBoxWidth = 250;
inline constexpr int32_t kButtonHoffset = 240;
inline constexpr int32_t kButtonCtrlWidth = 100;
inline constexpr int32_t ktitleCtrlWidthOffset = 15;
// The bottom edge of a control in a slot.
int32_t SlotBottom(int32_t slot, const PositionData& position = pfCtrlPositionData);

// Control tags the constraint tables and rules name.
namespace tags {
inline constexpr int32_t kTabMarginSetup = 101;
inline constexpr int32_t kSeparatorSetup = 102;
inline constexpr int32_t kFrontCover = 103;
inline constexpr int32_t kBackCover = 104;
inline constexpr int32_t kSeparatorList = 105;
inline constexpr int32_t kBookletSwitch = 106;
inline constexpr int32_t kBookletSetup = 107;
inline constexpr int32_t kOffsetStackingSetup = 108;
inline constexpr int32_t kNumInSeqSetup = 111;
inline constexpr int32_t kTrimmerSetup = 112;
inline constexpr int32_t kTonerSaverList = 120;
inline constexpr int32_t kTonerRateField = 121;
}  // namespace tags

}  // namespace zqfeat
