#pragma once
// BaseControl: the root of every control of a print-dialog panel. A control
// wraps one view of the panel's nib (found by its integer tag), holds two
// value blocks of one width (the committed value and the value shown), and
// carries the control's description tables (control_tables.h): how it
// reaches the ticket and the remembered values, and which other controls it
// disables, hides or updates for each of its values.
//
// Every operation is virtual with the default behaviour given below; the
// concrete kinds (standard_controls.h, ppd_controls.h) and the extensions
// override them by name. Where two operations share a name (SetValueToTicket
// with and without the scrambled-control list), a class that overrides one
// adds `using Base::Name;` so the other stays visible.
//
// Life cycle: created by the create operation of its kind (which calls
// CreateControl and keeps the tables) -> added to a panel
// (BasePrintPanel::RunTimeAddNewControl) -> InitializeCtrl allocates the value
// blocks -> SetUIValueToIniData -> value from the ticket (GetValueToPreset) or
// the remembered value, else the default -> SetControlValueToUI -> events
// (RequestControlAction) -> commit (SetValueFromUIToControl) -> preferences and
// ticket when the dialog saves.
#include <cups/ppd.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <zqp/preferences.h>

#include "zqpde/control_tables.h"
#include "zqpde/ppd_util.h"

namespace zqp {
class Bundle;
class PrintSettings;
class View;
}  // namespace zqp

namespace zqpde {

class BasePrintPanel;

// The panel summary: title key -> value text, and the order of the keys.
using SummaryDictionary = std::map<std::string, std::string>;
using SummaryOrder = std::vector<std::string>;

// Value texts for the ticket and the preferences hold at most this many bytes.
inline constexpr size_t kControlTextMaxBytes = 255;
// Width of the value blocks of the text kinds (text plus its ending zero).
inline constexpr int32_t kTextBlockSize = 256;
inline constexpr int32_t kNumberBlockSize = 4;

class BaseControl {
public:
    BaseControl() = default;
    virtual ~BaseControl();
    BaseControl(const BaseControl&) = delete;
    BaseControl& operator=(const BaseControl&) = delete;

    // Binds the control to its view: counts, size, blocks and tables
    // cleared, group -1, no PPD choices or option, valueDidChange false.
    virtual void CreateControl(zqp::View* control);
    // Replaces the view.
    virtual void SetControlPtr(zqp::View* control);
    // Sent by the panel's Open and Close broadcasts; 0.
    virtual int32_t Open();
    virtual int32_t Close();
    // The panel (or window) that owns the control.
    virtual void SetParenetPanel(BasePrintPanel* panel);
    BasePrintPanel* GetParentPanel() const { return ctrlParentPanelPtr; }
    // The view's target becomes the control, its action RequestControlAction.
    virtual void setTargetandAction();

    // Allocates the value blocks (the kinds do); true.
    virtual bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd);
    // InitializeCtrl again.
    virtual bool ReInitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd);
    virtual int32_t ConstrainPanelControlFromPPD(ppd_file_t* ppd);
    virtual int32_t UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd);

    // The UI value block after reading the view into it (nullptr: nothing).
    virtual char* GetValueFromUI();
    virtual char* GetValueFromControl();
    // Reads the value back from the current print settings; false (the panel
    // then gives the default) when there is none.
    virtual bool GetValueToPreset();

    // Commit checks; true in the base.
    virtual bool InvalidateData();
    virtual bool InvalidateDataAndReturnError();
    virtual bool InvalidateDataOnCancel();
    virtual bool PreInvalidateData();
    virtual bool PreInvalidateDataOnCancel();
    // InvalidateData when PreInvalidateData agrees; else false.
    virtual bool InvalidateDataOnPrintCommand();

    // Commit: the UI block is copied into the value block.
    virtual bool SetValueFromUIToControl();
    // Shows the committed value in the view; true.
    virtual bool SetControlValueToUI();
    // The initial value (GetIniDataBlk) becomes the UI value.
    virtual bool SetUIValueToIniData();
    // The default value (GetDefaultDataBlk) becomes the committed value.
    virtual bool SetControlValueToDefault();

    // The value as text for the preferences and the ticket, and back; at
    // most kControlTextMaxBytes bytes. True in the base (nothing written).
    virtual bool ConvertToPreferenceString(std::string& out);
    virtual bool ConvertFromPreferenceString(const std::string& text);
    virtual bool ConvertToTickectData(std::string& out);

    // Remembered values under printer ID + preference key: in the
    // preferences (any application, the control's user scope, this host)
    // before the emulated 10.7, in the print settings from 10.7 on. Values
    // for all users are stored only for an administrator (silently skipped
    // otherwise). Without AccessInfo or preference key: true, nothing done.
    // Nothing is stored either while ToRemember says no (true).
    virtual bool SetValueToPreference();
    virtual bool GetValueFromPreference();
    virtual bool SetValueToPreferenceWithPrinterSettings();
    virtual bool GetValueFromPreferenceWithPrinterSettings();
    // Whether the value may be remembered now: a kind's own rule (a hidden
    // field, a window whose user asked not to keep entries). Every store of
    // a remembered value, in every place it is kept, asks it first, so an
    // override of how a value is stored cannot pass it by. True in the base.
    virtual bool ToRemember();

    // Writes the ticket value under the AccessInfo ticket key: scrambled when
    // the control's view is among encryptArray (compared by tag), else plain.
    virtual bool SetValueToTicket(zqp::PrintSettings* settings, bool lock,
                                  const std::vector<zqp::View*>& encryptArray);
    // The scrambled form (QSPTicketString); a value over 189 bytes is not written.
    virtual bool SetValueToTicketWithQSPEnc(zqp::PrintSettings* settings, bool lock);
    // The plain form: cut to 255 bytes at a character boundary, escaped when
    // it begins with "/" or holds ' , or \ (TicketTextForOutput); the empty
    // text when IsOutputNullToTicket.
    virtual bool SetValueToTicket(zqp::PrintSettings* settings, bool lock);

    // Adds the control's summary entry; 0.
    virtual int32_t GetSummaryText(SummaryDictionary* dictionary, SummaryOrder* order);

    // Update, self-update, hide and disable constraints, in this order; true.
    virtual bool UIEventHandler();
    virtual bool SimulationUIEventHandler();
    virtual int32_t DoControlConstrain();
    virtual int32_t DoControlHideConstrain();
    virtual int32_t DoSelfUpdate();

    // Hide, Enable, Show or Disable to every control of the list (found by
    // tag through the panel); tags without a control are skipped.
    void HideControlConstrains(ConstrainTagList list);
    void EnableControlConstrains(ConstrainTagList list);
    void ShowControlConstrains(ConstrainTagList list);
    void DisableControlConstrains(ConstrainTagList list);
    // The same with the hide or disable list of the current value number.
    virtual void HideControlConstrains();
    virtual void ShowControlConstrains();
    virtual void DisableControlConstrains();
    virtual void EnableControlConstrains();
    // Update to every control of the update list of the current value
    // number (a negative number counts as 0).
    virtual int32_t DoControlUpdateConstrain();

    // Both counts to 0; the view enabled and shown.
    virtual void ResetStatus();
    virtual bool SetControlData(const void* data);
    // Shows an outside value (a default, a title) in the view; true in the base.
    virtual bool SetExternalValueToUI(const void* value, int32_t size);
    // valueType 2: the 32-bit number at value becomes the value; 0: the
    // text block gets size bytes (at most its width); true.
    virtual bool setExternalValueToData(const void* value, int32_t size, int32_t valueType);
    // SetExternalValueToUI with the default block.
    virtual bool SetDefaultValueToUI();
    // Marks the committed value in the PPD again (the controls that mark
    // their picks at once); true, with nothing to mark, in the base.
    virtual bool RestorePPD(ppd_file_t* ppd);
    virtual const void* GetDefaultDataBlk();
    virtual const void* GetIniDataBlk();
    virtual int32_t GetDefaultDataSize();
    virtual int32_t GetIniDataSize();
    // The committed value block (nullptr before InitializeCtrl).
    virtual char* GetControlBlkPtr();
    virtual void setDataBlkSize(int32_t size);
    virtual int32_t GetDataBlkSize();

    // Counted: a control disabled (hidden) by several constraints comes back
    // only when every one of them has let go. Counts may go below 0.
    virtual void Enable();
    virtual void Disable();
    virtual void Show();
    virtual void Hide();
    // Show or hide the view directly, counts untouched.
    virtual void PPDCtrlShow();
    virtual void PPDCtrlHide();
    // Sent by another control's update list; 0.
    virtual int32_t Update();
    // Index into the constraint lists; 0 in the base.
    virtual int32_t GetCurrentControlArrayNumber();
    // True for a control that must write the empty text.
    virtual bool IsOutputNullToTicket();
    // The view's action: UIEventHandler, then GetValueFromUI.
    virtual void RequestControlAction(zqp::View* sender);

    zqp::View* GetControlPtr() const { return ControlPtr; }
    // The view's tag; 0 without a view.
    int32_t GetControlTag() const;
    // The UI value block (nullptr before InitializeCtrl).
    char* GetValueFromUIDataBlk();
    const std::vector<PDEChoice>& getPPDChoices() const { return m_paPPDChoices; }
    void setPPDChoices(std::vector<PDEChoice> choices) { m_paPPDChoices = std::move(choices); }
    ppd_option_t* getPPDOptions() const { return m_ptPPDOptions; }
    void setPPDOptions(ppd_option_t* option) { m_ptPPDOptions = option; }

    int32_t GetDisableCount() const { return ctrlConstrainCount; }
    int32_t GetHideCount() const { return ctrlHideCount; }
    bool ValueDidChange() const { return valueDidChange; }
    void SetValueDidChange(bool changed) { valueDidChange = changed; }
    int32_t GetCtrlInWhichGroup() const { return ctrlInWhichGroup; }
    void SetCtrlInWhichGroup(int32_t group) { ctrlInWhichGroup = group; }
    // The string table the control's keys are looked up in (empty: "Localizable").
    const std::string& GetLocalizeTableName() const { return LocalizeTableName; }
    void SetLocalizeTableName(std::string name) { LocalizeTableName = std::move(name); }

protected:
    // Keeps the tables and the preference scope (the create operations of the kinds).
    void KeepTables(const ConstrainInfo* constrain, const AccessInfo* access, const zqp::PrefUser* usernamein);
    // Two zeroed value blocks of size bytes; ctrlDataSize = size.
    void AllocateBlocks(int32_t size);
    // The 32-bit number at the start of a block (0 for none).
    static int32_t BlockInt(const char* block);
    static void SetBlockInt(char* block, int32_t value);
    // The key's text in the control's table; "no translation" when missing.
    std::string Localized(const zqp::Bundle* bundle, const char* key) const;
    // The bundle of the owning panel (nullptr without one).
    zqp::Bundle* PanelBundle() const;
    // The common first steps of remembering (text and key made) and of
    // reading back (key made): done (nothing to do, or ToRemember says no),
    // failed, or go on.
    enum class RememberStep { kDone, kFailed, kGoOn };
    RememberStep PrepareRemember(std::string& text, std::string& key);
    RememberStep PrepareRecall(std::string& key);
    // printer ID + preference key; false without panel, printer or key.
    bool PreferenceKey(std::string& key) const;
    // The print settings of the owning panel.
    zqp::PrintSettings* PanelSettings() const;
    // The text of the control's ticket entry (what a preset carries); false
    // without panel, settings, ticket key or entry.
    bool ReadTicketText(std::string& text) const;
    // The number the ticket entry holds, read by the framework's one reading
    // (DecimalInt32) within low..high (GetValueToPreset of the number kinds);
    // nullopt without panel, settings, ticket key, entry or block, and for a
    // text that is no such number: the control then takes its default.
    std::optional<int32_t> ReadTicketInteger(int32_t low = INT32_MIN, int32_t high = INT32_MAX) const;
    // Stores text under the ticket key (the last step of the ticket writers).
    bool StoreTicketText(zqp::PrintSettings* settings, const std::string& text, bool lock);

    zqp::View* ControlPtr = nullptr;
    int32_t ctrlInWhichGroup = -1;
    BasePrintPanel* ctrlParentPanelPtr = nullptr;
    int32_t ctrlDataSize = 0;
    std::vector<char> ctrlDataBlkPtr;    // committed value
    std::vector<char> ctrlUIDataBlkPtr;  // value shown / being edited
    int32_t ctrlConstrainCount = 0;      // disable count
    int32_t ctrlHideCount = 0;
    const ConstrainInfo* ctrlConstrainControlArray = nullptr;
    const AccessInfo* ctrlDataAccessInfoPtr = nullptr;
    zqp::PrefUser userNameinPreference = zqp::PrefUser::kCurrentUser;
    std::vector<PDEChoice> m_paPPDChoices;
    ppd_option_t* m_ptPPDOptions = nullptr;
    std::string LocalizeTableName;
    bool valueDidChange = false;
};

}  // namespace zqpde
