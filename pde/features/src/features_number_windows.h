#pragma once
// The small windows of the features panel that take a number the PPD cannot
// carry: the separator page list, the number of tabs in a sequence and the
// offset-stacking intervals, with the whole-number editor family they are
// built from (a field, its stepper and the formatter that checks typing).
//
// A window shows the committed values when opened and commits only on OK
// after every control validated; its controls write their keys at every
// save of the panel, whatever the panel's switch for the feature says.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <zqp/window.h>

#include "features_units.h"
#include "zqcommon/inch_mm_text_edit.h"
#include "zqcommon/inch_mm_unit_controls.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/standard_controls.h"
#include "zqpde/text_entry.h"

namespace zqfeat {

// ---- the whole-number editor family -------------------------------------------

// A stepper bound to a field (the shared unit stepper): it moves only while
// the fields of its validate list are valid, and the field follows it.
class PFInchMMLittleArrowControlARK : public zqcommon::InchMMLittleArrowControl {
public:
    // value: int32_t; the stepper's value and lastValue. False for nullptr or
    // no view.
    bool SetExternalValueToUI(const void* value, int32_t size) override;
    bool GetValueToPreset() override;
    bool ToGetSummaryText() override { return false; }
    // Shows and keeps a value typed into the field (no event replayed).
    void ShowValue(int32_t value);

protected:
    // A restored value committed, shown and remembered as the last one.
    void TakePresetValue(int32_t value);
};

class PFNumInSeqLittleArrowControlARK : public PFInchMMLittleArrowControlARK {
public:
    // The field shows the value ("%d", within its maximum length), then the
    // framework's update.
    int32_t DoControlUpdateConstrain() override;
};

// The formatter of a whole-number field: every accepted text is handed to
// the field; a refused one leaves the field's UI text empty, so OK refuses.
class PFNumInSeqTextEditFormatterARK : public zqpde::TextEditFormatter {
public:
    PFNumInSeqTextEditFormatterARK(const zqpde::TextEditFilterData* filter, const zqcommon::InchMMValueRange* range,
                                   uint32_t maxLength, zqpde::TextEditCtrl* field);
    bool getObjectValue(std::string& object, const std::string& string, std::string* errorDescription) override;
    // The text's integer reading within the range.
    virtual bool IsNumberValid(const std::string& text);
    const std::string& LastString() const { return lastString; }

protected:
    const zqcommon::InchMMValueRange* editValueRangeDataPtr;
    zqpde::TextEditCtrl* BrotherContrl;
    std::string lastString;
};

// The bytes a formatter hands over: five characters (a 6-byte block).
inline constexpr size_t kNumberHandOverMaxBytes = 5;

// A whole-number field.
class PFNumInSeqTextEditCtrlARK : public zqcommon::InchMMTextEditCtrl {
public:
    // Digits of the byte filter only, and a reading within the range.
    bool IsNumberValid(const std::string& text) override;
    // event: the accepted text (const char*): the UI text, the stepper, then
    // the update list.
    int32_t OnRawKeyUp(void* event) override;
    // The stepper's value as the text.
    bool CorrectCtrlUI() override;
    int32_t Update() override { return 0; }
    // The number-in-sequence line: while the panel's switch is on and the
    // field is shown.
    virtual bool ToGetSummaryText();
    // The title key with the text on screen.
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    // Shows a text without replaying its event.
    void ShowText(const std::string& text);
    // The text being edited (the UI block), never the committed one.
    void SetUIText(const std::string& text);

protected:
    std::shared_ptr<zqp::Formatter> CreateUnitFormatter() override;
    // The stepper's value a typed text reads as, and the text the field
    // shows for a stepper's value.
    virtual int32_t ValueOfText(const std::string& text);
    virtual std::string TextOfValue(int32_t value);
    class FeaturesPanelState* Features() const;
};

// The offset-stacking fields give their line only for their offset mode
// (item 4 of the pop-up for pages, 5 for copies).
class PFOffsetStackingPagesTextEditCtrlARK : public PFNumInSeqTextEditCtrlARK {
public:
    bool ToGetSummaryText() override;
};
class PFOffsetStackingUnitsTextEditCtrlARK : public PFNumInSeqTextEditCtrlARK {
public:
    bool ToGetSummaryText() override;
};

// ---- the separator page list --------------------------------------------------

class PFSepTextEditCtrlARK : public zqpde::TextEditCtrl {
public:
    using zqpde::TextEditCtrl::CreateControl;
    void CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData, const zqpde::ConstrainInfo* constrain,
                       const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                       const zqpde::TextEditFilterData* filterData, const char* titleInfo, int32_t maxPages);
    int32_t IsPageInputValid(const std::string& text) const;
    bool ToValidate();
    bool PreInvalidateData() override;
    bool InvalidateData() override;
    bool InvalidateDataAndReturnError() override;
    bool SetValueFromUIToControl() override;
    bool SetControlValueToUI() override;
    bool GetValueToPreset() override;
    bool PreInvalidateDataOnCancel() override;
    bool InvalidateDataOnCancel() override;
    bool SetValueToPreference() override;
    // The list in its stored form while the panel's separator pop-up is on.
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    void ShowErrMsg() override;
    // which: 1 malformed, 2 too many pages.
    void ShowErrMsg(int32_t which);

private:
    bool Check(bool alert);
    std::string titletextRef;
    int32_t maxPageDefineNum = 20;
};

// ---- the windows ----------------------------------------------------------------

// What a whole-number window is made of.
struct NumberWindowTable {
    const char* outlet;       // the nib's window
    const char* titleKey;
    int32_t labelTag;
    const char* labelKey;
    int32_t fieldTag, stepperTag, okTag, cancelTag, defaultTag, helpTag;
    const char* helpPage;
};

enum class NumberWindowKind { kNumInSequence, kOffsetStackingPages, kOffsetStackingUnits };
const NumberWindowTable& NumberWindowTableOf(NumberWindowKind kind);

// A window opened from the panel: it shows the committed values, then runs
// modally; it keeps its controls' hide and disable counts.
class PFFeatureWndARK : public zqpde::PopupWinInPanel {
public:
    PFFeatureWndARK(zqp::Window* window, const char* theWinTitleStr) : zqpde::PopupWinInPanel(window, theWinTitleStr) {}
    int32_t ActivateWindow() override;

protected:
    std::string TitleTable() const override { return StringTable(); }
};

class PFNumberWndARK : public PFFeatureWndARK {
public:
    PFNumberWndARK(zqp::Window* window, NumberWindowKind kind);
    PFNumInSeqTextEditCtrlARK* Field() const { return field_; }
    PFNumInSeqLittleArrowControlARK* Stepper() const { return stepper_; }
    NumberWindowKind Kind() const { return kind_; }

private:
    NumberWindowKind kind_;
    PFNumInSeqTextEditCtrlARK* field_ = nullptr;
    PFNumInSeqLittleArrowControlARK* stepper_ = nullptr;
};

class PFSeparatorWndARK : public PFFeatureWndARK {
public:
    enum : int32_t { kLabel = 501, kField = 502, kSideLabel = 503, kOK = 504, kCancel = 505, kDefault = 506, kHelp = 507 };
    explicit PFSeparatorWndARK(zqp::Window* window);
    PFSepTextEditCtrlARK* Field() const { return field_; }

private:
    PFSepTextEditCtrlARK* field_ = nullptr;
};

// A text value block: its text up to the first zero, and a text put into
// it, cut at a character boundary to leave room for the ending zero.
std::string BlockText(const std::vector<char>& block);
void SetBlockText(std::vector<char>& block, const std::string& text);

// The alert of a features window: the bundle's icon, the translated text of
// the key (through fill when given, which puts values into it), one OK
// button; the field is the first responder afterwards.
void ShowFieldAlert(zqpde::BaseControl& control, zqp::Bundle* bundle, zqpde::BasePrintPanel* panel, const char* key,
                    zqp::AlertStyle style, const std::function<std::string(const std::string&)>& fill = nullptr);

class PFWndCancelButtonARK;
// The buttons every feature window ends with: OK, Cancel (the given button,
// else the plain one, resetting the panel controls cancelDefaults names),
// Default and Help (its page).
void AddWindowButtons(zqpde::BasePrintPanel& window, zqp::View* ok, zqp::View* cancel, zqp::View* defaults,
                      zqp::View* help, const char* helpPage, const int32_t* const* cancelDefaults,
                      std::unique_ptr<PFWndCancelButtonARK> cancelButton = nullptr);

// The window outlets of the features windows' nib.
inline constexpr const char* kFeatureWindowsNib = "ZQFeatureWindows";
inline constexpr const char* kSeparatorWindowOutlet = "PFSeparatorWnd";

}  // namespace zqfeat
