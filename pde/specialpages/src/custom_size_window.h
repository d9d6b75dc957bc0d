#pragma once
// The custom size window: width and length in millimetres (one decimal) or
// inches (two decimals), each with its stepper, a pair of unit radios that
// show one unit's fields, and OK, Cancel, defaults and Help. The hidden
// unit's fields follow the shown ones, so OK always hands the paper pop-up
// millimetre texts, whichever unit is shown, with the unit chosen.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "custom_size.h"
#include "sp_services.h"
#include "window_controls.h"
#include "zqcommon/inch_mm_text_edit.h"
#include "zqcommon/inch_mm_unit_controls.h"
#include "zqpde/base_print_panel.h"
#include "zqpde/standard_controls.h"

namespace zqsp {

// What the window edits: the custom size kept by the paper pop-up that
// opened it (texts in millimetres, "-1" when unset; unit 1 mm, 0 inches,
// -1 unset).
class CustomSizeHolder {
public:
    virtual ~CustomSizeHolder() = default;
    virtual std::string getCustomPageWidth() const = 0;
    virtual std::string getCustomPageLength() const = 0;
    virtual int32_t getCustomPageSizeLongMeasure() const = 0;
    virtual void setCustomPageWidth(const std::string& text) = 0;
    virtual void setCustomPageLength(const std::string& text) = 0;
    virtual void setCustomPageSizeLongMeasure(int32_t unit) = 0;
};

// A custom size of its own, tied to no pop-up: what a window lets the custom
// size window edit while its own OK has not yet handed anything on.
class CustomSizeCopy : public CustomSizeHolder {
public:
    // The holder's texts and unit.
    void copyFrom(const CustomSizeHolder& from);
    void copyTo(CustomSizeHolder& to) const;
    std::string getCustomPageWidth() const override { return width_; }
    std::string getCustomPageLength() const override { return length_; }
    int32_t getCustomPageSizeLongMeasure() const override { return unit_; }
    void setCustomPageWidth(const std::string& text) override { width_ = text; }
    void setCustomPageLength(const std::string& text) override { length_ = text; }
    void setCustomPageSizeLongMeasure(int32_t unit) override { unit_ = unit; }

private:
    std::string width_ = "-1", length_ = "-1";
    int32_t unit_ = kUnitNotSet;
};

// The extension carries the shared unit-number field under its own name.
using SPInchMMTextEditCtrlARK = zqcommon::InchMMTextEditCtrl;

// The size fields' formatter: the extension's number formatter whose
// number rules are those of a size text.
class SPInchMMTextEditFormatterARK : public SPTextEditFormatterARK {
public:
    using SPTextEditFormatterARK::SPTextEditFormatterARK;
};

class SPCustomSizeMMTextEditFormatterARK : public SPInchMMTextEditFormatterARK {
public:
    using SPInchMMTextEditFormatterARK::SPInchMMTextEditFormatterARK;
    bool IsNumberValid(const std::string& text) override;
};

class SPCustomSizeInchesTextEditFormatterARK : public SPInchMMTextEditFormatterARK {
public:
    using SPInchMMTextEditFormatterARK::SPInchMMTextEditFormatterARK;
    bool IsNumberValid(const std::string& text) override;
};

class SPCustomSizeWndARK;

// A size field of the window, in one unit.
class SPCustomSizeTextEditCtrl : public SPInchMMTextEditCtrlARK {
public:
    using SPInchMMTextEditCtrlARK::CreateControl;
    void CreateControl(zqp::View* view, int32_t sizeFlag, const zqpde::TextEditIniData* iniData,
                       const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                       const zqp::PrefUser* usernamein, const zqpde::TextEditFilterData* filterData,
                       const char* titleInfo, const zqcommon::InchMMValueRange* valueRange);
    // The framework's set-up, then the range from the PPD.
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    // The paper pop-up's custom size, in this field's unit.
    bool SetControlValueToUI() override;
    // While hidden: the partner field's text converted into this unit.
    int32_t Update() override;
    // event: the accepted text (const char*). The stepper follows, then the
    // update list (the hidden partner converts).
    int32_t OnRawKeyUp(void* event) override;
    bool IsNumberValid(const std::string& text) override;
    bool CorrectCtrlUI() override;
    // The alert of the field's message with its range.
    void ShowErrMsg() override;
    bool SimulationUIEventHandler() override { return true; }
    // Shows a text as if typed (the formatter hands it over).
    void ShowText(const std::string& text);
    int32_t SizeFlag() const { return m_customSize_flag; }
    // 1 decimal (millimetres) or 2 (inches).
    virtual int32_t Decimals() const = 0;

protected:
    std::string UnitText(int32_t units) const;
    int32_t UnitsOfText(const std::string& text) const;
    SPCustomSizeWndARK* Window() const;
    int32_t m_customSize_flag = kSizeWidth;
};

class SPCustomSizeMMTextEditCtrlARK : public SPCustomSizeTextEditCtrl {
public:
    int32_t Decimals() const override { return 1; }

protected:
    std::shared_ptr<zqp::Formatter> CreateUnitFormatter() override;
};

class SPCustomSizeInchesTextEditCtrlARK : public SPCustomSizeTextEditCtrl {
public:
    int32_t Decimals() const override { return 2; }

protected:
    std::shared_ptr<zqp::Formatter> CreateUnitFormatter() override;
};

// A stepper whose click counts only while its field is valid (the shared
// unit stepper under the extension's name).
using SPInchMMLittleArrowControlARK = zqcommon::InchMMLittleArrowControl;

class SPCustomSizeLittleArrowControl : public SPInchMMLittleArrowControlARK {
public:
    using SPInchMMLittleArrowControlARK::CreateControl;
    void CreateControl(zqp::View* view, int32_t sizeFlag, const zqpde::LittleArrayIniData* iniData,
                       const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                       const zqp::PrefUser* usernamein, const char* titleStr, const int32_t* validateArray);
    // The range from the PPD (a default outside it becomes the minimum).
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool SetControlValueToUI() override;
    // The field shows the stepper's value, then the update list.
    int32_t DoControlUpdateConstrain() override;
    bool SimulationUIEventHandler() override { return true; }
    // Shows and keeps a value (the field's typing).
    void ShowValue(int32_t value);
    virtual int32_t Unit() const = 0;

protected:
    SPCustomSizeWndARK* Window() const;
    int32_t m_customSize_flag = kSizeWidth;
};

class SPCustomSizeMMLittleArrowControlARK : public SPCustomSizeLittleArrowControl {
public:
    int32_t Unit() const override { return kUnitMillimetre; }
};

class SPCustomSizeInchesLittleArrowControlARK : public SPCustomSizeLittleArrowControl {
public:
    int32_t Unit() const override { return kUnitInch; }
};

// A unit radio: switching checks the fields of the unit being left first.
class SPInchMMRadioButtonARK : public zqcommon::InchMMRadioButton {
public:
    SPInchMMRadioButtonARK(zqp::View* view, const zqpde::RadioButtonIniData* iniData,
                           const zqpde::ConstrainInfo* constrain, const zqpde::AccessInfo* accessInfo,
                           const zqp::PrefUser* usernamein, const int32_t* validateArray, int32_t longMeasure)
        : zqcommon::InchMMRadioButton(view, iniData, constrain, accessInfo, usernamein, validateArray),
          longMeasureFlag(longMeasure) {}
    // value: int32_t; a positive value makes the radio the group's current one.
    bool SetExternalValueToUI(const void* value, int32_t size) override;
    int32_t LongMeasure() const { return longMeasureFlag; }

protected:
    int32_t longMeasureFlag;
};

class SPCustomSizeInchMMRadioButtonARK : public SPInchMMRadioButtonARK {
public:
    using SPInchMMRadioButtonARK::SPInchMMRadioButtonARK;
    // On when its unit is the pop-up's; the default when the pop-up has none.
    bool SetControlValueToUI() override;
};

class SPCustomSizeOKButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

// The paper pop-up of a special-pages window seen as a custom size holder.
class PaperPopupCustomSize : public CustomSizeHolder {
public:
    void bind(SPSubMenuListCtrlARK* popup) { popup_ = popup; }
    SPSubMenuListCtrlARK* popup() const { return popup_; }
    std::string getCustomPageWidth() const override;
    std::string getCustomPageLength() const override;
    int32_t getCustomPageSizeLongMeasure() const override;
    void setCustomPageWidth(const std::string& text) override;
    void setCustomPageLength(const std::string& text) override;
    void setCustomPageSizeLongMeasure(int32_t unit) override;

protected:
    SPSubMenuListCtrlARK* popup_ = nullptr;
};

class SPCustomSizeWndARK : public zqpde::PopupWinInPanel, public SPCustomSizeWindow {
public:
    // Tags of the window's views.
    enum : int32_t {
        kWidthMMLabel = 701, kWidthInchLabel = 702, kWidthMM = 711, kWidthInch = 712, kWidthMMStepper = 713,
        kWidthInchStepper = 714, kWidthMMUnit = 715, kWidthInchUnit = 716, kMMRadio = 717, kInchRadio = 718,
        kLengthMMLabel = 721, kLengthInchLabel = 722, kLengthMM = 731, kLengthInch = 732, kLengthMMStepper = 733,
        kLengthInchStepper = 734, kLengthMMUnit = 735, kLengthInchUnit = 736,
        kOKButton = 741, kCancelButton = 742, kRestoreButton = 743, kHelpButton = 744,
    };

    SPCustomSizeWndARK(zqp::Window* window, const char* theWinTitleStr);
    ~SPCustomSizeWndARK() override;

    // Every control shows the pop-up's custom size, then the modal run; 0.
    int32_t ActivateWindow() override;
    void SetSubMenuList(CustomSizeHolder* popup) { m_pSubMenuList = popup; }
    // The paper pop-up that opened the window (the panel's way in).
    void SetSubMenuList(SPSubMenuListCtrlARK* popup) override;
    CustomSizeHolder* GetSubMenuList() const { return m_pSubMenuList; }
    SPCustomSizeTextEditCtrl* getSPCustomSizeWidthMMTextEditCtrlPtr() const { return widthMM_; }
    SPCustomSizeTextEditCtrl* getSPCustomSizeLengthMMTextEditCtrlPtr() const { return lengthMM_; }
    // 0 when the inch radio is on, else 1.
    int32_t getCustomPageSizeLongMeasure() const;
    // The millimetre fields' defaults (within the printer's limits).
    CustomSizeDefaults DefaultCustomSize() const override;
    // The millimetre text the window shows for a dimension (kSizeWidth,
    // kSizeLength): the pop-up's own, or the default while the pop-up holds
    // none that can be read (a record restored without a size of its own).
    std::string ShownMillimetres(int32_t sizeFlag) const;

protected:
    std::string TitleTable() const override { return StringTable(); }

private:
    void CreateControls();
    std::unique_ptr<zqpde::RadioGroup> SPCustomSizeInchMmGroupPtr;
    CustomSizeHolder* m_pSubMenuList = nullptr;
    PaperPopupCustomSize popupHolder_;
    SPCustomSizeTextEditCtrl* widthMM_ = nullptr;
    SPCustomSizeTextEditCtrl* lengthMM_ = nullptr;
    SPInchMMRadioButtonARK* inchRadio_ = nullptr;
};

}  // namespace zqsp
