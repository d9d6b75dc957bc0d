#pragma once
// The three-edge trimmer window: the finished height (the sheet's short
// edge less the top and bottom cuts), the finished width (half the long
// edge less the fore-edge cut) and an adjustment that moves the height cut
// between top and bottom, each in millimetres or inches.
//
// Every value control stores the trim, what is cut away; the user sees and
// types the finished value, its kind's base minus the trim (the adjustment
// has no base: it is shown as stored). So a stored trim keeps its meaning
// when the sheet changes. The window writes only keys of its own; the
// millimetre steppers write the finished sizes the job filter reads, and a
// restore takes the trim back from those sizes and the sheet.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "features_margin_windows.h"
#include "features_number_windows.h"
#include "features_trimmer.h"
#include "features_trimmer_top_values.h"

namespace zqfeat {

// ---- the controls ----------------------------------------------------------------

class PFTrimmerTopLowerWndARK;

// A value field of one kind and unit. Its committed block holds "%d" of the
// trim; the screen and the text being edited hold the finished value.
class PFTrimmerTopLowerTextEditCtrlARK : public PFNumInSeqTextEditCtrlARK {
public:
    PFTrimmerTopLowerTextEditCtrlARK(TrimmerKind kind, bool inches) : m_trimmerType_flag(kind), inches_(inches) {}
    bool IsNumberValid(const std::string& text) override;
    // A check starts without the reason of an earlier one.
    bool InvalidateData() override;
    int32_t OnRawKeyUp(void* event) override;
    // While hidden: the other unit's field of the kind converted.
    int32_t Update() override;
    bool ToGetSummaryText() override;
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    bool SetControlValueToUI() override;
    bool SetValueFromUIToControl() override;
    bool SetDefaultValueToUI() override;
    // Reads its own key (the trim); false without one.
    bool GetValueToPreset() override;
    void ShowErrMsg() override;
    // Shows the finished value of a trim (nothing is committed).
    void SetCuttingSize(int32_t trim);
    // Shows a text and notes it as the window's adjustment when it is one.
    void ShowValueText(const std::string& text);
    // The committed trim (0 when the block holds none).
    int32_t CommittedTrim();
    TrimmerKind Kind() const { return m_trimmerType_flag; }
    bool Inches() const { return inches_; }

protected:
    // The text the field shows for its stepper's value.
    std::string TextOfValue(int32_t value) override;
    std::shared_ptr<zqp::Formatter> CreateUnitFormatter() override;

private:
    PFTrimmerTopLowerWndARK* Window() const;
    int32_t Scale() const { return inches_ ? 100 : 10; }
    std::string TextOf(int32_t value) const;
    TrimmerKind m_trimmerType_flag;
    bool inches_;
};

class PFTrimmerTopLowerMMTextEditCtrlARK : public PFTrimmerTopLowerTextEditCtrlARK {
public:
    explicit PFTrimmerTopLowerMMTextEditCtrlARK(TrimmerKind kind) : PFTrimmerTopLowerTextEditCtrlARK(kind, false) {}
};
class KPFTRIMMERTOPLOWERINCHESTEXTEDITCTRL : public PFTrimmerTopLowerTextEditCtrlARK {
public:
    explicit KPFTRIMMERTOPLOWERINCHESTEXTEDITCTRL(TrimmerKind kind) : PFTrimmerTopLowerTextEditCtrlARK(kind, true) {}
};

// A stepper of one kind and unit: its value is the trim, the stepper shows
// the finished value within the kind's limits. Steppers write only while
// the panel's trimmer list stands on the three-edge item, and write what
// the window shows: a value out of the current sheet's limits at the
// nearer limit. A value restored from a ticket is brought within them.
class PFTrimmerTopLowerLittleArrowControlARK : public PFInchMMLittleArrowControlARK {
public:
    PFTrimmerTopLowerLittleArrowControlARK(TrimmerKind kind, bool inches) : m_trimmerType_flag(kind), inches_(inches) {}
    bool SetControlValueToUI() override;
    bool SetValueFromUIToControl() override;
    bool SetDefaultValueToUI() override;
    int32_t DoControlUpdateConstrain() override;
    // Inches: the inch trim under its own key.
    bool GetValueToPreset() override;
    using PFInchMMLittleArrowControlARK::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
    // Shows the finished value of a trim (nothing is committed).
    void SetCuttingSize(int32_t trim);
    void SetLimits(const TrimmerLimits& limits);
    TrimmerKind Kind() const { return m_trimmerType_flag; }

protected:
    PFTrimmerTopLowerWndARK* Window() const;
    int32_t Base() const;
    TrimmerKind m_trimmerType_flag;
    bool inches_;
};

class PFTrimmerTopLowerInchesLittleArrowControlARK : public PFTrimmerTopLowerLittleArrowControlARK {
public:
    explicit PFTrimmerTopLowerInchesLittleArrowControlARK(TrimmerKind kind)
        : PFTrimmerTopLowerLittleArrowControlARK(kind, true) {}
};

// The millimetre stepper writes the kind's finished size ("%d" tenths: the
// height and width as base minus trim, the adjustment as it stands) and
// reads the trim back from it.
class PFTrimmerTopLowerMMLittleArrowControlARK : public PFTrimmerTopLowerLittleArrowControlARK {
public:
    explicit PFTrimmerTopLowerMMLittleArrowControlARK(TrimmerKind kind)
        : PFTrimmerTopLowerLittleArrowControlARK(kind, false) {}
    bool GetValueToPreset() override;
    using PFTrimmerTopLowerLittleArrowControlARK::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
};

// The title and range labels. m_fathomFlag: 2 the text alone, 1 the
// millimetre range, 0 the inch range (the text's placeholder filled).
class PFTrimmerTopLowerStaticTextEditControlARK : public zqpde::StaticTextEditControl {
public:
    PFTrimmerTopLowerStaticTextEditControlARK(int32_t fathomFlag, TrimmerKind kind, const char* key);
    bool InitializeTitle(zqp::Bundle* bundle) override;

private:
    int32_t m_fathomFlag;
    TrimmerKind m_trimmer_flag;
    std::string key_;
};

// ---- the window --------------------------------------------------------------------

class PFTrimmerTopLowerWndARK : public PFFeatureWndARK {
public:
    explicit PFTrimmerTopLowerWndARK(zqp::Window* window);
    ~PFTrimmerTopLowerWndARK() override;
    // The sheet and limits afresh, the range labels, the committed values.
    int32_t ActivateWindow() override;

    // The sheet's edges from the PPD's marks, the custom paper and the print
    // dialog's paper (the print paper when no booklet choice is marked).
    void GetTrimmerPaperSize();
    // The limits of the three kinds from the edges, given to the controls.
    void UpdateTrimmerIniDate();
    double GetTrimmerLongsideLength() const { return m_fLongsideLength; }
    double GetTrimmerShortsideLength() const { return m_fShortsideLength; }
    const TrimmerLimits& LimitsOf(TrimmerKind kind) const;
    // The base of a kind in a unit (tenths or hundredths); 0 for the adjustment.
    int32_t BaseOf(TrimmerKind kind, bool inches) const;
    // The trims the kind's limits allow in the unit (the adjustment's own).
    zqcommon::InchMMValueRange TrimRangeOf(TrimmerKind kind, bool inches) const;
    // Both edges of a sheet are known; without one no size is written.
    bool SheetKnown() const { return m_fLongsideLength > 0 && m_fShortsideLength > 0; }

    // 0 inches shown, 1 millimetres shown, -1 neither (the radios on screen).
    int32_t getTrimmerShiftValueDisplayStyle() const;
    // The committed unit is inches.
    bool InchUnitCommitted() const;
    // True unless the panel's trimmer list stands on another item than the
    // three-edge one.
    bool IsThreeEdgeChosen();

    PFTrimmerTopLowerTextEditCtrlARK* Edit(TrimmerKind kind, bool inches) const;
    PFTrimmerTopLowerLittleArrowControlARK* Stepper(TrimmerKind kind, bool inches) const;

    // The adjustment shown in each unit, which moves the height cut.
    int32_t AdjustInput(bool inches) const { return inches ? AdjustvalueInputInches : AdjustvalueInputMM; }
    void SetAdjustInput(bool inches, int32_t value) { (inches ? AdjustvalueInputInches : AdjustvalueInputMM) = value; }
    // Why the last check of a field of the unit refused it (TrimmerCutError).
    void SetErrorFlag(bool inches, int32_t flag) { (inches ? enInchesErrorFlag : enMMErrorFlag) = flag; }
    int32_t TakeErrorFlag(bool inches);

private:
    double m_fLongsideLength = 0;
    double m_fShortsideLength = 0;
    TopLowerLimits limits_;
    int32_t AdjustvalueInputMM = 0;
    int32_t AdjustvalueInputInches = 0;
    int32_t enMMErrorFlag = 0;
    int32_t enInchesErrorFlag = 0;
    std::array<std::array<PFTrimmerTopLowerTextEditCtrlARK*, 2>, 3> edits_{};
    std::array<std::array<PFTrimmerTopLowerLittleArrowControlARK*, 2>, 3> steppers_{};
    std::array<PFTrimmerTopLowerStaticTextEditControlARK*, 7> labels_{};
    std::unique_ptr<zqpde::RadioGroup> InchMmGroupPtr;
    zqpde::RadioButton* inchRadio_ = nullptr;
    zqpde::RadioButton* mmRadio_ = nullptr;
};

inline constexpr const char* kTrimmerTopLowerWindowOutlet = "PFTrimmerTopLowerWnd";

}  // namespace zqfeat
