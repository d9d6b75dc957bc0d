#include "print_type_controls.h"

#include <zqp/bundle.h>
#include <zqp/print_settings.h>
#include <zqp/system.h>
#include <zqp/utf8.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <algorithm>
#include <cstring>

#include "print_type_panel.h"
#include "print_type_tables.h"
#include "print_type_windows.h"
#include "start_time.h"
#include "zqpde/number_text.h"
#include "zqpde/ppd_util.h"
#include "zqpde/scope_filter.h"
#include "zqpde/text_util.h"
#include "zqpde/ticket_value.h"

namespace zqacct {

namespace {

constexpr const char* kMiddleDot = "\xEF\xBD\xA5";  // U+FF65, one per character of a pass code

size_t Units(const std::string& text) { return zqp::Utf16Length(text); }

// Every "[n]" of text replaced by the number (and the suffix).
std::string FillNumber(std::string text, int32_t number, const char* suffix = "") {
    const std::string value = std::to_string(number) + suffix;
    for (size_t at = 0; (at = text.find("[n]", at)) != std::string::npos; at += value.size())
        text.replace(at, 3, value);
    return text;
}

size_t CharacterCount(const std::string& text) {
    size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

PrintTypePDEr15* OwningPrintTypePanel(const zqpde::BaseControl& control) {
    for (zqpde::BasePrintPanel* p = control.GetParentPanel(); p != nullptr; p = p->GetParentWnd())
        if (auto* panel = dynamic_cast<PrintTypePDEr15*>(p)) return panel;
    return nullptr;
}

bool IsUTF8Printer(ppd_file_t* ppd) {
    if (!edition::kHonoursEncodingAttribute) return false;
    ppd_attr_t* a = zqpde::ppdFindAttr_ALT(ppd, "ZQPrinterLanguageEncoding", nullptr);
    return a != nullptr && a->value != nullptr && std::strcmp(a->value, "UTF-8") == 0;
}

int32_t PopupSummary(zqpde::PopupControl& popup, zqp::Bundle* bundle, const std::string& table,
                     const std::string& summaryKey, zqpde::SummaryDictionary* dictionary,
                     zqpde::SummaryOrder* order) {
    auto* view = dynamic_cast<zqp::PopUpButton*>(popup.GetControlPtr());
    if (bundle == nullptr || dictionary == nullptr || order == nullptr || view == nullptr || summaryKey.empty())
        return 0;
    const std::string key = bundle->localizedString(summaryKey, zqp::kNoTranslation, table.empty() ? "Localizable" : table);
    (*dictionary)[key] = view->titleOfSelectedItem();
    order->push_back(key);
    return 0;
}

// ---- formatter -----------------------------------------------------------------------------

bool PTTextEditFormatterUTF8ARK::isPartialStringValid(const std::string& partial, std::string*,
                                                      std::string* errorDescription) {
    if (Units(partial) <= maxlength && (partial.empty() || zqpde::validateInputForUTF8(partial, FilterDataPtr)))
        return true;
    if (errorDescription != nullptr) *errorDescription = "String too long.";
    zqp::Beep();
    return false;
}

const NameFieldRow* EditionNameRow(std::span<const NameFieldRow> rows, int32_t productType, bool opsPdf) {
    for (const NameFieldRow& row : rows)
        if ((row.productType == kAnyProduct || row.productType == productType) &&
            (row.opsPdf < 0 || (row.opsPdf == 1) == opsPdf))
            return &row;
    return nullptr;
}

int32_t PassCodeLimitFromAttribute(ppd_file_t* ppd, int32_t current) {
    // An edition whose PPD states the shortest pass code as an attribute: its
    // first decimal number wins, on every device model.
    const char* key = edition::kPassCodeLimitAttribute;
    const int32_t limit = key != nullptr ? zqpde::GetMorvanePWMiniIntValueFromPPD(ppd, key) : -1;
    return limit >= 0 ? limit : current;
}

size_t NameWidth(const std::string& text) {
    // The same count whether or not the driver is an OPS-PDF one.
    return edition::kLatin1NameWidths ? zqpde::GetUTF8StringLength(text) : zqpde::GetStringLength(text);
}

bool NameFieldFormatter::isPartialStringValid(const std::string& partial, std::string*,
                                              std::string* errorDescription) {
    if (partial.empty() || (zqpde::validateInput(partial, FilterDataPtr) && NameWidth(partial) <= maxlength))
        return true;
    if (errorDescription != nullptr) *errorDescription = "String too long.";
    zqp::Beep();
    return false;
}

// ---- PTTextEditCtrlARK -----------------------------------------------------------------------

void PTTextEditCtrlARK::CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData,
                                      const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                                      const zqp::PrefUser* usernamein, const zqpde::TextEditFilterData* filterData,
                                      const char* summaryInfo) {
    zqpde::TextEditCtrl::CreateControl(view, iniData, constrain, accessInfo, usernamein, filterData);
    summarytextRef = summaryInfo != nullptr ? summaryInfo : "";
}

bool PTTextEditCtrlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    ppd_ = ppd;
    return zqpde::TextEditCtrl::InitializeCtrl(bundle, ppd);
}

bool PTTextEditCtrlARK::ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    if (ppd != nullptr) ppd_ = ppd;
    return zqpde::TextEditCtrl::ReInitializeCtrl(bundle, ppd);
}

bool PTTextEditCtrlARK::ToValidate() {
    // A field made without data holds nothing, so there is nothing to check.
    return ctrlDataAccessInfoPtr != nullptr && ctrlHideCount == 0 && ctrlConstrainCount == 0;
}

void PTTextEditCtrlARK::EndEditing() {
    if (ControlPtr != nullptr)
        if (zqp::Window* w = ControlPtr->window()) w->makeFirstResponder(nullptr);
}

std::string PTTextEditCtrlARK::Text(const char* key) {
    zqp::Bundle* bundle = PanelBundle();
    return bundle != nullptr && key != nullptr ? Localized(bundle, key) : std::string();
}

bool PTTextEditCtrlARK::PreInvalidateData() {
    if (!ToValidate()) return true;
    EndEditing();
    GetValueFromUI();
    if (ctrlDataSize == 0 && textEditIniDataPtr != nullptr && textEditIniDataPtr->minLength != 0) {
        ShowErrMsg();
        return false;
    }
    return true;
}

bool PTTextEditCtrlARK::InvalidateData() {
    if (!ToValidate()) return true;
    EndEditing();
    GetValueFromUI();
    const std::string text = GetUIData() != nullptr ? GetUIData() : "";
    if (!text.empty() && zqpde::IsAllSpace(text)) {
        ShowErrMsg();
        return false;
    }
    return zqpde::TextEditCtrl::InvalidateData();
}

void PTTextEditCtrlARK::ShowErrMsg(const std::string& text) {
    zqp::Bundle* bundle = PanelBundle();
    if (bundle == nullptr || text.empty()) return;
    const std::string ok = Localized(bundle, "Alert OK Btn");
    zqp::Alert alert;
    alert.addButtonWithTitle(ok);
    alert.setMessageText("");
    alert.setInformativeText(text);
    alert.setAlertStyle(zqp::AlertStyle::kWarning);
    alert.setIconFromFile(bundle->resourcePath() + "/AlertIcon.png");
    alert.runModal();
    if (ControlPtr != nullptr)
        if (zqp::Window* w = ControlPtr->window()) w->makeFirstResponder(ControlPtr);
}

bool PTTextEditCtrlARK::ToGetSummaryText() { return true; }

int32_t PTTextEditCtrlARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (dictionary == nullptr || order == nullptr || summarytextRef.empty() || !ToGetSummaryText()) return 0;
    if (ctrlDataAccessInfoPtr == nullptr) return 0;
    const std::string key = Text(summarytextRef.c_str());
    if (key.empty()) return 0;
    const std::string value = GetText();
    if (ctrlDataAccessInfoPtr->valueType == zqpde::kValueTypeText) {
        (*dictionary)[key] = value;
    } else if (ctrlDataAccessInfoPtr->valueType == zqpde::kValueTypePassword) {
        std::string dots;
        for (size_t i = CharacterCount(value); i > 0; --i) dots += kMiddleDot;
        (*dictionary)[key] = dots;
    } else {
        return 0;
    }
    order->push_back(key);
    return 0;
}

bool PTTextEditCtrlARK::CorrectCtrlUI() { return true; }

bool PTTextEditCtrlARK::CheckUTF8Text(const std::string& text) {
    if (text.empty() || textEditIniDataPtr == nullptr) return true;
    const size_t n = Units(text);
    if (n < textEditIniDataPtr->minLength || n > textEditIniDataPtr->maxLength ||
        (textEditFilterDataPtr != nullptr && !zqpde::validateInputForUTF8(text, textEditFilterDataPtr))) {
        ShowErrMsg();
        return false;
    }
    return true;
}

bool PTTextEditCtrlARK::UseNameRow(const NameFieldRow& row, bool mailbox, bool opsPdf, const char* scopeAttribute,
                                   const char* scopeMessageKey) {
    textEditIniDataPtr = &row.ini;
    textEditFilterDataPtr = mailbox ? &row.mailboxFilter : &row.filter;
    scopeFilter_ = zqpde::CopyMorvaneScopeInfoFromPPD(ppd_, scopeAttribute);
    if (scopeFilter_) {
        scopeFilter_->errorMessageKey = scopeMessageKey;
        textEditFilterDataPtr = &*scopeFilter_;
    }
    if (opsPdf) return true;
    if (auto* f = dynamic_cast<zqp::TextField*>(ControlPtr))
        f->setFormatter(std::make_shared<NameFieldFormatter>(textEditFilterDataPtr, textEditIniDataPtr->maxLength));
    return true;
}

bool PTTextEditCtrlARK::CheckNameText(const std::string& text) {
    if (text.empty() || textEditIniDataPtr == nullptr) return true;
    const size_t width = NameWidth(text);
    if (width < textEditIniDataPtr->minLength || width > textEditIniDataPtr->maxLength ||
        (textEditFilterDataPtr != nullptr && !zqpde::validateInput(text, textEditFilterDataPtr))) {
        ShowErrMsg();
        return false;
    }
    return true;
}

bool PTTextEditCtrlARK::AttachFormatter() {
    if (!IsUTF8Printer(ppd_)) return zqpde::TextEditCtrl::InitializeCtrlFormat();
    if (auto* f = dynamic_cast<zqp::TextField*>(ControlPtr); f && textEditIniDataPtr && textEditFilterDataPtr)
        f->setFormatter(std::make_shared<PTTextEditFormatterUTF8ARK>(textEditFilterDataPtr, textEditIniDataPtr->maxLength));
    return true;
}

// ---- fields showing the panel's texts ------------------------------------------------------------

bool PTPanelTextEditCtrlARK::SetControlValueToUI() {
    if (std::string* text = HasData() ? PanelText() : nullptr) {
        if (ctrlDataBlkPtr.empty()) return false;
        ConvertFromPreferenceString(*text);
        std::copy(ctrlDataBlkPtr.begin(), ctrlDataBlkPtr.end(), ctrlUIDataBlkPtr.begin());
    }
    return zqpde::TextEditCtrl::SetControlValueToUI();
}

bool PTPanelTextEditCtrlARK::SetValueFromUIToControl() {
    if (std::string* text = HasData() ? PanelText() : nullptr) *text = GetUIData() != nullptr ? GetUIData() : "";
    return zqpde::TextEditCtrl::SetValueFromUIToControl();
}

// ---- user ID --------------------------------------------------------------------------------------

bool PTUITextEditCtrlARK::InitializeCtrlFormat() {
    PrintTypePDEr15* panel = OwningPrintTypePanel(*this);
    const bool opsPdf = panel != nullptr && panel->getOPSPDFDriver();
    if (const NameFieldRow* row = EditionNameRow(edition::kUserNameRows, panel != nullptr ? panel->getPDEType() : 0, opsPdf)) {
        NULLStringMsg = row->emptyKey;
        // The product with its own tables keeps them whatever the PPD's scope says.
        const bool scoped = row->productType != kKanaProduct;
        return UseNameRow(*row, false, opsPdf, scoped ? edition::kUserNameScopeAttribute : nullptr,
                          row->filter.errorMessageKey);
    }
    const bool utf8 = IsUTF8Printer(ppd_);
    const bool reduced = panel != nullptr && panel->IsKeywordSupported();
    if (panel != nullptr && panel->getPDEType() == 2) {
        textEditIniDataPtr = &printTypeUserNameIniDataDefault02;
        textEditFilterDataPtr = &printTypeUserNameFilterDataDefault02;
        NULLStringMsg = "Message42b";
    } else if (utf8 && reduced) {
        textEditIniDataPtr = &printTypeLoginEtxtIniData;
        textEditFilterDataPtr = &printTypeLoginEtxtFilterDataUTF8;
        NULLStringMsg = "Message63";
    } else if (utf8) {
        textEditIniDataPtr = &printTypeUserNameIniData;
        textEditFilterDataPtr = &printTypeUserNameFilterDataUTF8;
        NULLStringMsg = "Message59";
    } else {
        textEditIniDataPtr = &printTypeUserNameIniData;
        textEditFilterDataPtr = &printTypeUserNameFilterData;
        NULLStringMsg = "Message42";
    }
    return AttachFormatter();
}

bool PTUITextEditCtrlARK::PreInvalidateData() {
    if (!ToValidate()) return true;
    EndEditing();
    GetValueFromUI();
    const std::string text = GetUIData() != nullptr ? GetUIData() : "";
    if (!text.empty()) return true;
    if (textEditIniDataPtr == nullptr || textEditIniDataPtr->minLength == 0 || textEditFilterDataPtr == nullptr)
        return true;
    ShowErrMsg(Text(NULLStringMsg));
    return false;
}

bool PTUITextEditCtrlARK::InvalidateData() {
    if (!ToValidate()) return true;
    if (!edition::kUserNameRows.empty()) {
        EndEditing();
        GetValueFromUI();
        const std::string text = GetUIData() != nullptr ? GetUIData() : "";
        if (!text.empty() && zqpde::IsAllSpace(text)) {
            ShowErrMsg();
            return false;
        }
        return CheckNameText(text);
    }
    if (!IsUTF8Printer(ppd_)) return PTTextEditCtrlARK::InvalidateData();
    EndEditing();
    GetValueFromUI();
    const std::string text = GetUIData() != nullptr ? GetUIData() : "";
    PrintTypePDEr15* panel = OwningPrintTypePanel(*this);
    const bool reduced = panel != nullptr && panel->IsKeywordSupported();
    if (!text.empty() && zqpde::IsAllSpace(text) && !reduced) {
        ShowErrMsg();
        return false;
    }
    return CheckUTF8Text(text);
}

bool PTUITextEditCtrlARK::PreInvalidateDataOnCancel() {
    if (!ToValidate()) return true;
    return !(GetText().empty() && textEditIniDataPtr != nullptr && textEditIniDataPtr->minLength != 0);
}

std::string* PTUITextEditCtrlARK::PanelText() {
    PrintTypePDEr15* panel = OwningPrintTypePanel(*this);
    return panel != nullptr ? &panel->getPrintTypeUserNameDataBlk() : nullptr;
}

bool PTWndLoginTECtrlARK::GetValueFromPreference() { return false; }
bool PTWndLoginTECtrlARK::GetValueFromPreferenceWithPrinterSettings() { return false; }

std::string LoginNameForField(const std::string& login, const zqpde::TextEditFilterData* filter, size_t maxBytes) {
    if (login.empty() || filter == nullptr || !zqpde::validateInputForUTF8(login, filter)) return "UnknownUser";
    return std::string(zqp::Utf8Prefix(login, maxBytes));
}

// ---- document name ----------------------------------------------------------------------------

bool PTDUTextEditCtrlARK::InitializeCtrlFormat() {
    PrintTypePDEr15* panel = OwningPrintTypePanel(*this);
    const int32_t type = panel != nullptr ? panel->getPDEType() : 0;
    const bool utf8 = IsUTF8Printer(ppd_);
    const bool mailbox = GetControlTag() == MailBoxDocumentNameTag;
    const bool opsPdf = panel != nullptr && panel->getOPSPDFDriver();
    if (const NameFieldRow* row = EditionNameRow(edition::kDocumentNameRows, type, opsPdf))
        // A scope from the PPD carries no message: a refused character only beeps.
        return UseNameRow(*row, mailbox, opsPdf,
                          row->productType != kKanaProduct ? edition::kDocumentNameScopeAttribute : nullptr, nullptr);
    switch (type) {
        case 2:
            textEditIniDataPtr = &documentNameIniDataDefault02;
            textEditFilterDataPtr = mailbox ? &mailBoxDocumentNameFilterDataDefault02 : &documentNameFilterDataDefault02;
            break;
        case 3:
            textEditIniDataPtr = &documentNameIniDataDefault03;
            if (utf8)
                textEditFilterDataPtr =
                    mailbox ? &mailBoxDocumentNameFilterDataDefault03UTF8 : &documentNameFilterDataDefault03UTF8;
            else
                textEditFilterDataPtr =
                    mailbox ? &mailBoxDocumentNameFilterDataDefault03 : &documentNameFilterDataDefault03;
            break;
        case 5:
            textEditIniDataPtr = &documentNameIniData;
            if (utf8) textEditFilterDataPtr = &documentNameFilterDataDefault04UTF8;
            else textEditFilterDataPtr = mailbox ? &mailBoxDocumentNameFilterData : &documentNameFilterData;
            break;
        default:
            textEditIniDataPtr = &documentNameIniData;
            if (utf8) textEditFilterDataPtr = mailbox ? &mailBoxDocumentNameFilterDataUTF8 : &documentNameFilterDataUTF8;
            else textEditFilterDataPtr = mailbox ? &mailBoxDocumentNameFilterData : &documentNameFilterData;
            break;
    }
    return AttachFormatter();
}

bool PTDUTextEditCtrlARK::InvalidateData() {
    if (!ToValidate()) return true;
    EndEditing();
    GetValueFromUI();
    if (!edition::kDocumentNameRows.empty()) return CheckNameText(GetUIData() != nullptr ? GetUIData() : "");
    if (!IsUTF8Printer(ppd_)) return zqpde::TextEditCtrl::InvalidateData();
    const std::string text = GetUIData() != nullptr ? GetUIData() : "";
    return CheckUTF8Text(text);
}

std::string* PTDUTextEditCtrlARK::PanelText() {
    PrintTypePDEr15* panel = OwningPrintTypePanel(*this);
    return panel != nullptr ? &panel->getPrintTypeDocumentNameDataBlk() : nullptr;
}

// ---- pass codes --------------------------------------------------------------------------------

bool PTPassCodeTextEditCtrlARK::ConvertToPreferenceString(std::string& out) {
    std::string plain;
    if (!ConvertToTickectData(plain)) return false;
    out = RememberedPassCode(plain);
    return true;
}

bool PTPassCodeTextEditCtrlARK::ConvertFromPreferenceString(const std::string& text) {
    // A remembered value that is not a scrambled pass code is forgotten.
    return zqpde::TextEditCtrl::ConvertFromPreferenceString(PassCodeFromRemembered(text).value_or(""));
}

std::optional<std::string> PrintTypeTextFromTicket(const zqp::PrintSettings* settings, const char* key) {
    std::string text;
    if (settings == nullptr || key == nullptr || settings->GetValue(key, text) != zqp::kNoErr) return std::nullopt;
    // An escaped value takes up to four bytes for each byte it stands for.
    if (text.size() > 4 * zqpde::kTicketTextMaxBytes) return std::nullopt;
    zqpde::numstrtochar(text);
    if (text.size() > zqpde::kTicketTextMaxBytes || !zqp::IsValidUtf8(text)) return std::nullopt;
    return text;
}

bool PTPWTextEditCtrlARK::GetValueToPreset() {
    std::string text;
    if (!ReadTicketText(text)) return false;
    // Too long to be a scrambled pass code: the field is left empty.
    return ConvertFromPreferenceString(text.size() > zqpde::kTicketTextMaxBytes ? std::string() : text);
}

bool PTPWTextEditCtrlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    const bool ok = PTTextEditCtrlARK::InitializeCtrl(bundle, ppd);
    if (!kPPDMainKey.empty() && zqpde::CheckPPDKeyIsExist(ppd, kPPDMainKey.c_str())) {
        const int minimum = zqpde::GetPWMiniIntValueFromPPD(ppd, kPPDMainKey.c_str());
        if (minimum >= 0) iMinPasscode = minimum;
    }
    iMinPasscode = PassCodeLimitFromAttribute(ppd, iMinPasscode);
    return ok;
}

bool PTPWTextEditCtrlARK::LengthInRange(size_t length) const {
    const size_t maximum = textEditIniDataPtr != nullptr ? textEditIniDataPtr->maxLength : 12;
    return length >= static_cast<size_t>(std::max(iMinPasscode, 0)) && length <= maximum;
}

bool PTPWTextEditCtrlARK::PreInvalidateData() {
    if (!ToValidate()) return true;
    EndEditing();
    GetValueFromUI();
    if (!LengthInRange(static_cast<size_t>(std::max(ctrlDataSize, 0)))) {
        ShowInivalidCharErrMsg();
        return false;
    }
    return true;
}

bool PTPWTextEditCtrlARK::PreInvalidateDataOnCancel() {
    if (!ToValidate()) return true;
    return LengthInRange(zqpde::GetStringLength(GetText()));
}

bool PTPWTextEditCtrlARK::InvalidateData() {
    if (!ToValidate()) return true;
    if (!PreInvalidateData()) return false;
    const std::string text = GetUIData() != nullptr ? GetUIData() : "";
    if (!text.empty() && textEditFilterDataPtr != nullptr && !zqpde::validateInput(text, textEditFilterDataPtr)) {
        ShowInivalidCharErrMsg();
        return false;
    }
    return true;
}

bool PTPWTextEditCtrlARK::InvalidateDataOnPrintCommand() {
    if (!ToValidate()) return true;
    GetValueFromUI();
    const std::string text = GetUIData() != nullptr ? GetUIData() : "";
    const size_t maximum = textEditIniDataPtr != nullptr ? textEditIniDataPtr->maxLength : 12;
    const size_t width = zqpde::GetStringLength(text);
    if ((!text.empty() && textEditFilterDataPtr != nullptr && !zqpde::validateInput(text, textEditFilterDataPtr)) ||
        width > maximum) {
        ShowInivalidCharErrMsg();
        // Such a pass code cannot reach the device: the job does not print.
        if (PrintTypePDEr15* panel = OwningPrintTypePanel(*this)) panel->setJobStatus(kJobMayNotPrint);
        return false;
    }
    if (width < static_cast<size_t>(std::max(iMinPasscode, 0))) {
        // Too short for the device: only the notice's OK (print as a normal
        // job) lets the job go; the plain message keeps it back.
        if (PrintTypePDEr15* panel = OwningPrintTypePanel(*this)) panel->setJobStatus(kJobMayNotPrint);
        ShowErrMsg();
        return false;
    }
    return true;
}

void PTPWTextEditCtrlARK::ShowInivalidCharErrMsg() {
    if (textEditFilterDataPtr == nullptr || textEditFilterDataPtr->errorMessageKey == nullptr) return;
    ShowErrMsg(FillNumber(Text(textEditFilterDataPtr->errorMessageKey), iMinPasscode));
}

void PTPWTextEditCtrlARK::ShowErrMsg() {
    PrintTypePDEr15* panel = OwningPrintTypePanel(*this);
    if (panel != nullptr && panel->IsPPDkeyPassCodeExist()) {
        if (AboutWindow* notice = panel->getPassCodeAboutWndPtr()) {
            // Only the notice's OK lets the job print; a notice closed any
            // other way keeps it back.
            panel->setJobStatus(kJobMayNotPrint);
            notice->RunModel();
            return;
        }
    }
    // The message names the shortest pass code: fill it in, never show "[n]".
    if (textEditFilterDataPtr != nullptr && textEditFilterDataPtr->errorMessageKey != nullptr)
        ShowErrMsg(FillNumber(Text(textEditFilterDataPtr->errorMessageKey), std::max(iMinPasscode, 0)));
    else
        zqpde::TextEditCtrl::ShowErrMsg();
}

int32_t PTPWTextEditCtrlARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (dictionary == nullptr || order == nullptr || ctrlDataAccessInfoPtr == nullptr || !ToGetSummaryText()) return 0;
    std::string key = Text(summarytextRef.c_str());
    if (key.find("[n]") != std::string::npos) {
        zqpde::BasePrintPanel* window = GetParentPanel();
        auto* label = window != nullptr ? dynamic_cast<PTPWStaticTextEditControlARK*>(
                                              window->GetPanelControl(&SecurePrintTypePasscodeTitleTag))
                                        : nullptr;
        if (label == nullptr || label->getMiniPasscode() < 0) return 0;
        const size_t maximum = textEditIniDataPtr != nullptr ? textEditIniDataPtr->maxLength : 12;
        const std::string range = std::to_string(label->getMiniPasscode()) + " to " + std::to_string(maximum);
        for (size_t at; (at = key.find("[n]")) != std::string::npos;) key.replace(at, 3, range);
    }
    std::string dots;
    for (size_t i = CharacterCount(GetText()); i > 0; --i) dots += kMiddleDot;
    (*dictionary)[key] = dots;
    order->push_back(key);
    return 0;
}

bool PTPWStaticTextEditControlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    zqpde::BaseControl::InitializeCtrl(bundle, ppd);
    if (!kPPDMainKey.empty() && zqpde::CheckPPDKeyIsExist(ppd, kPPDMainKey.c_str()))
        iMiniValue = zqpde::GetPWMiniIntValueFromPPD(ppd, kPPDMainKey.c_str());
    iMiniValue = PassCodeLimitFromAttribute(ppd, iMiniValue);
    InitializeTitle(bundle);
    return true;
}

bool PTPWStaticTextEditControlARK::InitializeTitle(zqp::Bundle* bundle) {
    if (bundle == nullptr || summarytextRef.empty()) return false;
    std::string text = Localized(bundle, summarytextRef.c_str());
    if (iMiniValue >= 0) text = FillNumber(text, iMiniValue);
    if (zqp::TextField* l = Label()) l->setStringValue(text);
    return true;
}

// ---- mailbox -------------------------------------------------------------------------------------

bool PTMBNTextEditCtrlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    const bool ok = PTTextEditCtrlARK::InitializeCtrl(bundle, ppd);
    if (!kPPDMainKey.empty()) iMaxMailBoxNumber = zqpde::GetMBMaxNumberFromPPD(ppd, kPPDMainKey.c_str());
    return ok;
}

bool PTMBNTextEditCtrlARK::NumberValid(const std::string& text) const {
    return text.size() <= 3 && zqpde::DecimalInt32(text, 1, iMaxMailBoxNumber).has_value();
}

bool PTMBNTextEditCtrlARK::PreInvalidateData() {
    if (!ToValidate()) return true;
    EndEditing();
    GetValueFromUI();
    if (!NumberValid(GetUIData() != nullptr ? GetUIData() : "")) {
        ShowInivalidCharErrMsg();
        return false;
    }
    return true;
}

bool PTMBNTextEditCtrlARK::PreInvalidateDataOnCancel() {
    if (!ToValidate()) return true;
    return NumberValid(GetText());
}

bool PTMBNTextEditCtrlARK::SetValueFromUIToControl() {
    if (ctrlDataBlkPtr.empty()) return false;
    std::string text = GetUIData() != nullptr ? GetUIData() : "";
    zqpde::filterHeadZero(text);
    return ConvertFromPreferenceString(text);
}

void PTMBNTextEditCtrlARK::ShowInivalidCharErrMsg() {
    if (textEditFilterDataPtr == nullptr || textEditFilterDataPtr->errorMessageKey == nullptr) return;
    ShowErrMsg(FillNumber(Text(textEditFilterDataPtr->errorMessageKey), iMaxMailBoxNumber, " "));
}

bool PTMBNTextEditCtrlExtARK::PreInvalidateData() {
    if (!ToValidate()) return true;
    EndEditing();
    GetValueFromUI();
    const std::string text = GetUIData() != nullptr ? GetUIData() : "";
    if (text.size() > 20) {
        ShowErrMsg();
        return false;
    }
    return true;
}

// ---- document-name type ------------------------------------------------------------------------

void PTListCtrlExtARK::CreateControl(zqp::View* view, const zqpde::ListCtrlIniData* iniData,
                                     const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                                     const zqp::PrefUser* usernamein, const int32_t* const* validation,
                                     const char* summaryInfo, const char* titleInfo) {
    zqpde::PopupControl::CreateControl(view, iniData, constrain, accessInfo, usernamein);
    validateControlArray = validation;
    summarytextRef = summaryInfo != nullptr ? summaryInfo : "";
    titletextRef = titleInfo != nullptr ? titleInfo : "";
}

int32_t DocumentNameTypeDefault(int32_t productType) { return productType == 2 || productType == 4 ? 2 : 1; }

bool PTListCtrlExtARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    PrintTypePDEr15* panel = OwningPrintTypePanel(*this);
    KeepIniValues(true, DocumentNameTypeDefault(panel != nullptr ? panel->getPDEType() : 0),
                  listctrlIniDataPtr != nullptr ? listctrlIniDataPtr->iniData : -1);
    return zqpde::PopupControl::InitializeCtrl(bundle, ppd);
}

bool PTListCtrlExtARK::UIEventHandler() {
    auto* view = dynamic_cast<zqp::PopUpButton*>(ControlPtr);
    const char* ui = GetValueFromUIDataBlk();
    if (view != nullptr && ui != nullptr && BlockInt(ui) != view->indexOfSelectedItem() + 1 &&
        validateControlArray != nullptr && ctrlParentPanelPtr != nullptr) {
        for (const int32_t* const* tag = validateControlArray; *tag != nullptr; ++tag) {
            zqpde::BaseControl* c = ctrlParentPanelPtr->GetPanelControl(*tag);
            if (c != nullptr && !c->InvalidateData()) {
                view->selectItemAtIndex(zqpde::ItemIndexOf(BlockInt(ui)));
                return false;
            }
        }
    }
    return zqpde::PopupControl::UIEventHandler();
}

bool PTListCtrlExtARK::SetControlValueToUI() {
    // Without data the list neither shows nor changes the panel's document-name type.
    PrintTypePDEr15* panel = ctrlDataAccessInfoPtr != nullptr ? OwningPrintTypePanel(*this) : nullptr;
    if (panel != nullptr && GetControlBlkPtr() != nullptr) {
        if (ControlPtr != nullptr && !ControlPtr->isEnabled()) panel->getPrintTypeDocumentListDataBlk() = 1;
        SetBlockInt(GetControlBlkPtr(), panel->getPrintTypeDocumentListDataBlk());
    }
    return zqpde::PopupControl::SetControlValueToUI();
}

bool PTListCtrlExtARK::SetValueFromUIToControl() {
    if (GetControlBlkPtr() == nullptr || GetValueFromUIDataBlk() == nullptr) return false;
    const int32_t v = BlockInt(GetValueFromUIDataBlk());
    SetBlockInt(GetControlBlkPtr(), v);
    if (ctrlDataAccessInfoPtr == nullptr) return true;
    if (PrintTypePDEr15* panel = OwningPrintTypePanel(*this)) panel->getPrintTypeDocumentListDataBlk() = v;
    return true;
}

bool PTListCtrlExtARK::ToGetSummaryText() {
    return ctrlHideCount == 0 && ctrlConstrainCount == 0 && ControlPtr != nullptr && !ControlPtr->isHidden();
}

int32_t PTListCtrlExtARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (!ToGetSummaryText()) return 0;
    PrintTypePDEr15* panel = OwningPrintTypePanel(*this);
    return PopupSummary(*this, PanelBundle(), panel != nullptr ? panel->TextTable() : std::string(), summarytextRef,
                        dictionary, order);
}


// ---- restore button ----------------------------------------------------------------------------

bool PTDefaultButtonARK::UIEventHandler() {
    if (ctrlParentPanelPtr != nullptr) {
        ctrlParentPanelPtr->SetDefaultValueToUI();
        ctrlParentPanelPtr->SetValueFromUIToControl();
    }
    return true;
}

}  // namespace zqacct
