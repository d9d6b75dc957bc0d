#include "print_type_windows.h"

#include <zqp/bundle.h>
#include <zqp/system.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <cstring>

#include "print_type_panel.h"
#include "start_time.h"
#include "zqpde/app_resources.h"
#include "zqpde/ppd_util.h"
#include "zqpde/text_util.h"

namespace zqacct {

namespace {

const zqp::PrefUser kCurrentUser = zqp::PrefUser::kCurrentUser;

PrintTypePDEr15* PanelOf(zqpde::BasePrintPanel* window) {
    for (zqpde::BasePrintPanel* p = window; p != nullptr; p = p->GetParentWnd())
        if (auto* panel = dynamic_cast<PrintTypePDEr15*>(p)) return panel;
    return nullptr;
}

// The print type the panel's list shows (its selected item), 0 without one.
int32_t ShownPrintType(PrintTypePDEr15* panel) {
    if (panel == nullptr || panel->getPrintTypeListCtrlPtr() == nullptr) return 0;
    const char* ui = panel->getPrintTypeListCtrlPtr()->GetValueFromUI();
    int32_t v = 0;
    if (ui != nullptr) std::memcpy(&v, ui, sizeof v);
    return v;
}

}  // namespace

// ---- setup windows ----------------------------------------------------------------------------

SetupWindowARK::SetupWindowARK(zqp::Window* window, const char* titleKey, int32_t printType, bool opsPdf)
    : zqpde::PopupWinInPanel(window, titleKey), printType_(printType), bIsOPSPDFDriver(opsPdf) {}

zqp::View* SetupWindowARK::Item(int32_t tag) const { return windowRef != nullptr ? windowRef->viewWithTag(tag) : nullptr; }

void SetupWindowARK::AddLabel(int32_t tag, const char* titleKey) {
    auto label = std::make_unique<PTStaticTextEditControlARK>();
    label->CreateControl(Item(tag), titleKey);
    Add(std::move(label));
}

PTListCtrlExtARK* SetupWindowARK::AddDocumentNameList(int32_t tag, const zqpde::ListCtrlIniData* iniData,
                                                      const zqpde::ConstrainInfo* constrain,
                                                      const int32_t* const* validation, const char* summaryKey) {
    auto list = std::make_unique<PTListCtrlExtARK>();
    list->CreateControl(Item(tag), iniData, constrain, Data(documentNameListAccessInfo), &kCurrentUser, validation,
                        summaryKey, "Retrieve Document Name List");
    documentNameList_ = Add(std::move(list));
    return documentNameList_;
}

void SetupWindowARK::AddDocumentName(int32_t tag, const char* summaryKey) {
    auto name = std::make_unique<PTDUTextEditCtrlARK>();
    name->CreateControl(Item(tag), &documentNameIniData, nullptr, Data(documentNameAccessInfo), &kCurrentUser, nullptr,
                        summaryKey);
    Add(std::move(name));
}

void SetupWindowARK::AddUserID(int32_t tag, bool loginName) {
    std::unique_ptr<PTUITextEditCtrlARK> user;
    if (loginName) user = std::make_unique<PTWndLoginTECtrlARK>();
    else user = std::make_unique<PTUITextEditCtrlARK>();
    user->CreateControl(Item(tag), loginName ? &printTypeLoginEtxtIniData : &printTypeUserNameIniData, nullptr,
                        Data(loginName ? printTypeLoginEtxtAccessInfo : printTypeUserNameAccessInfo), &kCurrentUser,
                        loginName ? &printTypeLoginEtxtFilterDataUTF8 : &printTypeUserNameFilterData, "User ID");
    Add(std::move(user));
}

void SetupWindowARK::AddButtons(int32_t tagBase) {
    auto help = std::make_unique<PrintTypeHelpBtnARK>();
    help->CreateControl(Item(tagBase + 1));
    Add(std::move(help));
    auto def = std::make_unique<SetupWndDefaultButtonARK>();
    def->CreateControl(Item(tagBase + 2), "PT Setup Window Rstr Buttons");
    Add(std::move(def));
    auto ok = std::make_unique<SetupWndOKButtonARK>();
    ok->CreateControl(Item(tagBase + 3), "PT Setup Window OK Buttons");
    Add(std::move(ok));
    auto cancel = std::make_unique<SetupWndCancelButtonARK>();
    cancel->CreateControl(Item(tagBase + 4), "PT Setup Window Cancel Buttons", setupWndCancelBtnDefaultArrays);
    Add(std::move(cancel));
}

void SetupWindowARK::InitializePaneConstrains() {
    if (documentNameList_ != nullptr) documentNameList_->DoControlConstrain();
}

int32_t SetupWindowARK::ActivateWindow() {
    if (windowRef == nullptr) return 0;
    const bool activatedBefore = IsActived();
    SetCurrentValueToUI();
    if (!activatedBefore) {
        InitializePaneConstrains();
        ChangeActivedStatus(true);
    }
    zqp::Application::Shared().runModalForWindow(*windowRef);
    return 0;
}

int32_t SetupWindowARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (ShownPrintType(PanelOf(this)) == printType_) zqpde::PopupWinInPanel::GetSummaryText(dictionary, order);
    return 0;
}

SecurePrintWindowARK::SecurePrintWindowARK(zqp::Window* window, const char* titleKey,
                                           std::vector<zqp::View*>* qspControlIDArray, bool loginName, bool opsPdf)
    : SetupWindowARK(window, titleKey, kPrintTypeSecure, opsPdf) {
    AddLabel(SecurePrintTypeUserIDTitleTag, "Print Type User Name Text");
    AddUserID(loginName ? SecurePrintTypeLoginEtxtTag : SecurePrintTypeUserIDTag, loginName);
    auto pass = std::make_unique<PTPWTextEditCtrlARK>();
    pass->CreateControl(Item(SecurePrintTypePasscodeTag), &printTypePasswordIniData, nullptr,
                        Data(printTypePasswordAccessInfo), &kCurrentUser, &printTypePasswordFilterData, "Password");
    pass->MiniPassKey(edition::kPassCodeLimitKey);
    sePrintTypePasscodeCtrl = Add(std::move(pass));
    auto passTitle = std::make_unique<PTPWStaticTextEditControlARK>();
    passTitle->CreateControl(Item(SecurePrintTypePasscodeTitleTag), "Password Text");
    passTitle->MiniPassKey(edition::kPassCodeLimitKey);
    Add(std::move(passTitle));
    AddLabel(SecureDocumentNameListTitleTag, "Retrieve Document Name List");
    AddLabel(SecureDocumentNameTitleTag, "Document Name Text");
    AddDocumentNameList(SecureDocumentNameListTag, &documentNameListIniData, &securedocumentNameListConstrainInfo,
                        securedocumentNameListValidateArray, "Retrieve Document Name");
    AddDocumentName(SecureDocumentNameTag, "Document Name");
    AddButtons(SecureButtonsTagBase);
    if (qspControlIDArray != nullptr && sePrintTypePasscodeCtrl != nullptr)
        qspControlIDArray->push_back(sePrintTypePasscodeCtrl->GetControlPtr());
}

SamplePrintWindowARK::SamplePrintWindowARK(zqp::Window* window, const char* titleKey, bool opsPdf)
    : SetupWindowARK(window, titleKey, kPrintTypeSample, opsPdf) {
    AddLabel(SamplePrintTypeUserIDTitleTag, "Print Type User Name Text");
    AddUserID(SamplePrintTypeUserIDTag, false);
    AddLabel(SampleDocumentNameListTitleTag, "Retrieve Document Name List");
    AddLabel(SampleDocumentNameTitleTag, "Document Name Text");
    AddDocumentNameList(SampleDocumentNameListTag, &documentNameListIniData, &sampledocumentNameListConstrainInfo,
                        sampledocumentNameListValidateArray, "Retrieve Document Name");
    AddDocumentName(SampleDocumentNameTag, "Document Name");
    AddButtons(SampleButtonsTagBase);
}

DelayedPrintWindowARK::DelayedPrintWindowARK(zqp::Window* window, const char* titleKey, bool opsPdf)
    : SetupWindowARK(window, titleKey, kPrintTypeDelayed, opsPdf) {
    auto clock = std::make_unique<ClockControlARK>();
    clock->CreateControl(Item(DelayPrintTimeTag), &delayprintClockIniData, &delayprintConstrainInfo,
                         Data(delayprintAccessInfo), &kCurrentUser, "Start Print Time");
    Add(std::move(clock));
    AddLabel(DelayPrintTitleTag, "Start Print Time Text");
    AddLabel(DelayedDocumentNameListTitleTag, "Retrieve Document Name List");
    AddLabel(DelayedDocumentNameTitleTag, "Document Name Text");
    AddDocumentNameList(DelayedDocumentNameListTag, &documentNameListIniData, &delayeddocumentNameListConstrainInfo,
                        delayeddocumentNameListValidateArray, "Retrieve Document Name");
    AddDocumentName(DelayedDocumentNameTag, "Document Name");
    AddButtons(DelayedButtonsTagBase);
    bOKButtonIsClicked = false;
}

MailBoxPrintWindowARK::MailBoxPrintWindowARK(zqp::Window* window, const char* titleKey,
                                             std::vector<zqp::View*>* qspControlIDArray, bool opsPdf)
    : SetupWindowARK(window, titleKey, kPrintTypeMailbox, opsPdf) {
    AddLabel(MailBoxNumberPrintTypeTitleTag, "MailBox Number Text");
    AddLabel(MailBoxPrintTypePasscodeTitleTag, "MBN Password Text");
    auto number = std::make_unique<PTMBNTextEditCtrlARK>();
    number->CreateControl(Item(MailBoxPrintTypeNumberTag), &printTypeMBNIniData, nullptr, Data(printTypeMBNAccessInfo),
                          &kCurrentUser, &printTypeMBNFilterData, "MailBox Number ID");
    number->MaxMBNKey("ZQXMailBoxSettings");
    Add(std::move(number));
    auto pass = std::make_unique<PTMBNTextEditCtrlExtARK>();
    pass->CreateControl(Item(MailBoxPrintTypePasscodeTag), &printTypeMBNPasswordIniData, nullptr,
                        Data(printTypeMBNPasswordAccessInfo), &kCurrentUser, &printTypeMBNPasswordFilterData,
                        "MNB Password");
    PTMBNTextEditCtrlExtARK* passCtrl = Add(std::move(pass));
    AddLabel(MailBoxTypeDocumentNameListTitleTag, "MailBox Document Name List");
    AddLabel(MailBoxDocumentNameTitleTag, "MailBox Document Name Text");
    AddDocumentNameList(MailBoxDocumentNameListTag, &mailBoxDocumentNameListIniData,
                        &mailboxdocumentNameListConstrainInfo, mailboxdocumentNameListValidateArray,
                        "MailBox Retrieve Document Name");
    AddDocumentName(MailBoxDocumentNameTag, "MailBox Document Name");
    AddButtons(MailBoxButtonsTagBase);
    if (qspControlIDArray != nullptr && passCtrl != nullptr) qspControlIDArray->push_back(passCtrl->GetControlPtr());
}

// ---- setup buttons ------------------------------------------------------------------------------

bool SetupWndDefaultButtonARK::UIEventHandler() {
    if (ctrlParentPanelPtr != nullptr) ctrlParentPanelPtr->SetDefaultValueToUI();
    return true;
}

bool SetupWndOKButtonARK::UIEventHandler() {
    auto* window = dynamic_cast<zqpde::PopupWinInPanel*>(ctrlParentPanelPtr);
    if (window == nullptr) return true;
    window->SycValueFromUI();
    if (zqpde::BasePrintPanel::ControlList* controls = window->getCtrlGroupArrayRef()) {
        for (auto& c : *controls) {
            if (!c->PreInvalidateData() || !c->InvalidateData()) return false;
        }
    }
    window->SetValueFromUIToControl();
    PrintTypePDEr15* panel = PanelOf(window);
    if (panel != nullptr && panel->getPrintTypeListCtrlPtr() != nullptr && panel->getDelayedPrintWndPtr() != nullptr)
        if (auto* list = dynamic_cast<zqp::PopUpButton*>(panel->getPrintTypeListCtrlPtr()->GetControlPtr()))
            if (list->indexOfSelectedItem() == 3) panel->getDelayedPrintWndPtr()->setOKButtonStatus(true);
    window->DeactivateWindow();
    return true;
}

bool SetupWndCancelButtonARK::UIEventHandler() {
    auto* window = dynamic_cast<zqpde::PopupWinInPanel*>(ctrlParentPanelPtr);
    if (window == nullptr) return true;
    bool keep = true;
    if (zqpde::BasePrintPanel::ControlList* controls = window->getCtrlGroupArrayRef()) {
        for (auto& c : *controls) {
            if (!c->PreInvalidateDataOnCancel() || !c->InvalidateDataOnCancel()) {
                keep = false;
                break;
            }
        }
    }
    PrintTypePDEr15* panel = PanelOf(window);
    if (panel != nullptr && panel->getPrintTypeListCtrlPtr() != nullptr && panel->getDelayedPrintWndPtr() != nullptr)
        if (auto* list = dynamic_cast<zqp::PopUpButton*>(panel->getPrintTypeListCtrlPtr()->GetControlPtr()))
            if (list->indexOfSelectedItem() == 3 && !panel->getDelayedPrintWndPtr()->getOKButtonStatus()) keep = false;
    if (!keep) SetupCancelSetDefaultValueToUI();
    // The summary reads the window's views: they show the committed values.
    window->CancelWindow();
    return true;
}

bool SetupWndCancelButtonARK::SetupCancelSetDefaultValueToUI() {
    PrintTypePDEr15* panel = PanelOf(ctrlParentPanelPtr);
    if (panel == nullptr || setupWndCancelButtonDefaultArray == nullptr) return false;
    for (const int32_t* const* tag = setupWndCancelButtonDefaultArray; *tag != nullptr; ++tag) {
        zqpde::BaseControl* c = panel->GetPanelControl(*tag);
        if (c == nullptr || !c->SetDefaultValueToUI()) return false;
        c->SimulationUIEventHandler();
    }
    return true;
}

// ---- help button ----------------------------------------------------------------------------------

bool PrintTypeHelpBtnARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    zqpde::BaseButton::InitializeCtrl(bundle, ppd);
    helpFileName.clear();
    const std::string keyword = zqpde::FixPPDKeywordAccordingToType(ppd, "ZQXPrintTypeSettings");
    ppd_attr_t* attr = zqpde::ppdFindAttr_ALT(ppd, keyword.c_str(), nullptr);
    if (attr != nullptr && attr->value != nullptr)
        helpFileName = "SelectJobType_" + zqpde::GetAppResourceName(attr->value, 1) + ".htm";
    return true;
}

bool PrintTypeHelpBtnARK::UIEventHandler() {
    if (!helpFileName.empty())
        zqpde::GotoHelpPage(zqpde::pluginBundle, helpFileName, "", "Help Viewer Title for Job Accounting");
    return true;
}

void PrintTypeHelpBtnARK::ResetStatus() {
    if (ControlPtr != nullptr && ControlPtr->tag() == printTypeHelpButtonTag) ControlPtr->setHidden(true);
}

// ---- clock ------------------------------------------------------------------------------------------

void ClockControlARK::CreateControl(zqp::View* view, const ClockIniData* iniData,
                                    const zqpde::ConstrainInfo* constrainArray, const zqpde::AccessInfo* accessInfo,
                                    const zqp::PrefUser* usernamein, const char* summaryStr) {
    zqpde::BaseControl::CreateControl(view);
    KeepTables(constrainArray, accessInfo, usernamein);
    clockIniDataPtr = iniData;
    summarytextRef = summaryStr != nullptr ? summaryStr : "";
    ctrlDataSize = sizeof(zqpde::LongDateRec);
}

bool ClockControlARK::InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) {
    if (!zqpde::BaseControl::InitializeCtrl(bundle, ppd)) return false;
    AllocateBlocks(sizeof(zqpde::LongDateRec));
    return true;
}

zqp::DatePicker* ClockControlARK::Picker() const { return dynamic_cast<zqp::DatePicker*>(ControlPtr); }

zqpde::LongDateRec* ClockControlARK::Block(std::vector<char>& block) {
    return block.size() >= sizeof(zqpde::LongDateRec) ? reinterpret_cast<zqpde::LongDateRec*>(block.data()) : nullptr;
}

zqpde::LongDateRec ClockControlARK::Value() const {
    zqpde::LongDateRec rec;
    if (ctrlDataBlkPtr.size() >= sizeof rec) std::memcpy(&rec, ctrlDataBlkPtr.data(), sizeof rec);
    return rec;
}

bool ClockControlARK::SetExternalValueToUI(const void* value, int32_t) {
    zqp::DatePicker* picker = Picker();
    if (picker == nullptr || value == nullptr) return false;
    zqpde::LongDateRec rec;
    std::memcpy(&rec, value, sizeof rec);
    // The hour and minute as local time (of today; only the time of day counts).
    std::tm t{};
    zqp::LocalTime(zqp::Now(), t);
    t.tm_hour = rec.hour;
    t.tm_min = rec.minute;
    t.tm_sec = 0;
    t.tm_isdst = -1;
    picker->setDateValue(std::mktime(&t));
    return true;
}

bool ClockControlARK::SetControlValueToUI() {
    if (Picker() == nullptr || ctrlDataBlkPtr.empty() || ctrlDataAccessInfoPtr == nullptr) return false;
    return SetExternalValueToUI(ctrlDataBlkPtr.data(), sizeof(zqpde::LongDateRec));
}

char* ClockControlARK::GetValueFromUI() {
    zqp::DatePicker* picker = Picker();
    zqpde::LongDateRec* ui = Block(ctrlUIDataBlkPtr);
    if (picker == nullptr || ui == nullptr || ctrlDataAccessInfoPtr == nullptr) return nullptr;
    // The picker answers local hour and minute itself: no zone offset is added.
    *ui = zqpde::LongDateRec{};
    ui->hour = static_cast<int16_t>(picker->hour());
    ui->minute = static_cast<int16_t>(picker->minute());
    return GetValueFromUIDataBlk();
}

bool ClockControlARK::SetValueFromUIToControl() {
    if (ctrlDataBlkPtr.empty() || ctrlUIDataBlkPtr.empty()) return false;
    std::memcpy(ctrlDataBlkPtr.data(), ctrlUIDataBlkPtr.data(), sizeof(zqpde::LongDateRec));
    return true;
}

const void* ClockControlARK::GetDefaultDataBlk() {
    return clockIniDataPtr != nullptr ? &clockIniDataPtr->defaultTime : nullptr;
}
int32_t ClockControlARK::GetDefaultDataSize() { return sizeof(zqpde::LongDateRec); }

bool ClockControlARK::ConvertToPreferenceString(std::string& out) {
    if (ctrlDataBlkPtr.empty()) return false;
    const zqpde::LongDateRec v = Value();
    out = StartTimePreferenceText(v.hour, v.minute);
    return true;
}

bool ClockControlARK::ConvertFromPreferenceString(const std::string& text) {
    zqpde::LongDateRec* value = Block(ctrlDataBlkPtr);
    if (value == nullptr) return false;
    *value = zqpde::LongDateRec{};
    if (std::optional<TimeOfDay> t = ParseStartTimePreference(text)) {
        value->hour = static_cast<int16_t>(t->hour);
        value->minute = static_cast<int16_t>(t->minute);
    } else if (const void* def = GetDefaultDataBlk()) {
        std::memcpy(value, def, sizeof *value);
    }
    return true;
}

int32_t ClockControlARK::CompareTime(std::time_t now) {
    std::tm t{};
    zqp::LocalTime(now, t);
    const zqpde::LongDateRec v = Value();
    const int a = v.hour * 60 + v.minute, b = t.tm_hour * 60 + t.tm_min;
    return a < b ? -1 : a == b ? 0 : 1;
}

bool ClockControlARK::ConvertToTickectData(std::string& out) {
    if (ctrlDataBlkPtr.empty()) return false;
    const zqpde::LongDateRec v = Value();
    out = StartTimeTicketText(zqp::Now(), v.hour, v.minute);
    return true;
}

bool ClockControlARK::ToGetSummaryText() { return ctrlHideCount == 0 && ctrlConstrainCount == 0; }

int32_t ClockControlARK::GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) {
    if (!ToGetSummaryText() || dictionary == nullptr || order == nullptr || summarytextRef.empty()) return 0;
    zqp::Bundle* bundle = PanelBundle();
    if (bundle == nullptr || GetValueFromUI() == nullptr) return 0;
    const std::string title = Localized(bundle, summarytextRef.c_str());
    std::string value;
    ConvertToPreferenceString(value);
    (*dictionary)[title] = value;
    order->push_back(title);
    return 0;
}

// ---- error window and pass-code notice ----------------------------------------------------------

namespace {

// A push button running a function.
class WindowButton : public zqpde::BaseButton {
public:
    WindowButton(zqp::View* view, const char* titleKey, std::function<void()> f) : f_(std::move(f)) {
        CreateControl(view, titleKey);
    }
    bool UIEventHandler() override {
        f_();
        return true;
    }

private:
    std::function<void()> f_;
};

void LoadAlertIcon(zqp::Window* window, int32_t tag) {
    if (window == nullptr || zqpde::pluginBundle == nullptr) return;
    if (auto* icon = dynamic_cast<zqp::ImageView*>(window->viewWithTag(tag)))
        icon->setImage(zqp::Image::FromFile(zqpde::pluginBundle->resourcePath() + "/AlertIcon.png"));
}

void RunWindow(zqp::Window* window) {
    if (window != nullptr) zqp::Application::Shared().runModalForWindow(*window);
}

}  // namespace

ErrMsgWindow::ErrMsgWindow(zqp::Window* window) { CreatePanel(window); }

void ErrMsgWindow::CreatePanel(zqp::Window* window) {
    zqpde::PopupWinInPanel::CreatePanel(window);
    SetPanelControlPtr(window);
}

void ErrMsgWindow::SetPanelControlPtr(zqp::Window* window) {
    zqpde::BasePrintPanel::SetPanelControlPtr(window);
    if (window == nullptr || ControlCount() != 0) return;
    AddNewControl(std::make_unique<WindowButton>(window->viewWithTag(ErrMsgWndOKButtonTag), "PT Message OK Btn",
                                                 [this] { DeactivateWindow(); }));
    LoadAlertIcon(window, ErrMsgWndIconTag);
}

void ErrMsgWindow::RunModel() { RunWindow(windowRef); }

void ErrMsgWindow::Present(zqp::Bundle* bundle, const char* messageKey) {
    if (windowRef == nullptr || bundle == nullptr || messageKey == nullptr) return;
    if (auto* label = dynamic_cast<zqp::TextField*>(windowRef->viewWithTag(ErrMsgWndWarningTag)))
        label->setStringValue(bundle->localizedString(messageKey, zqp::kNoTranslation, StringTable()));
    RunModel();
}

AboutWindow::AboutWindow(zqp::Window* window) { CreatePanel(window); }

void AboutWindow::CreatePanel(zqp::Window* window) {
    zqpde::PopupWinInPanel::CreatePanel(window);
    SetPanelControlPtr(window);
}

void AboutWindow::SetPanelControlPtr(zqp::Window* window) {
    zqpde::BasePrintPanel::SetPanelControlPtr(window);
    if (window == nullptr || ControlCount() != 0) return;
    LoadAlertIcon(window, AboutWndIconTag);
    auto message = std::make_unique<PTStaticTextEditControlARK>();
    message->CreateControl(window->viewWithTag(AboutWndMessageTag), "Message61");
    AddNewControl(std::move(message));
    // OK: print as a normal job.
    AddNewControl(std::make_unique<WindowButton>(window->viewWithTag(AboutWndOKButtonTag), "PT Message OK Btn", [this] {
        PrintTypePDEr15* panel = PanelOf(this);
        if (panel != nullptr) {
            for (const int32_t* const* tag = aboutWndOkButtonDefaultArray; *tag != nullptr; ++tag) {
                zqpde::BaseControl* c = panel->GetPanelControl(*tag);
                if (c == nullptr || !c->SetDefaultValueToUI() || !c->SimulationUIEventHandler()) break;
            }
        }
        DeactivateWindow();
        if (panel != nullptr) panel->setJobStatus(kJobMayPrint);
    }));
    // Cancel: back to the dialog, the job does not print.
    AddNewControl(
        std::make_unique<WindowButton>(window->viewWithTag(AboutWndCancelButtonTag), "PT Message CANCEL Btn", [this] {
            PrintTypePDEr15* panel = PanelOf(this);
            if (panel != nullptr) {
                if (zqpde::BaseControl* setup = panel->GetPanelControl(&SetupButtonTag))
                    if (zqp::View* v = setup->GetControlPtr())
                        if (zqp::Window* w = v->window()) w->makeFirstResponder(v);
                panel->setJobStatus(kJobMayNotPrint);
            }
            DeactivateWindow();
        }));
}

void AboutWindow::RunModel() { RunWindow(windowRef); }

}  // namespace zqacct
