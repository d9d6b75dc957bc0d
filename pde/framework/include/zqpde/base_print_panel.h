#pragma once
// BasePrintPanel: the container every print-dialog panel derives from, and
// PopupWinInPanel: the base of every modal window a panel opens.
//
// A panel owns its controls (in order of addition) and its installable
// controls, refers to its child windows (owned by the extension's panel
// class), and carries what they all need: print settings, PPD, session,
// the dialog host, the current printer's ID, the constraint hash, the bundle
// and the nib's top-level objects. Most operations broadcast: every control
// in order (never stopping), then every child window in order, stopping at
// the first window that fails (non-zero status, or false).
//
// The extension's panel class derives from zqp::Panel and BasePrintPanel and
// drives the framework in this order:
//   restore: no PPD -> true, nothing else. loadNibNamed (once). First open:
//     CreatePanel, RegisterMyHelpBook, create and add controls and windows,
//     SeteppdPtr, InitializeUserPane(bundle, ppd). Every time:
//     SetCurrentPrintSettings(...); first open: SetUIDataToIniData; values:
//     GetValueFromPreset, or GetValueFromPreference (before the emulated 10.7)
//     / GetValueFromPreferenceWithPrinterSettings (from 10.7 on);
//     SetCurrentValueToUI; later opens: UpdateConflictsPanelControlFromPPD.
//   willShow: Open.
//   save: SetValueFromUIToControl; SetValueToPreference... ; when that is 0,
//     SetValueToTicket(settings, false[, encryptArray]); saved when 0.
//   summary: GetSummaryText(&dictionary, &order), order under
//     "Summary Display Order".
#include <cups/ppd.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <zqp/extension.h>
#include <zqp/nib.h>
#include <zqp/preferences.h>

#include "zqpde/base_control.h"
#include "zqpde/constraint_hash.h"

namespace zqp {
class Bundle;
class DialogHost;
class PrintSession;
class PrintSettings;
class View;
class Window;
}  // namespace zqp

namespace zqpde {

class BasePrintPanel {
public:
    using ControlList = std::vector<std::unique_ptr<BaseControl>>;

    BasePrintPanel() = default;
    virtual ~BasePrintPanel();
    BasePrintPanel(const BasePrintPanel&) = delete;
    BasePrintPanel& operator=(const BasePrintPanel&) = delete;

    // Releases the lists (controls are destroyed) and the printer string.
    virtual void terminate();
    // The framework's protocol answers: nothing, and true.
    virtual void willShow();
    virtual bool shouldHide();

    // Creates the lists empty and keeps the window (a PopupWinInPanel's own
    // window; nullptr for a top-level panel); clears parent, bundle, printer
    // string, session, settings, PPD, preference dictionaries and counts.
    virtual void CreatePanel(zqp::Window* window);
    virtual int32_t Open();
    virtual int32_t Close();
    virtual int32_t GetSummaryText(SummaryDictionary* dictionary, SummaryOrder* order);
    // GetSummaryText gathered as the print dialog takes it (summaryInfo).
    zqp::Summary SummaryOfControls();
    virtual void SetPanelControlPtr(zqp::Window* window);
    // Keeps the dialog host; the panel name is cleared.
    virtual void initWithCallback(zqp::DialogHost* callback);

    // Keeps the bundle, then: every control InitializeCtrl, every control
    // setTargetandAction, every child window InitializeUserPane (stops at
    // the first non-zero), every installable control
    // ConstrainPanelControlFromPPD; the last status.
    virtual int32_t InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd);
    virtual int32_t InitializeUserPaneControl(zqp::Bundle* bundle, ppd_file_t* ppd);
    virtual int32_t InitilaizeChildWindow(zqp::Bundle* bundle, ppd_file_t* ppd);
    virtual int32_t SetControlEventHandler();
    virtual int32_t ConstrainPanelControlFromPPD(ppd_file_t* ppd);
    // Every control re-greys its conflicting PPD choices.
    virtual int32_t UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd);

    virtual void SetCurrentPrintSession(zqp::PrintSession* session);
    virtual zqp::PrintSession* GetCurrentPrintSession();
    // The current printer's ID (a window answers its parent's).
    virtual const std::string& GetCurrentPrinterString();
    // Keeps the session, refills the printer string, forwards to the windows;
    // false without a current printer or at the first window that says false.
    virtual bool SetCurrentPrinterString(zqp::PrintSession* session);
    // Keeps settings, PPD and host (not the session), refills the printer
    // string from the session, forwards the four to every window; false
    // without a current printer or at the first window that says false.
    virtual bool SetCurrentPrintSettings(zqp::PrintSettings* settings, ppd_file_t* ppd, zqp::DialogHost* callback,
                                         zqp::PrintSession* session);

    // The control whose view has the tag: the controls, then the installable
    // controls, then each child window's GetPanelControl; nullptr when none.
    virtual BaseControl* GetPanelControl(const int32_t* tag);

    // Adds a control and answers its index (the count before). A control
    // without a view is destroyed and the count answered; before
    // CreatePanel nothing is added and 0 answered.
    virtual int32_t RunTimeAddNewControl(std::unique_ptr<BaseControl> control);
    // The same, answering the control itself, or nullptr when it was dropped
    // (so a dropped control is never used after it was freed).
    template <class T>
    T* AddNewControl(std::unique_ptr<T> control) {
        T* raw = control.get();
        const size_t before = ControlCount();
        RunTimeAddNewControl(std::move(control));
        return ControlCount() > before ? raw : nullptr;
    }
    // Into the installable-control list (no view test).
    virtual int32_t RunTimeAddNewInstallableControl(std::unique_ptr<BaseControl> control);
    // A child window (not owned): told its parent, appended; its index.
    virtual int32_t RunTimeAddNewWindow(BasePrintPanel* window);

    // The value flow (see the table in the header comment of each).
    virtual int32_t SetUIDataToIniData();
    virtual int32_t SetDefaultValueToUI();
    virtual int32_t GetValueFromPreference();
    virtual int32_t GetValueFromPreferenceWithPrinterSettings();
    // 0, or non-zero when any control or window failed to remember its value
    // (then the ticket is not written).
    virtual int32_t SetValueToPreference();
    virtual int32_t SetValueToPreferenceWithPrinterSettings();
    virtual int32_t SetValueToTicket(zqp::PrintSettings* settings, bool lock,
                                     const std::vector<zqp::View*>* encryptArray);
    virtual int32_t SetValueToTicket(zqp::PrintSettings* settings, bool lock);
    virtual int32_t ReInitializeUserPaneControl(zqp::Bundle* bundle, ppd_file_t* ppd);
    // Every control shows its value, then every control simulates its
    // event, then the windows.
    virtual int32_t SetCurrentValueToUI();
    virtual int32_t SetValueFromUIToControl();
    virtual void SetParenetPane(BasePrintPanel* parent);
    virtual BasePrintPanel* GetParentWnd();
    virtual void* GetPrinterSupporttedListRef();
    // The host's PPD when a session is stored; nullptr otherwise.
    virtual ppd_file_t* GetPPDRefFromCurrentPrintSession();
    // Every control GetValueToPreset (its default when that says false),
    // then the windows (stop at the first false); true.
    virtual bool GetValueFromPreset();
    virtual int32_t ResetControlStatus();
    virtual int32_t ResetCurrentControlStatus();
    virtual void* GetErrMsgPanel();
    virtual ConstraintHash* Geteppd();
    virtual void SeteppdPtr(ConstraintHash* hash);
    virtual zqp::Bundle* GetPDEBundleRef();
    virtual std::vector<std::string>* getGroupNameStrArrayRef();
    virtual ControlList* getCtrlGroupArrayRef();
    virtual void SetCurrentPMPrintSettings(zqp::PrintSettings* settings);
    virtual zqp::PrintSettings* GetCurrentPMPrintSettings();
    virtual void SetCurrentPPD(ppd_file_t* ppd);
    virtual ppd_file_t* GetCurrentPPD();
    virtual void SetCurrentPDECallbackObj(zqp::DialogHost* callback);
    virtual zqp::DialogHost* GetCurrentPDECallbackObj();
    // What the dialog host holds now (its PPD, its print settings); nullptr
    // without a host or without the datum.
    ppd_file_t* HostPPD() const;
    zqp::PrintSettings* HostPrintSettings() const;
    // Loads the nib from the extension's bundle (pluginBundle) once; later
    // calls do nothing. False with a message when it cannot be loaded.
    virtual bool loadNibNamed(const std::string& name, const zqp::Outlets& owner, std::string* error = nullptr);

    // The two preference dictionaries (current user's, all users').
    virtual void setPreferDictionary(SummaryDictionary preferences, SummaryDictionary anyUserPreferences);
    virtual SummaryDictionary* getPreferenceDictionaryRef();
    virtual SummaryDictionary* getPreferenceDictionaryAnyUserRef();

    // Where remembered values live from the emulated 10.7 on: in the job's
    // print settings (this build), or in the per-printer value cache of the
    // older build (value_cache.h). A window follows its panel.
    enum class RememberedStore { kPrintSettings, kValueCache };
    void SetRememberedStore(RememberedStore store) { rememberedStore = store; }
    RememberedStore GetRememberedStore();
    // Keeps the text under the key (nullopt removes it) in that store; true
    // without print settings to keep it in, and always true for the value
    // cache, which logs what it could not keep.
    bool RememberText(const std::string& key, const std::optional<std::string>& text, zqp::PrefUser user);
    std::optional<std::string> RecallText(const std::string& key, zqp::PrefUser user);

    size_t ControlCount() const { return fCtrlGroupArray.size(); }
    size_t WindowCount() const { return fWindowGroupArray.size(); }
    zqp::Window* GetWindowRef() const { return windowRef; }
    const std::string& GetLocalizeTableName() const { return LocalizeTableName; }
    // The table the panel's own texts are looked up in: LocalizeTableName,
    // or the default table while it has none.
    std::string StringTable() const;

protected:
    // The status of a window broadcast: every window until the first non-zero.
    template <class F>
    int32_t ForEachWindowStatus(F f) {
        for (BasePrintPanel* w : fWindowGroupArray)
            if (w != nullptr)
                if (int32_t s = f(*w); s != 0) return s;
        return 0;
    }
    template <class F>
    bool ForEachWindowBool(F f) {
        for (BasePrintPanel* w : fWindowGroupArray)
            if (w != nullptr && !f(*w)) return false;
        return true;
    }
    template <class F>
    void ForEachControl(F f) {
        for (auto& c : fCtrlGroupArray)
            if (c) f(*c);
    }
    // The remembered-value status of the controls and windows.
    int32_t RememberStatus(bool (BaseControl::*control)(), int32_t (BasePrintPanel::*window)());
    bool RefillPrinterString(zqp::PrintSession* session);
    void Reconstrain();

    std::string thePDEName;
    std::string currentPrintString;
    bool listsCreated = false;
    ControlList fCtrlGroupArray;
    ControlList fCtrlInstallableGroupArray;
    std::vector<BasePrintPanel*> fWindowGroupArray;
    std::vector<std::string> AllGroupNameStrArray;
    std::vector<ppd_option_t*> GeneralGroupOptionArray;  // PPD options the extension collects
    BasePrintPanel* pParentPane = nullptr;
    zqp::Window* windowRef = nullptr;
    zqp::Bundle* pdeBundleRef = nullptr;
    zqp::PrintSession* currentPrintSession = nullptr;
    ConstraintHash* eppd = nullptr;
    zqp::PrintSettings* m_pSettings = nullptr;
    ppd_file_t* m_ptCurrentPPD = nullptr;
    zqp::DialogHost* m_pPDECallbackObj = nullptr;
    std::string LocalizeTableName;
    std::vector<std::unique_ptr<zqp::Object>> topLevelObjs;
    bool nibLoaded = false;
    SummaryDictionary preferenceDictionary;
    SummaryDictionary preferenceDictionaryAnyUser;
    RememberedStore rememberedStore = RememberedStore::kPrintSettings;
};

// A modal window of a panel: created with its window and the title key,
// initialised from the same bundle and PPD as its panel, and run modally by
// ActivateWindow until DeactivateWindow. What OK and Cancel commit is the
// subclass's choice.
class PopupWinInPanel : public BasePrintPanel {
public:
    PopupWinInPanel() = default;
    // CreatePanel with the window; the title key is kept; not yet active.
    PopupWinInPanel(zqp::Window* window, const char* theWinTitleStr);

    // The localisation table from the PPD's "ZQLocalizableFileIndex"
    // ("Localizable%s") unless set, the title, the controls and their
    // event handlers; keeps bundle and PPD; 0. No child windows, no
    // installable-control constraints.
    int32_t InitializeUserPane(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    // Controls re-initialised (counts reset), title again, handlers again; 0.
    virtual int32_t ReInitializeUserPane();
    // ReInitializeUserPane, SetUIDataToIniData, SetCurrentValueToUI, then the
    // modal run, which returns when the window is deactivated; 0 (at once
    // without a window).
    virtual int32_t ActivateWindow();
    virtual int32_t ReleaseWindow();
    // Ends the modal run and closes the window; 0.
    virtual int32_t DeactivateWindow();
    // The window title from the key in TitleTable() ("no translation" when
    // missing); false without bundle or key.
    virtual bool InitializeUserPaneTitle(zqp::Bundle* bundle);
    virtual bool ReInitializeUserPaneTitle();
    // Every control with a view reads its view into its UI block; 0.
    virtual int32_t SycValueFromUI();
    // Cancel: every control marks its committed value in the PPD again, so
    // what was picked or restored to defaults in the window and marked at
    // once is undone; then the window's conflicts follow the PPD. Nothing
    // without a current PPD.
    virtual void RestoreMarkedPPD();
    // Every control shows its committed value again (its constraint lists
    // follow at the next activation, as for any showing).
    virtual void ShowCommittedValues();
    // What a window's Cancel does: RestoreMarkedPPD, ShowCommittedValues and
    // DeactivateWindow. Nothing typed, picked or restored inside stays, not
    // in the PPD and not in the views the summaries read; 0.
    virtual int32_t CancelWindow();
    bool IsActived() const { return isActived; }
    void ChangeActivedStatus() { isActived = true; }
    void ChangeActivedStatus(bool active) { isActived = active; }
    // The parent's printer string.
    const std::string& GetCurrentPrinterString() override;

protected:
    // The string table of the title: the default table. A window whose
    // texts all come from the printer's table answers StringTable().
    virtual std::string TitleTable() const;

    std::string winTitleTextRef;
    ppd_file_t* currentPPD = nullptr;
    bool isActived = false;
};

}  // namespace zqpde
