#pragma once
// The setup windows of secure, sample, delayed and mailbox print, their three
// shared buttons, the start-time clock, and the two small windows of the
// print-type panel (the error window and the pass-code notice).
#include <cstdint>
#include <string>
#include <vector>

#include "print_type_controls.h"
#include "print_type_tables.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/time_of_day.h"

namespace zqp {
class DatePicker;
}

namespace zqacct {

class PTListCtrlExtARK;
class PTPWTextEditCtrlARK;

// What the four setup windows share: the print type they belong to, the
// document-name pop-up they constrain on first display, and a modal run that
// shows the committed values without re-initialising the controls.
// An OPS-PDF driver's windows make their fields without data: the fields hold
// and show nothing, are not checked, and write no ticket key or preference.
class SetupWindowARK : public zqpde::PopupWinInPanel {
public:
    SetupWindowARK(zqp::Window* window, const char* titleKey, int32_t printType, bool opsPdf);
    int32_t ActivateWindow() override;
    // Only while the panel's print-type list shows this window's type.
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    int32_t PrintType() const { return printType_; }
    bool getOPSPDFDriver() const { return bIsOPSPDFDriver; }

protected:
    // A field's data, or none for an OPS-PDF driver.
    const zqpde::AccessInfo* Data(const zqpde::AccessInfo& access) const {
        return bIsOPSPDFDriver ? nullptr : &access;
    }
    // The item of the window: its view in the window by tag.
    zqp::View* Item(int32_t tag) const;
    void InitializePaneConstrains();
    // The four buttons of the window, from the first tag of their block.
    void AddButtons(int32_t tagBase);
    // Adds a control whose view is in the window (dropped otherwise).
    template <class T>
    T* Add(std::unique_ptr<T> control) {
        return AddNewControl(std::move(control));
    }
    void AddLabel(int32_t tag, const char* titleKey);
    PTListCtrlExtARK* AddDocumentNameList(int32_t tag, const zqpde::ListCtrlIniData* iniData,
                                          const zqpde::ConstrainInfo* constrain, const int32_t* const* validation,
                                          const char* summaryKey);
    void AddDocumentName(int32_t tag, const char* summaryKey);
    void AddUserID(int32_t tag, bool loginName);

    int32_t printType_;
    bool bIsOPSPDFDriver;
    PTListCtrlExtARK* documentNameList_ = nullptr;
};

class SecurePrintWindowARK : public SetupWindowARK {
public:
    SecurePrintWindowARK(zqp::Window* window, const char* titleKey, std::vector<zqp::View*>* qspControlIDArray,
                         bool loginName, bool opsPdf);
    PTPWTextEditCtrlARK* getSecurePasscodePtr() const { return sePrintTypePasscodeCtrl; }

private:
    PTPWTextEditCtrlARK* sePrintTypePasscodeCtrl = nullptr;
};

class SamplePrintWindowARK : public SetupWindowARK {
public:
    SamplePrintWindowARK(zqp::Window* window, const char* titleKey, bool opsPdf);
};

class DelayedPrintWindowARK : public SetupWindowARK {
public:
    DelayedPrintWindowARK(zqp::Window* window, const char* titleKey, bool opsPdf);
    void setOKButtonStatus(bool clicked) { bOKButtonIsClicked = clicked; }
    bool getOKButtonStatus() const { return bOKButtonIsClicked; }

private:
    bool bOKButtonIsClicked = false;
};

class MailBoxPrintWindowARK : public SetupWindowARK {
public:
    MailBoxPrintWindowARK(zqp::Window* window, const char* titleKey, std::vector<zqp::View*>* qspControlIDArray,
                          bool opsPdf);
};

// Default: every control of the window shows its default; nothing is committed.
class SetupWndDefaultButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

// OK: every control checked in order; the first refusal keeps the window
// open with nothing committed; otherwise commit and close.
class SetupWndOKButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

// Cancel: nothing committed; when a committed value fails its cancel check,
// or the delayed window is left before any OK, the print type goes back to
// normal print.
class SetupWndCancelButtonARK : public zqpde::BaseButton {
public:
    using zqpde::BaseButton::CreateControl;
    void CreateControl(zqp::View* view, const char* titleKey, const int32_t* const* defaultList) {
        zqpde::BaseButton::CreateControl(view, titleKey);
        setupWndCancelButtonDefaultArray = defaultList;
    }
    bool UIEventHandler() override;
    bool SetupCancelSetDefaultValueToUI();

private:
    const int32_t* const* setupWndCancelButtonDefaultArray = nullptr;
};

// The help button of the panel and of every setup window: opens
// "SelectJobType_<help key>.htm".
class PrintTypeHelpBtnARK : public zqpde::BaseButton {
public:
    void CreateControl(zqp::View* view) {
        zqpde::BaseButton::CreateControl(view, nullptr);
        helpFileName.clear();
    }
    using zqpde::BaseButton::CreateControl;
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool UIEventHandler() override;
    // The panel's own help button (tag 109) is hidden; the others stay.
    void ResetStatus() override;
    const std::string& HelpFileName() const { return helpFileName; }

private:
    std::string helpFileName;
};

// The start time of delayed print: hour and minute, shown in a date picker as
// local time, remembered as "HH:MM", written to the ticket with the date it
// falls on.
class ClockControlARK : public zqpde::BaseControl {
public:
    using zqpde::BaseControl::CreateControl;
    void CreateControl(zqp::View* view, const ClockIniData* iniData, const zqpde::ConstrainInfo* constrainArray,
                       const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein, const char* summaryStr);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool SetControlValueToUI() override;
    bool SetExternalValueToUI(const void* value, int32_t size) override;
    char* GetValueFromUI() override;
    bool SetValueFromUIToControl() override;
    const void* GetDefaultDataBlk() override;
    int32_t GetDefaultDataSize() override;
    bool ConvertToPreferenceString(std::string& out) override;
    // A text that is not a time of day "HH:MM" gives the default.
    bool ConvertFromPreferenceString(const std::string& text) override;
    // The date is taken from the clock when the ticket is written.
    bool ConvertToTickectData(std::string& out) override;
    // -1, 0, 1: the committed time against the hour and minute of `now`.
    int32_t CompareTime(std::time_t now);
    virtual bool ToGetSummaryText();
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    // The committed time.
    zqpde::LongDateRec Value() const;

private:
    zqp::DatePicker* Picker() const;
    zqpde::LongDateRec* Block(std::vector<char>& block);
    const ClockIniData* clockIniDataPtr = nullptr;
    std::string summarytextRef;
};

// The error window: a message and OK. Built and added to the panel; nothing
// of this extension presents it yet.
class ErrMsgWindow : public zqpde::PopupWinInPanel {
public:
    explicit ErrMsgWindow(zqp::Window* window);
    void CreatePanel(zqp::Window* window) override;
    void SetPanelControlPtr(zqp::Window* window) override;
    void RunModel();
    void Present(zqp::Bundle* bundle, const char* messageKey);
};

// The pass-code notice at print: OK prints as a normal job, Cancel goes back
// without printing.
class AboutWindow : public zqpde::PopupWinInPanel {
public:
    explicit AboutWindow(zqp::Window* window);
    void CreatePanel(zqp::Window* window) override;
    void SetPanelControlPtr(zqp::Window* window) override;
    void RunModel();
};

}  // namespace zqacct
