#pragma once
// The controls of the print-type panel and its setup windows: the user-ID,
// document-name, pass-code and mailbox fields, the document-name type pop-up,
// the labels, the restore button and the UTF-8 formatter. The user ID, the
// document-name type and the document name live in the panel (shared by the
// four windows); the fields that show them read the panel on display and
// write it on commit, and never reach the ticket or the preferences
// themselves.
#include <cstdint>
#include <optional>
#include <string>

#include "edition_traits.h"
#include "zqpde/standard_controls.h"
#include "zqpde/text_entry.h"

namespace zqacct {

class PrintTypePDEr15;

// The print-type panel a control belongs to: its own panel, or the panel of
// the window it sits in; nullptr outside one.
PrintTypePDEr15* OwningPrintTypePanel(const zqpde::BaseControl& control);
// The document-name type a product starts with: products 2 and 4 the
// entered name (2), the others the retrieved name (1).
int32_t DocumentNameTypeDefault(int32_t productType);

// A print-type text of the ticket as it was before it was written: an
// escaped value ("/" and decimal byte codes) decoded; nullopt when the
// settings hold no value for the key, or a value longer than 255 bytes, or
// one that is not UTF-8 once decoded.
std::optional<std::string> PrintTypeTextFromTicket(const zqp::PrintSettings* settings, const char* key);

// True when the PPD's device text is UTF-8 ("ZQPrinterLanguageEncoding").
bool IsUTF8Printer(ppd_file_t* ppd);

// Refuses an edit whose UTF-16 units leave the filter's UTF-16 ranges or
// whose UTF-16 length passes the maximum (printers that take UTF-8 text).
class PTTextEditFormatterUTF8ARK : public zqp::Formatter {
public:
    PTTextEditFormatterUTF8ARK(const zqpde::TextEditFilterData* filter, uint32_t maxLength)
        : FilterDataPtr(filter), maxlength(maxLength) {}
    bool isPartialStringValid(const std::string& partial, std::string* newEditingString,
                              std::string* errorDescription) override;

private:
    const zqpde::TextEditFilterData* FilterDataPtr;
    uint32_t maxlength;
};

// Base of the print-type text fields.
class PTTextEditCtrlARK : public zqpde::TextEditCtrl {
public:
    using zqpde::TextEditCtrl::CreateControl;
    void CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData, const zqpde::ConstrainInfo* constrain,
                       const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                       const zqpde::TextEditFilterData* filterData, const char* summaryInfo);

    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    // Neither hidden nor constrained: only then is the field checked.
    virtual bool ToValidate();
    bool PreInvalidateData() override;
    bool InvalidateData() override;
    using zqpde::TextEditCtrl::ShowErrMsg;
    // The alert with this text (icon, one "Alert OK Btn"); the field becomes
    // first responder afterwards.
    virtual void ShowErrMsg(const std::string& text);
    virtual bool ToGetSummaryText();
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    bool CorrectCtrlUI() override;

protected:
    // The window becomes first responder, which ends an edit in progress.
    void EndEditing();
    // The check of printers that take UTF-8 text: length in UTF-16 units
    // within the description's range and every unit within the filter; the
    // empty text passes. The alert and false otherwise.
    bool CheckUTF8Text(const std::string& text);
    // Set-up and check of a name field from the edition's row: the OPS-PDF
    // driver attaches no formatter; the check counts widths as NameWidth.
    // A scope attribute of the PPD, when it gives a filter, replaces the
    // row's (with scopeMessageKey as its message).
    bool UseNameRow(const NameFieldRow& row, bool mailbox, bool opsPdf, const char* scopeAttribute = nullptr,
                    const char* scopeMessageKey = nullptr);
    bool CheckNameText(const std::string& text);
    std::optional<zqpde::TextEditFilterData> scopeFilter_;
    // The formatter that filters typing: by UTF-16 units on a UTF-8 printer,
    // else the framework's.
    bool AttachFormatter();
    // The localised text of key in the control's table.
    std::string Text(const char* key);
    ppd_file_t* ppd_ = nullptr;
    std::string summarytextRef;
};

// A control whose value lives in the panel: it neither remembers nor writes
// its own key (the panel does).
template <class Base>
class PanelValueControl : public Base {
public:
    bool SetValueToPreference() override { return true; }
    bool GetValueFromPreference() override { return true; }
    bool SetValueToPreferenceWithPrinterSettings() override { return true; }
    bool GetValueFromPreferenceWithPrinterSettings() override { return true; }
    using Base::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings*, bool) override { return true; }
};

// A text field showing one of the panel's texts and committing into it.
// The edition's row for a print-type name field; nullptr when the edition
// has no tables of its own or none matches.
const NameFieldRow* EditionNameRow(std::span<const NameFieldRow> rows, int32_t productType, bool opsPdf);
// The shortest pass code as the edition's PPD attribute states it (its first
// decimal number, at most 255); current when there is none.
int32_t PassCodeLimitFromAttribute(ppd_file_t* ppd, int32_t current);
// The width of a name as the edition counts it against the field's maximum.
size_t NameWidth(const std::string& text);

// A name field's formatter: the filter, and the width as the edition counts it.
class NameFieldFormatter : public zqp::Formatter {
public:
    NameFieldFormatter(const zqpde::TextEditFilterData* filter, uint32_t maxLength)
        : FilterDataPtr(filter), maxlength(maxLength) {}
    bool isPartialStringValid(const std::string& partial, std::string* newEditingString,
                              std::string* errorDescription) override;

private:
    const zqpde::TextEditFilterData* FilterDataPtr;
    uint32_t maxlength;
};

class PTPanelTextEditCtrlARK : public PanelValueControl<PTTextEditCtrlARK> {
public:
    bool SetControlValueToUI() override;
    bool SetValueFromUIToControl() override;

protected:
    // The panel's text the field shows; nullptr outside a print-type panel.
    virtual std::string* PanelText() = 0;
    // A field made without data neither shows nor changes the panel's text.
    bool HasData() const { return ctrlDataAccessInfoPtr != nullptr; }
};

// The user ID of secure and sample print (the panel's user-ID block).
class PTUITextEditCtrlARK : public PTPanelTextEditCtrlARK {
public:
    bool InitializeCtrlFormat() override;
    bool PreInvalidateData() override;
    bool InvalidateData() override;
    bool PreInvalidateDataOnCancel() override;

protected:
    std::string* PanelText() override;
    const char* NULLStringMsg = nullptr;
};

// The user ID as the login name (products whose list is the reduced one).
class PTWndLoginTECtrlARK : public PTUITextEditCtrlARK {
public:
    bool GetValueFromPreference() override;
    bool GetValueFromPreferenceWithPrinterSettings() override;
};

// The login name as the login-name field takes it: the user's login name
// when every UTF-16 unit passes the filter, cut to maxBytes at a character
// boundary, else "UnknownUser".
std::string LoginNameForField(const std::string& login, const zqpde::TextEditFilterData* filter, size_t maxBytes);

// The document name (the panel's document-name block).
class PTDUTextEditCtrlARK : public PTPanelTextEditCtrlARK {
public:
    bool InitializeCtrlFormat() override;
    bool InvalidateData() override;

protected:
    std::string* PanelText() override;
};


// What the two pass-code fields share: the remembered value is the
// scrambled form, never the plain digits.
class PTPassCodeTextEditCtrlARK : public PTTextEditCtrlARK {
public:
    bool ConvertToPreferenceString(std::string& out) override;
    bool ConvertFromPreferenceString(const std::string& text) override;
};

// The secure-print pass code; its shortest length comes from the PPD.
class PTPWTextEditCtrlARK : public PTPassCodeTextEditCtrlARK {
public:
    void MiniPassKey(const char* ppdKey) { kPPDMainKey = ppdKey != nullptr ? ppdKey : ""; }
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool PreInvalidateData() override;
    bool PreInvalidateDataOnCancel() override;
    bool InvalidateData() override;
    // At print: a character outside the filter or a length above the maximum
    // shows the pass-code alert and refuses the job; a length below the
    // minimum shows the notice (which decides). True when neither applies.
    bool InvalidateDataOnPrintCommand() override;
    // The scrambled pass code of the ticket; a value that does not decode
    // leaves the field empty. False when the ticket holds none.
    bool GetValueToPreset() override;
    virtual void ShowInivalidCharErrMsg();
    using PTTextEditCtrlARK::ShowErrMsg;
    void ShowErrMsg() override;
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    int32_t GetMinimum() const { return iMinPasscode; }

private:
    bool LengthInRange(size_t length) const;
    std::string kPPDMainKey;
    int32_t iMinPasscode = 0;
};

// The label of the pass code, showing the shortest length.
class PTStaticTextEditControlARK : public zqpde::StaticTextEditControl {
public:
    using zqpde::StaticTextEditControl::CreateControl;
    void CreateControl(zqp::View* view, const char* titleKey) {
        zqpde::StaticTextEditControl::CreateControl(view, nullptr, nullptr, nullptr, nullptr, nullptr, titleKey);
    }
};

class PTPWStaticTextEditControlARK : public PTStaticTextEditControlARK {
public:
    void MiniPassKey(const char* ppdKey) { kPPDMainKey = ppdKey != nullptr ? ppdKey : ""; }
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool InitializeTitle(zqp::Bundle* bundle) override;
    int32_t getMiniPasscode() const { return iMiniValue; }

private:
    std::string kPPDMainKey;
    int32_t iMiniValue = 0;
};

// The mailbox number: 1 to the largest number the PPD names.
class PTMBNTextEditCtrlARK : public PTTextEditCtrlARK {
public:
    void MaxMBNKey(const char* ppdKey) { kPPDMainKey = ppdKey != nullptr ? ppdKey : ""; }
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool PreInvalidateData() override;
    bool PreInvalidateDataOnCancel() override;
    bool SetValueFromUIToControl() override;
    virtual void ShowInivalidCharErrMsg();

private:
    bool NumberValid(const std::string& text) const;
    std::string kPPDMainKey;
    int32_t iMaxMailBoxNumber = 0;
};

// The mailbox pass code: at most 20 digits, may be empty.
class PTMBNTextEditCtrlExtARK : public PTPassCodeTextEditCtrlARK {
public:
    bool PreInvalidateData() override;
};

// The document-name type pop-up (the panel's document-name type block).
class PTListCtrlExtARK : public PanelValueControl<zqpde::PopupControl> {
public:
    using zqpde::PopupControl::CreateControl;
    void CreateControl(zqp::View* view, const zqpde::ListCtrlIniData* iniData, const zqpde::ConstrainInfo* constrain,
                       const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                       const int32_t* const* validation, const char* summaryInfo, const char* titleInfo);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool UIEventHandler() override;
    bool SetControlValueToUI() override;
    bool SetValueFromUIToControl() override;
    virtual bool ToGetSummaryText();
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;

private:
    const int32_t* const* validateControlArray = nullptr;
    std::string summarytextRef, titletextRef;
};

// Restores the panel's defaults (normal print).
class PTDefaultButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

// The summary of a pop-up: the localised key mapped to the selected item's title.
int32_t PopupSummary(zqpde::PopupControl& popup, zqp::Bundle* bundle, const std::string& table,
                     const std::string& summaryKey, zqpde::SummaryDictionary* dictionary,
                     zqpde::SummaryOrder* order);

}  // namespace zqacct
