#pragma once
// The tab margin shift and booklet margin windows: one distance in
// millimetres or inches, chosen by two unit radios. Only the chosen unit's
// field, stepper and labels are shown; the hidden unit's field follows the
// shown one by conversion, so both units reach the ticket.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "features_number_windows.h"
#include "features_units.h"

namespace zqfeat {

struct MarginWindowTable;

// A unit field of a margin window (editing as the whole-number field, with
// the unit's own text rules).
class PFMarginTextEditCtrlARK : public PFNumInSeqTextEditCtrlARK {
public:
    PFMarginTextEditCtrlARK(MarginUnit unit, const MarginWindowTable* table) : unit_(unit), table_(table) {}
    bool IsNumberValid(const std::string& text) override;
    int32_t OnRawKeyUp(void* event) override;
    bool CorrectCtrlUI() override;
    // While hidden: the shown sister's text converted into this unit.
    int32_t Update() override;
    bool ToGetSummaryText() override;
    int32_t GetSummaryText(zqpde::SummaryDictionary* dictionary, zqpde::SummaryOrder* order) override;
    MarginUnit Unit() const { return unit_; }

protected:
    std::shared_ptr<zqp::Formatter> CreateUnitFormatter() override;

private:
    MarginUnit unit_;
    const MarginWindowTable* table_;
};

class PFMarginTextEditFormatterARK : public PFNumInSeqTextEditFormatterARK {
public:
    PFMarginTextEditFormatterARK(MarginUnit unit, const zqpde::TextEditFilterData* filter,
                                 const zqcommon::InchMMValueRange* range, uint32_t maxLength,
                                 zqpde::TextEditCtrl* field)
        : PFNumInSeqTextEditFormatterARK(filter, range, maxLength, field), unit_(unit) {}
    bool IsNumberValid(const std::string& text) override;

private:
    MarginUnit unit_;
};

// A unit stepper; the booklet millimetre stepper writes twice its value and
// reads half of what it finds.
class PFMarginLittleArrowControlARK : public PFInchMMLittleArrowControlARK {
public:
    PFMarginLittleArrowControlARK(MarginUnit unit, int32_t ticketFactor) : unit_(unit), ticketFactor_(ticketFactor) {}
    int32_t DoControlUpdateConstrain() override;
    using PFInchMMLittleArrowControlARK::SetValueToTicket;
    bool SetValueToTicket(zqp::PrintSettings* settings, bool lock) override;
    bool GetValueToPreset() override;

private:
    MarginUnit unit_;
    int32_t ticketFactor_;
};

// A unit radio: it switches only when the field of the unit it leaves is
// valid; otherwise both radios stay as they were.
class PFInchMMRadioButtonARK : public zqpde::RadioButton {
public:
    PFInchMMRadioButtonARK(zqp::View* view, const zqpde::RadioButtonIniData* iniData,
                           const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                           const int32_t* validateArray);
    bool UIEventHandler() override;
    bool ValidateConstrains();
    bool GetValueFromPreference() override { return false; }
    // The next simulation applies the radio's hide lists afresh.
    void ForgetShownState();

private:
    std::vector<int32_t> validateControlArray;
};

// The unit a window shows, from its radios on screen: 0 inches, 1
// millimetres, -1 neither.
int32_t UnitRadiosDisplayStyle(const zqpde::RadioButton* inch, const zqpde::RadioButton* mm);

enum class MarginWindowKind { kTab, kBooklet };

class PFMarginWndARK : public PFFeatureWndARK {
public:
    PFMarginWndARK(zqp::Window* window, MarginWindowKind kind);
    ~PFMarginWndARK() override;
    int32_t ActivateWindow() override;
    // 0 inches, 1 millimetres, -1 neither (from the radios on screen).
    int32_t getShiftValueDisplayStyle() const;
    MarginWindowKind Kind() const { return kind_; }

private:
    MarginWindowKind kind_;
    std::unique_ptr<zqpde::RadioGroup> InchMmGroupPtr;
    zqpde::RadioButton* inchRadio_ = nullptr;
    zqpde::RadioButton* mmRadio_ = nullptr;
};

const char* MarginWindowOutlet(MarginWindowKind kind);

}  // namespace zqfeat
