#pragma once
// A window of the tests' own holding a paper pop-up, a sidedness pop-up and
// the chosen-paper and job-paper views, under a panel that offers the
// summary list and stand-ins for the advanced paper and custom-size windows,
// all on the ARK sample PPD with its own constraints.
#include <cups/ppd.h>
#include <gtest/gtest.h>
#include <zqp/bundle.h>
#include <zqp/host.h>
#include <zqp/view.h>
#include <zqp/window.h>

#include <memory>
#include <string>
#include <vector>

#include "info_views.h"
#include "paper_popup.h"
#include "summary_list.h"
#include "zqpde/app_resources.h"
#include "zqpde/constraint_hash.h"

namespace zqsp::test {

inline zqp::Bundle* Resources() {
    static zqp::Bundle* bundle = zqp::Bundle::Open(ZQ_RESOURCES_DIR "/ark-special-pages-pde", nullptr);
    return bundle;
}

struct FakeAdvanced : SPAdvancedPaperWindow {
    void SetPaperSize(int32_t s, int32_t c, int32_t t, bool i) override { paper = {s, c, t, i}; }
    void SetSubMenuList(SPSubMenuListCtrlARK* p) override { popup = p; }
    void setDuplexControl(SPDuplexListCtrlARK* d) override { duplex = d; }
    int32_t ActivateWindow() override {
        ++opened;
        return 0;
    }
    PaperChoiceValue paper;
    SPSubMenuListCtrlARK* popup = nullptr;
    SPDuplexListCtrlARK* duplex = nullptr;
    int opened = 0;
};

struct FakeCustom : SPCustomSizeWindow {
    void SetSubMenuList(SPSubMenuListCtrlARK* p) override { popup = p; }
    int32_t ActivateWindow() override {
        ++opened;
        return 0;
    }
    SPSubMenuListCtrlARK* popup = nullptr;
    int opened = 0;
};

class TestPanel : public zqpde::BasePrintPanel, public SPPanelServices {
public:
    SPSummaryScrollViewCtrl* getSPSummaryScrollViewCtrlPtr() override { return list; }
    SPAdvancedPaperWindow* getAdvSeleWndPtr() override { return &advanced; }
    SPCustomSizeWindow* getCustomSizeWndPtr() override { return &custom; }
    zqpde::PopupWinInPanel* getSPAddCoversWndPtr() override { return nullptr; }
    zqpde::PopupWinInPanel* getSPAddInsertWndPtr() override { return nullptr; }
    zqpde::PopupWinInPanel* getSPAddExceptionsWndPtr() override { return nullptr; }
    bool sureToMakeChange(int32_t) override { return true; }
    void toMakeChange() override {}
    void setTabStockValue(int32_t) override {}
    int32_t getTabStockValue() override { return 3; }

    SPSummaryScrollViewCtrl* list = nullptr;
    FakeAdvanced advanced;
    FakeCustom custom;
};

inline constexpr int32_t kPaperTag = 10, kSidesTag = 11, kChosenViewTag = 12, kJobViewTag = 13, kListTag = 104;

inline const zqpde::ListCtrlIniData kPaperIniData = {1, 1, 1, kSelectPaperIniMenu};
inline const char* const kTwoSideTitles[] = {"No Change Option String", "1 Side Print Option String",
                                             "2 Side Print Option String", "2 Side Short Edge Option String",
                                             nullptr};
inline const zqpde::ListCtrlIniData kSidesIniData = {1, 1, 1, kTwoSideTitles};
// Every choice of the paper pop-up updates the chosen-paper view.
inline const int32_t* const kChosenView[] = {&kChosenViewTag, nullptr};
inline const zqpde::ConstrainTagList kPaperUpdates[] = {kChosenView, kChosenView, kChosenView,
                                                        kChosenView, kChosenView, kChosenView};
inline const zqpde::ConstrainInfo kPaperConstrainInfo = {{}, {}, zqpde::ConstrainListsOf(kPaperUpdates)};
inline const SPScrollViewIniData kViewIniData = {"", ""};

// The paper pop-up in the window (type 1 inserts: no sidedness; 2
// exceptions: the two-sided list beside it).
class PaperWindowRig {
public:
    explicit PaperWindowRig(int32_t wndType = 2, const std::string& ppdPath = ZQ_SOURCE_DIR "/ppd/zq-ark-sample.ppd")
        : ppd_(ppdOpenFile(ppdPath.c_str())), host(ppd_) {
        EXPECT_NE(ppd_, nullptr);
        ppdMarkDefaults(ppd_);
        host.session().SetCurrentPrinterID("zq-ark");
        host.session().SetPPD(ppd_);
        zqpde::pluginBundle = Resources();
        FillPPDKeywordList(ppd_);
        zqpde::BuildConstraintHashFromPPD(ppd_, hash);

        panel.initWithCallback(&host);
        panel.CreatePanel(nullptr);
        auto table = std::make_unique<zqp::TableView>();
        table->setTag(kListTag);
        table->columns() = {{"page", "Page(s) Title"}, {"type", "Type Title"}, {"setup", "Setup Title"}};
        auto listCtrl = std::make_unique<SPSummaryScrollViewCtrl>();
        listCtrl->CreateControl(panelRoot.addSubview(std::move(table)), nullptr, nullptr, nullptr, nullptr);
        listCtrl->setRecordList(&records);
        panel.list = panel.AddNewControl(std::move(listCtrl));

        auto content = std::make_unique<zqp::View>();
        zqp::View* root = content.get();
        windowView.setContentView(std::move(content));
        window = std::make_unique<zqpde::PopupWinInPanel>(&windowView, "Test Window");
        auto paperView = std::make_unique<zqp::PopUpButton>();
        paperView->setTag(kPaperTag);
        auto sidesView = std::make_unique<zqp::PopUpButton>();
        sidesView->setTag(kSidesTag);
        auto chosen = std::make_unique<zqp::TextView>();
        chosen->setTag(kChosenViewTag);
        auto job = std::make_unique<zqp::TextView>();
        job->setTag(kJobViewTag);

        std::unique_ptr<SPSelectPaperListCtrlARK> paperCtrl =
            wndType == 2 ? std::make_unique<SPAddExceptSubMenuListCtrlARK>() : std::make_unique<SPSelectPaperListCtrlARK>();
        paperCtrl->CreateControl(root->addSubview(std::move(paperView)), "PageSize", "ZQMediaColor", "MediaType",
                                 &kPaperIniData, &kPaperConstrainInfo, nullptr, nullptr, wndType,
                                 wndType == 1 ? nullptr : &kSidesTag);
        paper = window->AddNewControl(std::move(paperCtrl));
        auto sidesCtrl = std::make_unique<SPTwoSidePrintListCtrlARK>();
        sidesCtrl->CreateControl(root->addSubview(std::move(sidesView)), &kSidesIniData, nullptr, nullptr, nullptr,
                                 "Duplex", &TwoSidePrintDuplexChoices(), &kPaperTag);
        sides = window->AddNewControl(std::move(sidesCtrl));
        auto chosenCtrl = std::make_unique<SPPageSettingScrollViewCtrlARK>();
        chosenCtrl->CreateControl(root->addSubview(std::move(chosen)), "PageSize", "ZQMediaColor", "MediaType",
                                  kChosenViewTag, &kViewIniData, &kPaperTag);
        chosenView = window->AddNewControl(std::move(chosenCtrl));
        auto jobCtrl = std::make_unique<SPJobSettingScrollViewCtrlARK>();
        jobCtrl->CreateControl(root->addSubview(std::move(job)), "PageSize", "ZQMediaColor", "MediaType",
                               kJobViewTag, &kViewIniData);
        jobView = window->AddNewControl(std::move(jobCtrl));

        panel.RunTimeAddNewWindow(window.get());
        panel.SeteppdPtr(&hash);
        window->SeteppdPtr(&hash);
        panel.SetCurrentPrintSettings(host.printSettings(), ppd_, &host, host.printSession());
        panel.InitializeUserPane(Resources(), ppd_);
        window->SetUIDataToIniData();
        window->SetCurrentValueToUI();
    }
    ~PaperWindowRig() {
        panel.terminate();
        window.reset();
        if (ppd_ != nullptr) ppdClose(ppd_);
    }

    zqp::PopUpButton* PaperView() { return dynamic_cast<zqp::PopUpButton*>(paper->GetControlPtr()); }
    zqp::PopUpButton* SidesView() { return dynamic_cast<zqp::PopUpButton*>(sides->GetControlPtr()); }
    // A person's choice: main item, or item `sub` (0 = No Change) of its submenu.
    bool Choose(int main, int sub = -1) {
        return sub < 0 ? PaperView()->userSelect(main) : PaperView()->userSelectSubmenuItem(main, sub);
    }
    // Submenu item of the PPD choice; -1 when absent.
    int ItemOf(int kind, const std::string& choice) {
        zqp::Menu* m = paper->getSubMenuRef(kind);
        for (int i = 0; m != nullptr && i < m->numberOfItems(); ++i)
            if (m->itemAtIndex(i)->representedObject == choice) return i;
        return -1;
    }
    bool Enabled(int kind, const std::string& choice) {
        zqp::Menu* m = paper->getSubMenuRef(kind);
        const int i = ItemOf(kind, choice);
        return m != nullptr && i >= 0 && m->itemAtIndex(i)->enabled;
    }
    void Mark(const char* option, const char* choice) {
        ppdMarkOption(ppd_, option, choice);
        window->UpdateConflictsPanelControlFromPPD(ppd_);
    }
    // Records in the summary list, all selected.
    void SelectRecords(std::vector<SPRecord> rs) {
        records.mutableRecords() = std::move(rs);
        panel.list->upDateView();
        std::vector<int> rows;
        for (size_t i = 0; i < records.allItemCount(); ++i) rows.push_back(static_cast<int>(i));
        dynamic_cast<zqp::TableView*>(panel.list->GetControlPtr())->selectRows(rows, false);
    }
    ppd_file_t* ppd() { return ppd_; }

    ppd_file_t* ppd_;
    zqp::Host host;
    zqpde::ConstraintHash hash;
    zqp::View panelRoot;
    TestPanel panel;
    SPRecordList records;
    zqp::Window windowView;
    std::unique_ptr<zqpde::PopupWinInPanel> window;
    SPSelectPaperListCtrlARK* paper = nullptr;
    SPTwoSidePrintListCtrlARK* sides = nullptr;
    SPPageSettingScrollViewCtrlARK* chosenView = nullptr;
    SPJobSettingScrollViewCtrlARK* jobView = nullptr;
};

}  // namespace zqsp::test
