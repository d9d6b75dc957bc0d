#pragma once
// The read-only text views of the editor windows: the job's own paper (the
// PPD's marked size, colour and type) and the paper chosen in the window's
// paper pop-up.
#include <cstdint>
#include <optional>
#include <string>

#include "zqpde/base_control.h"

namespace zqp {
class TextView;
}

namespace zqsp {

struct SPScrollViewIniData {
    const char* title;
    const char* initialText;
};

class SPScrollViewCtrlARK : public zqpde::BaseControl {
public:
    using zqpde::BaseControl::CreateControl;
    // Binds the view, gives it the tag and keeps the initial data.
    void CreateControl(zqp::View* view, int32_t controlTag, const SPScrollViewIniData* iniData);
    // The initial text when there is one; false otherwise.
    bool SetDefaultValueToUI() override;
    // The view sends no action.
    void setTargetandAction() override {}
    // Counted, and the text grey while disabled.
    void Disable() override;
    void Enable() override;
    void enableTextView(bool enabled);
    // The counts go back to 0, and the text to the normal colour with them.
    void ResetStatus() override;
    const std::string& text() const;

protected:
    zqp::TextView* Text() const;
    // Shows the text and keeps it.
    void ShowText(const std::string& text);
    const SPScrollViewIniData* scrollViewIniDataPtr = nullptr;
};

// The job's own paper.
class SPJobSettingScrollViewCtrlARK : public SPScrollViewCtrlARK {
public:
    using SPScrollViewCtrlARK::CreateControl;
    void CreateControl(zqp::View* view, const char* ppdKeySize, const char* ppdKeyColor, const char* ppdKeyType,
                       int32_t controlTag, const SPScrollViewIniData* iniData);
    // False without a PPD or a keyword.
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    bool SetControlValueToUI() override;
    bool SetDefaultValueToUI() override;
    // The text of the marked choices; nothing when any of the three options
    // has neither a marked nor a default choice.
    std::optional<std::string> getJobInfomationFromPPD();

private:
    const char* KPPDKeySize = "PageSize";
    const char* KPPDKeyColor = "ZQMediaColor";
    const char* KPPDKeyType = "MediaType";
    ppd_file_t* ppd_ = nullptr;
    std::optional<std::string> JobSettingStr;
};

// The paper chosen in a paper pop-up (found by its tag in the same window).
class SPPageSettingScrollViewCtrlARK : public SPScrollViewCtrlARK {
public:
    using SPScrollViewCtrlARK::CreateControl;
    void CreateControl(zqp::View* view, const char* ppdKeySize, const char* ppdKeyColor, const char* ppdKeyType,
                       int32_t controlTag, const SPScrollViewIniData* iniData, const int32_t* popupTag);
    bool InitializeCtrl(zqp::Bundle* bundle, ppd_file_t* ppd) override;
    // Each rebuilds the text from the pop-up's paper as it is now.
    bool SetDefaultValueToUI() override;
    bool SetControlValueToUI() override;
    int32_t Update() override;
    virtual void getPageInfomation();

private:
    const char* KPPDKeySize = "PageSize";
    const char* KPPDKeyColor = "ZQMediaColor";
    const char* KPPDKeyType = "MediaType";
    std::string KPPDSizeStr, KPPDColorStr, KPPDTypeStr;
    std::string interposerTitle_;
    const int32_t* selectPageControlPtr = nullptr;
};

// A cover's paper in the covers window: empty while the cover option
// leaves that cover out (front: "No Covers", "Back Only"; back: "No Covers",
// "Front Only").
class SPCoverPageSettingScrollViewCtrlARK : public SPPageSettingScrollViewCtrlARK {
public:
    // page: 0 the front cover, 1 the back cover.
    explicit SPCoverPageSettingScrollViewCtrlARK(int32_t page) : page_(page) {}
    void getPageInfomation() override { getCoversPageInfomation(); }
    void SetNULLValueToUI() { ShowText(""); }
    void getCoversPageInfomation();

private:
    int32_t page_;
};

}  // namespace zqsp
