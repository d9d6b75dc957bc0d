#pragma once
// The buttons every editor window of the extension has (Cancel, defaults,
// Help), and the label that shows a custom size range from the PPD.
#include <string>

#include "custom_size.h"
#include "zqpde/standard_controls.h"

namespace zqsp {

// Closes its window; nothing is handed back.
class SPCancelButCtrlARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

// Every control of its window shows its default.
class SPRestoreButtonARK : public zqpde::BaseButton {
public:
    bool UIEventHandler() override;
};

// Opens the window's help page; a page name of the extension's help pages
// takes the help key of the PPD's "ZQXSpecialPagesSettings".
class SPHelpButtonARK : public zqpde::BaseButton {
public:
    using zqpde::BaseButton::CreateControl;
    void CreateControl(zqp::View* view, const char* helpName);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool UIEventHandler() override;
    const std::string& HelpName() const { return helpName_; }

private:
    std::string helpName_;
};

// The text of key with "[min]" and "[max]" replaced: a translated text is
// never used as a format.
std::string FillRange(std::string text, const std::string& minimum, const std::string& maximum);

// A label naming the custom size range of one dimension in one unit.
class SPStaticTextEditControlARK : public zqpde::StaticTextEditControl {
public:
    using zqpde::StaticTextEditControl::CreateControl;
    // unit: 1 millimetres, 0 inches; sizeFlag: 0 width, 1 length.
    void CreateControl(zqp::View* view, const zqpde::TextEditIniData* iniData, const zqpde::ConstrainInfo* constrain,
                       const zqpde::AccessInfo* accessInfo, const zqp::PrefUser* usernamein,
                       const zqpde::TextEditFilterData* filterData, const char* summaryInfo, int32_t longMeasure,
                       int32_t sizeFlag);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool InitializeTitle(zqp::Bundle* bundle) override;

private:
    int32_t longMeasure_ = kUnitMillimetre;
    int32_t sizeFlag_ = kSizeWidth;
    ppd_file_t* ppd_ = nullptr;
};

// The range of one dimension in one unit: the PPD's, else the built-in one.
SizeRange CustomSizeRange(ppd_file_t* ppd, int32_t longMeasure, int32_t sizeFlag);

}  // namespace zqsp
