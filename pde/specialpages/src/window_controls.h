#pragma once
// What the editor windows share beside the common buttons of
// summary_list.h: the number formatter of their fields and the label that
// shows a custom size range from the PPD.
#include <string>

#include "custom_size.h"
#include "info_views.h"
#include "record_editing.h"
#include "zqcommon/inch_mm_text_edit.h"
#include "zqpde/standard_controls.h"
#include "summary_list.h"
#include "zqpde/text_entry.h"
#include "zqpde/base_print_panel.h"

namespace zqsp {

// A number range of a field (minimum, maximum).
using SPValueRange = zqcommon::InchMMValueRange;

// The formatter of the extension's number fields: an accepted text (up to
// 15 bytes) goes to its field's typing (OnRawKeyUp), and the field's shown
// data always follows (empty for a refused text). A text equal to the last
// accepted one changes nothing. The answer is always yes: the field's own
// check refuses the text when the window validates.
class SPTextEditFormatterARK : public zqpde::TextEditFormatter {
public:
    SPTextEditFormatterARK(const zqpde::TextEditFilterData* filter, const SPValueRange* range, uint32_t maxLength,
                           zqpde::TextEditCtrl* field);
    bool getObjectValue(std::string& object, const std::string& string, std::string* errorDescription) override;
    // The number of the text (atoi) within the range.
    virtual bool IsNumberValid(const std::string& text);
    const std::string& LastString() const { return lastString; }

protected:
    const SPValueRange* editValueRangeDataPtr;
    zqpde::TextEditCtrl* BrotherContrl;
    std::string lastString;
};

// Fills the placeholders ("%@", "%s", "%d") of a translated text one after
// another with the values; the text is never used as a format.
std::string FillPlaceholders(const std::string& text, std::initializer_list<std::string> values);

// The text of key with "[min]" and "[max]" replaced: a translated text is
// never used as a format.
std::string FillRange(std::string text, const std::string& minimum, const std::string& maximum);

// A label naming the custom size range of one dimension in one unit.
class SPStaticTextEditControlARK : public zqpde::StaticTextEditControl {
public:
    using zqpde::StaticTextEditControl::CreateControl;
    // unit: 1 millimetres, 0 inches; sizeFlag: 0 width, 1 length.
    void CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData, const zqpde::ConstrainInfo* constrain,
                       const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                       const zqpde::TextEditFilterData* filterData, const char* summaryInfo, int32_t longMeasure,
                       int32_t sizeFlag);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool InitializeTitle(zqp::Bundle* bundle) override;

private:
    int32_t longMeasure_ = kUnitMillimetre;
    int32_t sizeFlag_ = kSizeWidth;
    ppd_file_t* ppd_ = nullptr;
};

// The range of one dimension in one unit: the PPD's, else the built-in one.
SizeRange CustomSizeRange(ppd_file_t* ppd, int32_t longMeasure, int32_t sizeFlag);

// What the covers, inserts and exceptions windows share: the title from the
// string table, labels and the bottom buttons by tag, and OK calling Apply.
class SPEditorWindowARK : public zqpde::PopupWinInPanel {
public:
    struct ButtonTags {
        int32_t ok, cancel, restore, help;
    };
    // The window's title keys while it adds and while it edits.
    struct TitleKeys {
        const char *add, *edit;
    };
    SPEditorWindowARK(zqp::Window* window, const char* theWinTitleStr, SPPanelServices* panel, TitleKeys titles)
        : zqpde::PopupWinInPanel(window, theWinTitleStr), panel_(panel), titles_(titles) {}
    // OK: true when the list took the window's records and the window closed.
    virtual bool Apply() = 0;
    // The title by the list's mode: 1 the add title, 2 the edit title;
    // another mode keeps the title shown.
    void resetUserPaneTitle(int32_t mode);

protected:
    std::string TitleTable() const override { return StringTable(); }
    // The view of a tag in the window's content; nullptr when absent.
    zqp::View* ViewOf(int32_t tag) const;
    void AddLabel(int32_t tag, const char* key);
    void AddButtons(const ButtonTags& tags, const char* helpPage);
    // The summary list, or nullptr while the panel has none.
    SPSummaryScrollViewCtrl* List() const;
    // After OK: the undo snapshot, the records of one kind handed to the
    // list in its add state, and the window closed.
    void Hand(int32_t kind, const std::vector<SPRecord>& records);
    // Each opening starts from the default custom size (the custom size
    // window's own defaults); the records shown then bring their own.
    void RestoreDefaultCustomSize(SPSubMenuListCtrlARK* paper);
    // The view of the job's own paper at tag.
    void AddJobSettingView(int32_t tag);
    // A view of the paper of the pop-up at paperTag, at tag; nullptr without its view.
    SPPageSettingScrollViewCtrlARK* AddPageView(std::unique_ptr<SPPageSettingScrollViewCtrlARK> view, int32_t tag,
                                                const int32_t* paperTag);
    // Tells the advanced paper window which kinds stand at No Change.
    void TellMixedKinds(const PaperValues& shown);

public:
    // The views of the chosen paper show the paper pop-up as it is now.
    virtual void RefreshPageViews() {}

protected:
    SPPanelServices* panel_;
    TitleKeys titles_;
};

// What a window's paper pop-up stands on, custom size included.
PaperValues PaperValuesOf(const SPSelectPaperListCtrlARK* paper);
// The pop-up shows that paper, custom size and unit included.
void ShowPaperValues(SPSelectPaperListCtrlARK* paper, const PaperValues& values);

// A record left at the custom size carries the size the custom size window
// showed for it, whether it was closed with OK or Cancel: a width or length
// it has none of (a record restored without a custom size of its own, or
// one of several edited together) is the window's default, in the unit the
// window showed (the record's own, millimetres without one). A size of its
// own stays.
void KeepShownCustomSize(const SPSubMenuListCtrlARK* popup, PaperValues& paper);

// The paper a window commits for one record, moved off what the PPD forbids
// with the options in force and the record's sides (`duplex`, the Duplex
// choices of its printing or two-sided setting; empty: none), by the paper
// pop-up's own rule (SPSubMenuListCtrlARK::AllowedRecordPaper), with the
// custom size the window showed (KeepShownCustomSize).
void AllowPaper(SPSubMenuListCtrlARK* popup, PaperValues& paper, const std::vector<std::string>& duplex);

// A record's value of key, or fallback.
std::string RecordField(const SPRecord& r, const char* key, const char* fallback = "-1");

}  // namespace zqsp
