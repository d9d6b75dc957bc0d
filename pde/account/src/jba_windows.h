#pragma once
// The job-authentication windows (administrator, user, input at print) and
// the fields, radios, boxes and buttons they are built from.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "jba_window_tables.h"
#include "print_type_controls.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/standard_controls.h"

namespace zqacct {

class JBAPDEr15;
class JBAInfoWindowARK;
class JBAInputWindowARK;

// ---- text fields ------------------------------------------------------------------------------------

// What a field writes in place of its value when the printer has a
// customised user prompt.
enum class PromptRule {
    kOwnValue,              // always its own value
    kUnknownUserForBilling, // "UnknownUser" for "Billing ID Fixed Text" (login name)
    kUnknownUserWithoutID,  // "UnknownUser" for "Billing ID Fixed Text" or "Case_8" (user ID)
    kEmptyWithoutID,        // empty for "Billing ID Fixed Text" or "Case_8"
    kEmptyWithoutStorage,   // empty for "User ID Fixed Text"
};

class JBAWndTextEditCtrlARK : public PTTextEditCtrlARK {
public:
    using PTTextEditCtrlARK::CreateControl;
    void CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData, const zqpde::AccessInfo* accessInfo,
                       const zqp::PrefUser* usernamein, const zqpde::TextEditFilterData* filterData,
                       const char* titleTextRef, bool canAllSpace, PromptRule rule = PromptRule::kOwnValue);
    bool ToValidate() override;
    bool PreInvalidateData() override { return true; }
    bool InvalidateData() override;
    bool InitializeCtrlFormat() override;
    // A hidden field remembers nothing.
    bool ToRemember() override;
    bool ToGetSummaryText() override;
    bool IsOutputNullToTicket() override;
    // Empties the view and the value read from it.
    bool CorrectCtrlUI() override;
    using PTTextEditCtrlARK::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
    // The text as it stands in the view.
    std::string UIText();

protected:
    JBAInfoWindowARK* InfoWindow() const;
    bool UTF8() const;
    // Spaces-only refused (unless accepted), then the framework check.
    bool CheckPlain();
    // UTF-8 printers: spaces, length in UTF-16 units, characters.
    bool CheckUTF8(bool lengthOfEmptyToo);
    bool bCanAllSpace = true;
    PromptRule rule_ = PromptRule::kOwnValue;
};

class JBAWndUserIDTextEditCtrlARK : public JBAWndTextEditCtrlARK {
public:
    bool InvalidateData() override;
    bool InitializeCtrlFormat() override;
    bool ToGetSummaryText() override;
};

class JBAWndLoginTECtrlARK : public JBAWndTextEditCtrlARK {
public:
    // Fills the field (and its default) with the login name, or "UnknownUser".
    void SetLoginName();
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool GetValueFromPreference() override { return false; }
    bool GetValueFromPreferenceWithPrinterSettings() override { return false; }
    bool InvalidateData() override { return true; }
    bool ToGetSummaryText() override;

private:
    // The login name is this field's default; kept per field, the shared
    // description stays as it is.
    std::string loginName_;
};

class JBAWndAcntTextEditCtrlARK : public JBAWndTextEditCtrlARK {};

class JBAWndStrgIDTextEditCtrlARK : public JBAWndTextEditCtrlARK {
public:
    bool InitializeCtrlFormat() override;
    bool InvalidateData() override;
};

// Passwords: remembered scrambled, never as plain text, and only when the
// field's own rule (ToRemember) lets it remember.
template <class Base>
class ScrambledMemory : public Base {
public:
    bool ConvertToPreferenceString(std::string& out) override;
    bool ConvertFromPreferenceString(const std::string& text) override;
    // A value that cannot be scrambled (empty, or too long for it) is
    // forgotten: its remembered entry goes, so no older value comes back.
    bool SetValueToPreferenceWithPrinterSettings() override;
};

// The storage password: digits, at least the PPD's minimum ("[n]" of its
// message).
template <class Base>
class StoragePassword : public ScrambledMemory<Base> {
public:
    void PPDKey(const char* key) { kPPDMainKey = key != nullptr ? key : ""; }
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool InvalidateData() override;
    using PTTextEditCtrlARK::ShowErrMsg;
    void ShowErrMsg() override;
    int32_t GetMinimum() const { return iMinPasscode; }

private:
    std::string kPPDMainKey;
    int32_t iMinPasscode = 0;
};

class JBAWndTextEditCtrlExtPwdARK : public ScrambledMemory<JBAWndTextEditCtrlARK> {};

class JBAWndStrgTextEditCtrlExtPwdARK : public StoragePassword<JBAWndTextEditCtrlExtPwdARK> {
public:
    int32_t DoSelfUpdate() override;
};

// Input-window fields: no summary; remembered only while the account mode's
// window keeps the last entries or the printer has a customised prompt.
class JBAInputWndTextEditCtrlARK : public JBAWndTextEditCtrlARK {
public:
    // The window of the account mode keeps the last entries (its last-info
    // box is on, or it has none) or the printer has a customised prompt.
    bool ToRemember() override;
    bool ToGetSummaryText() override { return false; }
};

class JBAInputWndTextEditCtrlExtARK : public JBAInputWndTextEditCtrlARK {
public:
    bool InitializeCtrlFormat() override;
    bool PreInvalidateData() override;
    bool InvalidateData() override;
};

class JBAInputWndStrgIDTextEditCtrlExtARK : public JBAInputWndTextEditCtrlExtARK {
public:
    bool InitializeCtrlFormat() override;
};

class JBAInputWndStrgTextEditCtrlPwdARK : public StoragePassword<JBAInputWndTextEditCtrlARK> {};

// ---- lists, radios, boxes --------------------------------------------------------------------------

// "JBA Login Name" / "JBA Input Name": switching empties the user password.
class JBAWndListCtrlARK : public zqpde::PopupControl {
public:
    using zqpde::PopupControl::CreateControl;
    void CreateControl(zqp::View* view, const zqpde::ListCtrlIniData* iniData, const zqpde::ConstrainInfo* constrain,
                       const zqpde::AccessInfo* accessInfo, const int32_t* const* validate,
                       const int32_t* const* clear, const zqp::PrefUser* usernamein);
    bool UIEventHandler() override;
    bool SimulationUIEventHandler() override;
    bool ValidateConstrains();
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;

private:
    const int32_t* const* validateControlArray = nullptr;
    const int32_t* const* clearControlArray = nullptr;
};

class JBAWndRadioButtonARK : public zqpde::RadioButton {
public:
    JBAWndRadioButtonARK(zqp::View* view, const zqpde::RadioButtonIniData* iniData,
                         const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                         const zqp::PrefUser* usernamein, const int32_t* const* validate,
                         zqpde::ConstrainLists selfUpdates = {});
    bool UIEventHandler() override;
    bool ValidateConstrains();
    int32_t DoSelfUpdate() override;
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    bool ReSetControlValue(int32_t value);

protected:
    // Before the base handler, once the click is accepted.
    virtual void ClickAccepted() {}
    const zqpde::RadioButtonIniData* iniData_;
    const int32_t* const* validateControlArray;
    zqpde::ConstrainLists selfUpdates_;
};

// The authentication (1) and storage (2) radios of the input window.
class JBAWndRadioButtonExtARK : public JBAWndRadioButtonARK {
public:
    JBAWndRadioButtonExtARK(zqp::View* view, const zqpde::RadioButtonIniData* iniData,
                            const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                            const zqp::PrefUser* usernamein, const int32_t* const* validate, int32_t whichRadioBtn)
        : JBAWndRadioButtonARK(view, iniData, constrain, accessInfo, usernamein, validate),
          iModeRadioBtn(whichRadioBtn) {}
    bool SetControlValueToUI() override;
    int32_t GetSummaryText(zqpde::SummaryDictionary*, zqpde::SummaryOrder*) override { return 0; }

protected:
    void ClickAccepted() override;

private:
    int32_t iModeRadioBtn;
};

class JBAWndCheckBoxARK : public zqpde::CheckBox {
public:
    JBAWndCheckBoxARK(zqp::View* view, const zqpde::CheckBoxIniData* iniData, const zqpde::ConstrainInfo* constrain,
                      const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                      zqpde::ConstrainLists hides = {})
        : zqpde::CheckBox(view, iniData, constrain, accessInfo, usernamein), ctrlConstrainsArray(hides) {}
    // The user-ID format box of products without domain fields says so.
    bool InitializeTitle(zqp::Bundle* bundle) override;
    // Hides the input window's fields of the box's value.
    void InitializeConstrains();
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;

private:
    zqpde::ConstrainLists ctrlConstrainsArray;
};

class JBAWndLastInputCheckBoxARK : public JBAWndCheckBoxARK {
public:
    using JBAWndCheckBoxARK::JBAWndCheckBoxARK;
    // On: the input window reloads its remembered values; off: its defaults.
    void InitializeCtrlData();
};

// The input window's hidden copy of the case list.
class JBAInputWndInfoSetListCtrlARK : public zqpde::PopupControl {
public:
    void InitializeConstrains();
    int32_t DoSelfUpdate() override;
    void ResetStatus() override;

private:
    int32_t applied_ = -1;  // the case whose lists are applied
};

// ---- buttons ------------------------------------------------------------------------------------------

class JBAWndOKButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};
class JBAWndCancelButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};
class JBAWndRestoreButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};
class JBAInputWndOKButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};
class JBAInputWndCancelButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

// ---- windows ------------------------------------------------------------------------------------------

// The administrator and user windows: one design, two sets of tags and keys.
class JBAInfoWindowARK : public zqpde::PopupWinInPanel {
public:
    struct Spec {
        int32_t base;  // 2000 administrator, 3000 user
        bool admin;
        zqp::PrefUser scope;
        const InfoWndAccess* access;
    };
    JBAInfoWindowARK(zqp::Window* window, const char* titleKey, std::vector<zqp::View*>* qspControlIDArray,
                     bool zelPDFDriver, ppd_file_t* ppd, const Spec& spec);
    ~JBAInfoWindowARK() override;

    zqpde::BaseControl* GetPanelControl(const int32_t* tag) override;
    bool getZELPDFDriver() const { return bIsZELPDFDriver; }
    bool IsAdmin() const { return spec_.admin; }
    void InitializePaneConstrains();
    int32_t ActivateWindow() override;
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    // The remembered values, then the radio pair's defaults unless exactly one is on.
    int32_t GetValueFromPreference() override;
    int32_t GetValueFromPreferenceWithPrinterSettings() override;

    JBAWndRadioButtonARK* getJobInputRdioCtrl() const { return jobInputRdio_; }
    bool getbEnterUserDetails() const;
    JBAWndLastInputCheckBoxARK* getLastInputCboxCtrl() const { return lastInput_; }
    bool getbDisplayPrevious() const;
    JBAWndCheckBoxARK* getUserFrmtCboxCtrl() const { return bIsZELPDFDriver ? nullptr : userFrmt_; }
    JBAWndCheckBoxARK* getAcntFrmtCboxCtrl() const { return bIsZELPDFDriver ? nullptr : acntFrmt_; }
    bool getbHideUserID() const;
    bool getbHideAccountID() const;
    bool getbUseLoginNameSelect() const;
    JBAWndListCtrlARK* getUserIDLboxCtrl() const { return userIDLbox_; }

private:
    zqp::View* Item(int32_t tag) const;
    void AddLabel(int32_t tag, const char* key);
    void AddButtons();

    Spec spec_;
    bool bIsZELPDFDriver;
    std::unique_ptr<zqpde::RadioGroup> jbaWndRgrpCtrl;
    JBAWndRadioButtonARK* jobInputRdio_ = nullptr;
    JBAWndLastInputCheckBoxARK* lastInput_ = nullptr;
    JBAWndCheckBoxARK* userFrmt_ = nullptr;
    JBAWndCheckBoxARK* acntFrmt_ = nullptr;
    JBAWndListCtrlARK* userIDLbox_ = nullptr;
};

class JBAInfoAdminWndARK : public JBAInfoWindowARK {
public:
    JBAInfoAdminWndARK(zqp::Window* window, const char* titleKey, std::vector<zqp::View*>* qsp, bool zel,
                       ppd_file_t* ppd);
};

class JBAInfoWndARK : public JBAInfoWindowARK {
public:
    JBAInfoWndARK(zqp::Window* window, const char* titleKey, std::vector<zqp::View*>* qsp, bool zel, ppd_file_t* ppd);
};

class JBAInputWindowARK : public zqpde::PopupWinInPanel {
public:
    JBAInputWindowARK(zqp::Window* window, const char* titleKey, std::vector<zqp::View*>* qspControlIDArray,
                      std::vector<int32_t> defaultArray, bool zelPDFDriver, ppd_file_t* ppd);
    ~JBAInputWindowARK() override;

    bool getZELPDFDriver() const { return bIsZELPDFDriver; }
    void InitializePaneCtrlData();
    void InitializePaneConstrains();
    int32_t ActivateWindow() override;
    int32_t Present() { return ActivateWindow(); }
    void SimulateWindow();
    void SycnContents();
    void SycnFromTextToPw(bool* hideUserID, bool* hideAccountID);
    bool SetControlDataToDefault();
    bool SetDefaultValueToPreference();
    // Reloads the remembered values of its fields.
    void ReloadRemembered();
    // The remembered values, then the radio pair's defaults unless exactly one is on.
    int32_t GetValueFromPreference() override;
    int32_t GetValueFromPreferenceWithPrinterSettings() override;
    int32_t GetSummaryText(zqpde::SummaryDictionary*, zqpde::SummaryOrder*) override { return 0; }

    JBAInputWndInfoSetListCtrlARK* getjbaInfoSetListCtrlInputWndPtr() const { return Ctrl<JBAInputWndInfoSetListCtrlARK>(InputWndTags::InfoSetList); }
    JBAWndRadioButtonExtARK* getStrgRadioPtr() const { return Ctrl<JBAWndRadioButtonExtARK>(InputWndTags::StrgRdio); }
    JBAWndRadioButtonExtARK* getAuthRadioPtr() const { return Ctrl<JBAWndRadioButtonExtARK>(InputWndTags::AuthRdio); }

private:
    template <class T>
    T* Ctrl(int32_t tag) const {
        if (bIsZELPDFDriver) return nullptr;
        auto* self = const_cast<JBAInputWindowARK*>(this);
        return dynamic_cast<T*>(self->zqpde::PopupWinInPanel::GetPanelControl(&tag));
    }
    zqp::View* Item(int32_t tag) const;
    // The window of the account mode; nullptr for another mode.
    JBAInfoWindowARK* ModeWindow() const;

    bool bIsZELPDFDriver;
    std::vector<int32_t> jbainputwndDefaultArray;
    std::unique_ptr<zqpde::RadioGroup> jbaInputWndRgrpCtrl;
};

// The window a control sits in, and its panel.
JBAInfoWindowARK* OwningInfoWindow(const zqpde::BaseControl& control);
JBAInputWindowARK* OwningInputWindow(const zqpde::BaseControl& control);

}  // namespace zqacct
