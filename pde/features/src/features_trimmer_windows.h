#pragma once
// The single-cut trimmer window: the finished width of a folded booklet
// (half the sheet's long edge minus the trim), typed in millimetres or
// inches within a range that follows from the sheet in use. The controls
// keep the trim; they show and take the finished width. The millimetre side
// is what the job filter reads, so a value set on it is pushed to the inch
// side, and the hidden millimetre field follows a value typed in inches.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "features_controls.h"
#include "features_margin_windows.h"
#include "features_number_windows.h"
#include "features_trimmer.h"
#include "features_trimmer_texts.h"

namespace zqp {
class DialogHost;
}

namespace zqfeat {

class PFTrimmerWndARK;

// A finished-width field; its value block holds the trim ("%d").
class PFTrimmerTextEditCtrlARK : public PFNumInSeqTextEditCtrlARK {
public:
    PFTrimmerTextEditCtrlARK(TrimmerUnit unit, PFTrimmerWndARK* window) : unit_(unit), window_(window) {}
    bool SetControlValueToUI() override;
    bool SetValueFromUIToControl() override;
    bool SetDefaultValueToUI() override;
    bool SetControlValueToDefault() override;
    bool IsNumberValid(const std::string& text) override;
    int32_t OnRawKeyUp(void* event) override;
    // While hidden: the shown field's width converted into this unit.
    int32_t Update() override;
    bool ToGetSummaryText() override;
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    void ShowErrMsg() override;

    // The committed trim; false without one.
    bool Trim(int32_t* trim);
    void SetCuttingSize(int32_t trim);
    void ReInitializewithIniData(const zqpde::TextEditIniData* iniData, const zqcommon::InchMMValueRange& range);
    void setCancelRestoreValue() { m_cancelDataBlkPtr = ctrlDataBlkPtr; }
    void restoreCtrlValue();

protected:
    // The text the field shows for its stepper's value.
    std::string TextOfValue(int32_t value) override;
    std::shared_ptr<zqp::Formatter> CreateUnitFormatter() override;

private:
    int32_t HalfEdge() const;
    std::string WidthText(int32_t width) const;

    TrimmerUnit unit_;
    PFTrimmerWndARK* window_;
    std::vector<char> m_cancelDataBlkPtr;
};

class PFTrimmerMMTextEditCtrlARK : public PFTrimmerTextEditCtrlARK {
public:
    explicit PFTrimmerMMTextEditCtrlARK(PFTrimmerWndARK* w) : PFTrimmerTextEditCtrlARK(TrimmerUnit::kMillimetre, w) {}
};
class PFTrimmerInchesTextEditCtrlARK : public PFTrimmerTextEditCtrlARK {
public:
    explicit PFTrimmerInchesTextEditCtrlARK(PFTrimmerWndARK* w) : PFTrimmerTextEditCtrlARK(TrimmerUnit::kInch, w) {}
};

class PFTrimmerTextEditFormatterARK : public PFNumInSeqTextEditFormatterARK {
public:
    PFTrimmerTextEditFormatterARK(TrimmerUnit unit, const zqpde::TextEditFilterData* filter,
                                  const zqcommon::InchMMValueRange* range, uint32_t maxLength,
                                  zqpde::TextEditCtrl* field)
        : PFNumInSeqTextEditFormatterARK(filter, range, maxLength, field), unit_(unit) {}
    bool IsNumberValid(const std::string& text) override;

private:
    TrimmerUnit unit_;
};

// A finished-width stepper; its value block holds the trim.
class PFTrimmerLittleArrowControlARK : public PFInchMMLittleArrowControlARK {
public:
    PFTrimmerLittleArrowControlARK(TrimmerUnit unit, PFTrimmerWndARK* window) : unit_(unit), window_(window) {}
    bool SetControlValueToUI() override;
    bool SetValueFromUIToControl() override;
    bool SetDefaultValueToUI() override;
    int32_t DoControlUpdateConstrain() override;
    using PFInchMMLittleArrowControlARK::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
    bool GetValueToPreset() override;
    // The inch controls start on the window's inch default trim.
    bool SetControlValueToDefault() override;

    void SetCuttingSize(int32_t trim);
    // The millimetre trim t on the millimetre field, and in inches on the
    // inch stepper and field.
    void UpdatePresetCuttingSize(int32_t trim);
    void ReInitializeWithIniData(const zqpde::LittleArrayIniData& iniData);
    void setCancelRestoreValue() { m_cancelDataBlkPtr = ctrlDataBlkPtr; }
    void restoreCtrlValue();

private:
    int32_t HalfEdge() const;

    TrimmerUnit unit_;
    PFTrimmerWndARK* window_;
    std::vector<char> m_cancelDataBlkPtr;
};

class PFTrimmerMMLittleArrowControlARK : public PFTrimmerLittleArrowControlARK {
public:
    explicit PFTrimmerMMLittleArrowControlARK(PFTrimmerWndARK* w)
        : PFTrimmerLittleArrowControlARK(TrimmerUnit::kMillimetre, w) {}
};
class PFTrimmerInchesLittleArrowControlARK : public PFTrimmerLittleArrowControlARK {
public:
    explicit PFTrimmerInchesLittleArrowControlARK(PFTrimmerWndARK* w)
        : PFTrimmerLittleArrowControlARK(TrimmerUnit::kInch, w) {}
};

// A range label: its translated text with the unit's limits.
class PFTrimmerStaticTextEditControlARK : public zqpde::StaticTextEditControl {
public:
    PFTrimmerStaticTextEditControlARK(TrimmerUnit unit, PFTrimmerWndARK* window) : unit_(unit), window_(window) {}
    bool InitializeTitle(zqp::Bundle* bundle) override;

private:
    TrimmerUnit unit_;
    PFTrimmerWndARK* window_;
};

// Cancel: the window's checks as every feature window's, then the four
// values go back to what they were when the window opened.
class PFTrimmerCancelButtonARK : public PFWndCancelButtonARK {
public:
    bool UIEventHandler() override;
};

class PFTrimmerWndARK : public PFFeatureWndARK {
public:
    // ppd and host: the panel's, for the sheet in use.
    PFTrimmerWndARK(zqp::Window* window, ppd_file_t* ppd, zqp::DialogHost* host);
    ~PFTrimmerWndARK() override;
    int32_t ActivateWindow() override;
    // The controls' defaults, then the fields' again (the steppers have
    // written theirs into the fields meanwhile).
    int32_t SetDefaultValueToUI() override;

    // The sheet's long edge from the marked choices (the print paper when no
    // booklet choice is marked); 0 when no sheet is known.
    void GetTrimmerPaperSize();
    void UpdateTrimmerIniDate();
    void ReInitializeCtrl();
    void SetCancelRestoreValue();
    void RestoreCancelValues();

    double GetTrimmerLongsideLength() const { return m_fLongsideLength; }
    int32_t HalfEdge(TrimmerUnit unit) const;
    // The trims the unit's limits allow on the current sheet.
    zqcommon::InchMMValueRange TrimRange(TrimmerUnit unit) const;
    // The inch trim the default shows: the millimetre default's finished
    // width converted, so both units start on the same width.
    int32_t InchDefaultTrim() const;
    // The sheet read again and the committed trims brought within its
    // limits before the controls write; with no sheet known no size can be
    // right, so none is written (an earlier job's is removed).
    using PFFeatureWndARK::SetValueToTicket;
    int32_t SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
    int32_t GetMMMin() const { return limits_.mmMin; }
    int32_t GetMMMax() const { return limits_.mmMax; }
    int32_t GetInchesMin() const { return limits_.inchesMin; }
    int32_t GetInchesMax() const { return limits_.inchesMax; }
    // 0 inches shown, 1 millimetres shown, -1 neither (the radios on screen).
    int32_t getTrimmerShiftValueDisplayStyle() const;
    // Whether the committed unit is inches.
    bool CommittedInches() const;

    PFTrimmerTextEditCtrlARK* GetMMTextEdit() const { return mmEdit_; }
    PFTrimmerTextEditCtrlARK* GetInchTextEdit() const { return inchEdit_; }
    PFTrimmerLittleArrowControlARK* getMMLittleArrowCtrl() const { return mmStepper_; }
    PFTrimmerLittleArrowControlARK* getInchLittleArrowCtrl() const { return inchStepper_; }

private:
    ppd_file_t* ppd_;
    zqp::DialogHost* host_;
    double m_fLongsideLength = 0;
    TrimmerLimits limits_;
    zqpde::TextEditIniData m_TrimmerMMIniData, m_TrimmerInchIniData;
    zqcommon::InchMMValueRange m_TrimmerMMEditValueRangeData, m_TrimmerInchEditValueRangeData;
    zqpde::LittleArrayIniData m_TrimmerLittleArrowMMIniData, m_TrimmerLittleArrowInchIniData;
    std::unique_ptr<zqpde::RadioGroup> InchMmGroupPtr;
    PFTrimmerTextEditCtrlARK* mmEdit_ = nullptr;
    PFTrimmerTextEditCtrlARK* inchEdit_ = nullptr;
    PFTrimmerLittleArrowControlARK* mmStepper_ = nullptr;
    PFTrimmerLittleArrowControlARK* inchStepper_ = nullptr;
    PFInchMMRadioButtonARK* inchRadio_ = nullptr;
    PFInchMMRadioButtonARK* mmRadio_ = nullptr;
};

inline constexpr const char* kTrimmerWindowOutlet = "PFTrimmerWnd";

}  // namespace zqfeat
