// The inserts window's page list and insert position in a window of the
// tests' own: which lists OK accepts, which warning the person sees, the
// pages handed on, and how the position switches the list.
#include <gtest/gtest.h>
#include <zqp/events.h>

#include "insert_page_list.h"
#include "sp_test_window.h"

namespace zqsp::test {
namespace {

const zqpde::TextEditIniData kPageIniData = {"", "", 0, 99};
const zqpde::TextEditFilterData kPageFilter = {
    {3, {{'0', '9'}, {',', '-'}, {' ', ' '}}}, {3, {{'0', '9'}, {',', '-'}, {' ', ' '}}}, "Warning44"};
const PageNumValueRange kPageRange = {0, 65000};
const char* const kPositionTitles[] = {"After String", "Before Page one String", nullptr};
const zqpde::ListCtrlIniData kPositionIniData = {1, 1, 1, kPositionTitles};
constexpr int32_t kEditTag = 20, kPositionTag = 21;

class InsertWindow : public zqpde::PopupWinInPanel, public SPInsertWindowServices {
public:
    using zqpde::PopupWinInPanel::PopupWinInPanel;
    std::vector<SPRecord> getSortedInsertDataRecordPtr() override { return existing; }
    int32_t getStatus() override { return status; }
    SPInsertPageTextEditARK* getSPInstPageNumEditCtlPtr() override { return edit; }
    SPInsertOptionListARK* getSPInstOptionListCtlPtr() override { return position; }

    std::vector<SPRecord> existing;
    int32_t status = 1;
    SPInsertPageTextEditARK* edit = nullptr;
    SPInsertOptionListARK* position = nullptr;
};

struct InsertRig {
    InsertRig() {
        auto content = std::make_unique<zqp::View>();
        zqp::View* root = content.get();
        windowView.setContentView(std::move(content));
        window = std::make_unique<InsertWindow>(&windowView, "Add Inserts Windows");
        auto field = std::make_unique<zqp::TextField>();
        field->setTag(kEditTag);
        auto popup = std::make_unique<zqp::PopUpButton>();
        popup->setTag(kPositionTag);
        auto e = std::make_unique<SPInsertPageTextEditARK>();
        e->CreateControl(root->addSubview(std::move(field)), &kPageIniData, nullptr, nullptr, nullptr, &kPageFilter,
                         "Page", 250, &kPageRange);
        window->edit = window->AddNewControl(std::move(e));
        auto p = std::make_unique<SPInsertOptionListARK>();
        p->CreateControl(root->addSubview(std::move(popup)), &kPositionIniData, nullptr, nullptr, nullptr);
        window->position = window->AddNewControl(std::move(p));
        base.panel.RunTimeAddNewWindow(window.get());
        window->SetCurrentPrintSettings(base.host.printSettings(), base.ppd(), &base.host, base.host.printSession());
        window->InitializeUserPane(Resources(), base.ppd());
        window->SetUIDataToIniData();
        window->SetCurrentValueToUI();
    }
    // The text typed and the position chosen, then OK: the warning key
    // shown ("" for none) or the pages handed on.
    std::string Ok(const std::string& text, int position = 0) {
        window->position->GetControlPtr()->setEnabled(true);
        dynamic_cast<zqp::PopUpButton*>(window->position->GetControlPtr())->selectItemAtIndex(position);
        dynamic_cast<zqp::TextField*>(window->edit->GetControlPtr())->setStringValue(text);
        zqp::EventLog::Shared().Clear();
        if (window->edit->InvalidateData()) return "";
        for (const zqp::Event& e : zqp::EventLog::Shared().events()) {
            const size_t at = e.text.find("Warning");
            if (e.kind == zqp::EventKind::kAlert && at != std::string::npos) return e.text.substr(at, 9);
        }
        return "no alert";
    }

    PaperWindowRig base{1};
    zqp::Window windowView;
    std::unique_ptr<InsertWindow> window;
};

std::string Pages(const std::vector<int32_t>& pages) {
    std::string out;
    for (int32_t p : pages) out += (out.empty() ? "" : ",") + std::to_string(p);
    return out;
}

TEST(InsertPageList, OkAcceptsListsAndNamesTheWarning) {
    struct Case {
        std::string text;
        int position;
        size_t existing;
        std::string warning;  // "" accepted
        std::string pages;
    } cases[] = {
        {"", 0, 0, "Warning44", ""},
        {" , ,", 0, 0, "Warning44", ""},
        {"1 2 3", 0, 0, "", "1,2,3"},
        {"1 - 3", 0, 0, "", "1,2,3"},
        {"1,,3", 0, 0, "", "1,3"},
        {"1, ,3", 0, 0, "Warning44", ""},
        {"-5", 0, 0, "", "1,2,3,4,5"},
        {"12-", 0, 0, "Warning47", ""},  // to page 65000: far past 250 inserts
        {"-", 0, 0, "Warning44", ""},
        {"1-2-3", 0, 0, "Warning44", ""},
        {"9-3", 0, 0, "Warning49", ""},
        {"-0", 0, 0, "Warning49", ""},
        {"65001", 0, 0, "Warning44", ""},
        {"a", 0, 0, "Warning44", ""},
        {"0-3", 0, 0, "", "0,1,2,3"},
        {"5,3,5", 0, 0, "", "3,5,5"},
        {"1-300", 0, 0, "Warning47", ""},
        {"1-250", 0, 0, "", ""},
        {"1-200", 0, 60, "Warning47", ""},
        {std::string(100, '1'), 0, 0, "Warning44", ""},
        {"", 1, 0, "", "0"},
        {"", 1, 250, "Warning47", ""},
    };
    for (const Case& c : cases) {
        InsertRig rig;
        rig.window->existing.assign(c.existing, SPRecord{{"type", "1"}, {"page", "9"}});
        EXPECT_EQ(rig.Ok(c.text, c.position), c.warning) << '"' << c.text << '"';
        if (c.warning.empty() && !c.pages.empty()) {
            EXPECT_EQ(Pages(rig.window->edit->GetSortedPageArray()), c.pages) << c.text;
        }
    }
}

TEST(InsertPageList, EditingAndTheFrontCover) {
    InsertRig rig;
    // Editing one of 250 inserts replaces it: one page more is still fine.
    rig.window->existing.assign(250, SPRecord{{"type", "1"}, {"page", "9"}});
    rig.window->status = 2;
    EXPECT_EQ(rig.Ok("7"), "");
    EXPECT_EQ(rig.Ok("7,8"), "Warning47");
    // Before page one, pressed twice, still hands on one insert.
    rig.window->existing.clear();
    rig.window->edit->InitialPageArray();
    EXPECT_EQ(rig.Ok("", 1), "");
    EXPECT_EQ(rig.Ok("", 1), "");
    EXPECT_EQ(Pages(rig.window->edit->GetSortedPageArray()), "0");

    // Under a front cover page 0 is dropped and "before page one" is off.
    rig.base.records.mutableRecords() = {{{"type", "0"}, {"page", "0"}}};
    rig.window->edit->InitialPageArray();
    EXPECT_EQ(rig.Ok("0-2"), "");
    EXPECT_EQ(Pages(rig.window->edit->GetSortedPageArray()), "1,2");
    rig.window->position->UpdateBeforePageOneStatus();
    auto* popup = dynamic_cast<zqp::PopUpButton*>(rig.window->position->GetControlPtr());
    EXPECT_FALSE(popup->itemAtIndex(1)->enabled);
    rig.base.records.deleteAllItem();
    rig.window->position->UpdateBeforePageOneStatus();
    EXPECT_TRUE(popup->itemAtIndex(1)->enabled);
}

TEST(InsertPosition, BeforePageOneSwitchesThePageListOff) {
    InsertRig rig;
    auto* popup = dynamic_cast<zqp::PopUpButton*>(rig.window->position->GetControlPtr());
    auto* field = dynamic_cast<zqp::TextField*>(rig.window->edit->GetControlPtr());
    rig.window->ChangeActivedStatus(true);
    field->setStringValue("4");
    ASSERT_TRUE(popup->userSelect(1));
    EXPECT_FALSE(rig.window->edit->BEnable());
    EXPECT_EQ(field->stringValue(), "");  // the typed pages go with the switch
    ASSERT_TRUE(popup->userSelect(0));
    EXPECT_TRUE(rig.window->edit->BEnable());
}

}  // namespace
}  // namespace zqsp::test
