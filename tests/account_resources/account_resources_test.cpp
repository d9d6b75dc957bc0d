// The Account extension finds everything of its own by name at run time: the
// nib that the PPD's product key names, each view by its tag and outlet, each
// text by its localisation key, each help page by the PPD's help key. A name
// that does not match shows up only as a missing panel, a dropped control or
// "no translation" in front of the user; these tests catch it here, against
// the resource folder the build puts together, opened as the bundle.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "zqp/bundle.h"
#include "zqp/nib.h"
#include "zqp/view.h"
#include "zqp/window.h"

namespace {

const std::string kBundleDir = std::string(ZQ_RESOURCES_DIR) + "/ark-account-pde";
const std::vector<std::string> kTables = {"Localizable", "Localizable1"};

zqp::Bundle* AccountBundle() {
  std::string err;
  zqp::Bundle* b = zqp::Bundle::Open(kBundleDir, &err);
  EXPECT_NE(b, nullptr) << err;
  return b;
}

// ---- what the code expects of a nib ---------------------------------------

// The kind of a view in a few words: push, check, radio, popup, field,
// secure, label, picker, image.
std::string KindOf(const zqp::View& v) {
  switch (v.kind()) {
    case zqp::ViewKind::kButton:
      switch (static_cast<const zqp::Button&>(v).buttonType()) {
        case zqp::ButtonType::kCheck: return "check";
        case zqp::ButtonType::kRadio: return "radio";
        case zqp::ButtonType::kPush: return "push";
      }
      return "?";
    case zqp::ViewKind::kPopUp: return "popup";
    case zqp::ViewKind::kTextField: {
      const auto& t = static_cast<const zqp::TextField&>(v);
      return t.isLabel() ? "label" : t.isSecure() ? "secure" : "field";
    }
    case zqp::ViewKind::kDatePicker: return "picker";
    case zqp::ViewKind::kImageView: return "image";
    default: return v.className();
  }
}

struct Item {
  std::string outlet;
  int tag;
  std::string kind;
};

// The panel view (title empty) or a window with its title key.
struct Container {
  std::string outlet;
  bool isWindow;
  std::string title;
  std::vector<Item> items;
};

struct Contract {
  std::vector<Container> containers;
  std::set<int> absent;  // tags this product's nib must not carry
};

bool HasDomain(const std::string& product) {
  return product == "Default03" || product == "Default04" || product == "Default05";
}

Contract JobAuthenticationContract(const std::string& product) {
  Contract c;
  Container panel{"jbaView", false, "", {
      {"jobAcctTypeList", 1001, "popup"}, {"jbaDetailedSetting", 1002, "push"},
      {"jbaWndHelpButtonCtrl", 1003, "push"}, {"jbaMngTypeTitle", 1004, "label"},
      {"jbaVerStringSTextCtrl", 1005, "label"}, {"jbaInfoSettingList", 1007, "popup"},
      {"jbaInfoSetList", 1008, "popup"}}};
  if (product == "Default05") c.absent.insert(1006);
  else panel.items.push_back({"jbaInfoSettingTitle", 1006, "label"});
  c.containers.push_back(panel);

  struct Member { const char* name; int offset; const char* kind; bool domainOnly; };
  static const Member kInfoMembers[] = {
      {"jbaInfoOkBut", 1, "push", false}, {"jbaInfoCancelBut", 2, "push", false},
      {"jbaInfoRestoreBut", 3, "push", false}, {"jbaWndHelpButtonCtrl", 4, "push", false},
      {"jbaWndJobInfoRdioCtrl", 5, "radio", false}, {"jbaWndUserIDLboxCtrl", 6, "popup", false},
      {"jbaWndUserIDEtxtCtrl", 7, "field", false}, {"jbaWndLoginEtxtCtrl", 8, "field", false},
      {"jbaWndUserIDPwEtxtCtrl", 9, "secure", false}, {"jbaWndUserIDLboxStxtCtrl", 10, "label", false},
      {"jbaWndUserIDStxtCtrl", 11, "label", false}, {"jbaWndUserIDPwStxtCtrl", 12, "label", false},
      {"jbaWndStrgIDEtxtCtrl", 13, "field", false}, {"jbaWndStrgIDPwEtxtCtrl", 14, "secure", false},
      {"jbaWndStrgIDStxtCtrl", 15, "label", false}, {"jbaWndStrgIDPwStxtCtrl", 16, "label", false},
      {"jbaWndJobInputRdioCtrl", 17, "radio", false}, {"jbaWndAcntIDEtxtCtrl", 18, "field", false},
      {"jbaWndAcntIDStxtCtrl", 19, "label", false}, {"jbaWndLastInputCboxCtrl", 20, "check", false},
      {"jbaWndUserFrmtCboxCtrl", 21, "check", false}, {"jbaWndAcntFrmtCboxCtrl", 22, "check", false},
      {"jbaWndDomainNameStxtCtrl", 23, "label", true}, {"jbaWndDomainNameEtxtCtrl", 24, "field", true}};
  for (const auto& [outlet, base, title] :
       {std::tuple{"jbaInfoAdminWnd", 2000, "Admin Window Title String"},
        std::tuple{"jbaInfoWnd", 3000, "User Window Title String"}}) {
    Container w{outlet, true, title, {}};
    for (const auto& m : kInfoMembers) {
      if (m.domainOnly && !HasDomain(product)) c.absent.insert(base + m.offset);
      else w.items.push_back({std::string(outlet) + "." + m.name, base + m.offset, m.kind});
    }
    c.containers.push_back(w);
  }

  static const Member kInputMembers[] = {
      {"jbaInputWndOKPushCtrl", 4001, "push", false}, {"jbaInputWndCnclPushCtrl", 4002, "push", false},
      {"jbaWndHelpButtonCtrl", 4003, "push", false}, {"jbaInputWndAuthRdioCtrl", 4004, "radio", false},
      {"jbaInputWndStrgRdioCtrl", 4009, "radio", false}, {"jbaInputWndUserIDStxtCtrl", 4005, "label", false},
      {"jbaInputWndUserIDEtxtCtrl", 4006, "field", false}, {"jbaInputWndUserID2EtxtCtrl", 4015, "secure", false},
      {"jbaInputWndUserIDPwStxtCtrl", 4007, "label", false}, {"jbaInputWndUserIDPwEtxtCtrl", 4008, "secure", false},
      {"jbaInputWndDomainNameStxtCtrl", 4020, "label", true}, {"jbaInputWndDomainNameEtxtCtrl", 4021, "field", true},
      {"jbaInputWndDomainName2EtxtCtrl", 4022, "secure", true}, {"jbaInputWndAcntIDStxtCtrl", 4016, "label", false},
      {"jbaInputWndAcntIDEtxtCtrl", 4017, "field", false}, {"jbaInputWndAcntID2EtxtCtrl", 4018, "secure", false},
      {"jbaInputWndStrgIDStxtCtrl", 4010, "label", false}, {"jbaInputWndStrgIDEtxtCtrl", 4011, "field", false},
      {"jbaInputWndStrgID2EtxtCtrl", 4014, "secure", false}, {"jbaInputWndStrgIDPwStxtCtrl", 4012, "label", false},
      {"jbaInputWndStrgIDPwEtxtCtrl", 4013, "secure", false}, {"jbaInputWndInfoSetListCtrl", 4019, "popup", false}};
  Container input{"jbaInputWndRes", true, "Input Window Title String", {}};
  for (const auto& m : kInputMembers) {
    if (m.domainOnly && !HasDomain(product)) c.absent.insert(m.offset);
    else input.items.push_back({std::string("jbaInputWndRes.") + m.name, m.offset, m.kind});
  }
  c.containers.push_back(input);
  return c;
}

// The document-name rows and the four buttons that every setup window has.
void AddSetupRows(Container& w, const std::string& word, int listTag, int buttonBase) {
  const std::string o = w.outlet + ".";
  w.items.insert(w.items.end(), {
      {o + word + "DocumentNameListTitle", listTag + 1000, "label"},
      {o + word + "DocumentNameList", listTag, "popup"},
      {o + word + "DocumentNameTitle", listTag + 1001, "label"},
      {o + word + "DocumentName", listTag + 1, "field"},
      {o + word + "PrintTypeHelpButton", buttonBase + 1, "push"},
      {o + word + "PrintTypeDefaultButton", buttonBase + 2, "push"},
      {o + word + "PrintTypeOKButton", buttonBase + 3, "push"},
      {o + word + "PrintTypeCancelButton", buttonBase + 4, "push"}});
}

Contract PrintTypeContract(const std::string& product) {
  Contract c;
  const std::string setupTitle = "Job Type Setup Window Title";
  c.containers.push_back({"PrintTypeView", false, "", {
      {"PrintTypeList", 101, "popup"}, {"PrintTypeListTitle", 102, "label"},
      {"PrintTypeSetupButton", 103, "push"}, {"PrintTypeDefault", 104, "push"},
      {"VersionString", 105, "label"}, {"PrintTypeHelpButton", 109, "push"}}});

  Container sample{"PrintTypeSamplePrintWindow", true, setupTitle, {
      {"PrintTypeSamplePrintWindow.SamplePrintTypeUserIDTitle", 2012, "label"},
      {"PrintTypeSamplePrintWindow.SamplePrintTypeUserID", 1012, "field"}}};
  AddSetupRows(sample, "Sample", 1014, 1110);

  Container secure{"PrintTypeSecurePrintWindow", true, setupTitle, {
      {"PrintTypeSecurePrintWindow.SecurePrintTypeUserIDTitle", 2022, "label"},
      {"PrintTypeSecurePrintWindow.SecurePrintTypePasscodeTitle", 2026, "label"},
      {"PrintTypeSecurePrintWindow.SecurePrintTypePasscode", 1026, "secure"}}};
  if (product == "Default04") {
    secure.items.push_back({"PrintTypeSecurePrintWindow.SecurePrintTypeLoginEtxt", 1023, "field"});
    c.absent.insert(1022);
  } else {
    secure.items.push_back({"PrintTypeSecurePrintWindow.SecurePrintTypeUserID", 1022, "field"});
    c.absent.insert(1023);
  }
  AddSetupRows(secure, "Secure", 1024, 1120);

  Container delayed{"PrintTypeDelayedPrintWindow", true, setupTitle, {
      {"PrintTypeDelayedPrintWindow.DelayPrintTitle", 2033, "label"},
      {"PrintTypeDelayedPrintWindow.DelayPrintTime", 1033, "picker"}}};
  AddSetupRows(delayed, "Delayed", 1034, 1130);

  Container mailbox{"PrintTypeMailBoxPrintWindow", true, setupTitle, {
      {"PrintTypeMailBoxPrintWindow.MailBoxNumberPrintTypeTitle", 2041, "label"},
      {"PrintTypeMailBoxPrintWindow.MailBoxPrintTypeNumber", 1041, "field"},
      {"PrintTypeMailBoxPrintWindow.MailBoxPrintTypePasscodeTitle", 2042, "label"},
      {"PrintTypeMailBoxPrintWindow.MailBoxPrintTypePasscode", 1042, "secure"}}};
  AddSetupRows(mailbox, "MailBox", 1044, 1140);

  c.containers.insert(c.containers.end(), {sample, secure, delayed, mailbox});
  c.containers.push_back({"ErrWindow", true, "", {
      {"ErrWindow.ErrMsgWndOKButton", 211, "push"}, {"ErrWindow.ErrMsgWndWarning", 212, "label"},
      {"ErrWindow.ErrMsgWndIcon", 213, "image"}}});
  c.containers.push_back({"PrintTypePopUpWindow", true, "", {
      {"PrintTypePopUpWindow.AboutWndOKButton", 201, "push"},
      {"PrintTypePopUpWindow.AboutWndCancelButton", 202, "push"},
      {"PrintTypePopUpWindow.AboutWndMessage", 203, "label"},
      {"PrintTypePopUpWindow.AboutWndIcon", 204, "image"}}});
  return c;
}

// The nibs the product tables choose: "ZQPrintJBA_" or "ZQPrintType_" and
// the product key.
const std::vector<std::string> kJobAuthenticationProducts = {
    "Default00", "Default01", "Default02", "Morvane00", "Printer00", "Default03", "Default04", "Default05"};
const std::vector<std::string> kPrintTypeProducts = {
    "Default00", "Default01", "Default02", "Default03", "Morvane00", "Default04"};

// ---- a loaded nib -----------------------------------------------------------

// Loads a nib with every outlet of the contract bound.
class LoadedNib {
 public:
  LoadedNib(const std::string& name, const Contract& contract) {
    zqp::Outlets outlets;
    for (const auto& c : contract.containers) {
      if (c.isWindow) outlets.bind(c.outlet, windows_[c.outlet]);
      else outlets.bind(c.outlet, views_[c.outlet]);
      for (const auto& item : c.items) outlets.bind(item.outlet, views_[item.outlet]);
    }
    zqp::Bundle* bundle = AccountBundle();
    loaded_ = bundle != nullptr && zqp::LoadNib(*bundle, name, outlets, top_, &error_);
  }
  bool loaded() const { return loaded_; }
  const std::string& error() const { return error_; }
  zqp::View* view(const std::string& outlet) { return views_[outlet]; }
  zqp::Window* window(const std::string& outlet) { return windows_[outlet]; }
  // The root view of a container: the panel view or the window's content.
  zqp::View* root(const Container& c) {
    if (!c.isWindow) return views_[c.outlet];
    return windows_[c.outlet] ? windows_[c.outlet]->contentView() : nullptr;
  }
  // Every view of the nib, each with the root it sits in.
  std::vector<std::pair<zqp::View*, zqp::View*>> allViews() const {
    std::vector<std::pair<zqp::View*, zqp::View*>> out;
    for (const auto& o : top_) {
      zqp::View* r = dynamic_cast<zqp::View*>(o.get());
      if (auto* w = dynamic_cast<zqp::Window*>(o.get())) r = w->contentView();
      if (r) Walk(r, r, out);
    }
    return out;
  }
  std::vector<zqp::Window*> allWindows() const {
    std::vector<zqp::Window*> out;
    for (const auto& o : top_) {
      if (auto* w = dynamic_cast<zqp::Window*>(o.get())) out.push_back(w);
    }
    return out;
  }

 private:
  static void Walk(zqp::View* v, zqp::View* r, std::vector<std::pair<zqp::View*, zqp::View*>>& out) {
    out.emplace_back(v, r);
    for (const auto& s : v->subviews()) Walk(s.get(), r, out);
  }
  std::map<std::string, zqp::View*> views_;
  std::map<std::string, zqp::Window*> windows_;
  std::vector<std::unique_ptr<zqp::Object>> top_;
  std::string error_;
  bool loaded_ = false;
};

struct NibCase {
  std::string name;
  Contract contract;
};

std::vector<NibCase> AllNibs() {
  std::vector<NibCase> out;
  for (const auto& p : kJobAuthenticationProducts) out.push_back({"ZQPrintJBA_" + p, JobAuthenticationContract(p)});
  for (const auto& p : kPrintTypeProducts) out.push_back({"ZQPrintType_" + p, PrintTypeContract(p)});
  return out;
}

void PrintTo(const NibCase& c, std::ostream* os) { *os << c.name; }

class AccountNib : public ::testing::TestWithParam<NibCase> {};

TEST_P(AccountNib, EveryOutletAndTagIsWhereTheCodeLooks) {
  const NibCase& nc = GetParam();
  LoadedNib nib(nc.name, nc.contract);
  ASSERT_TRUE(nib.loaded()) << nib.error();
  std::set<int> known;
  for (const auto& c : nc.contract.containers) {
    zqp::View* root = nib.root(c);
    ASSERT_NE(root, nullptr) << c.outlet;
    if (c.isWindow) {
      EXPECT_EQ(nib.window(c.outlet)->title(), c.title) << c.outlet;
    }
    for (const auto& item : c.items) {
      zqp::View* v = nib.view(item.outlet);
      ASSERT_NE(v, nullptr) << "no outlet " << item.outlet;
      EXPECT_EQ(v->tag(), item.tag) << item.outlet;
      EXPECT_EQ(root->viewWithTag(item.tag), v) << item.tag << " is not found in " << c.outlet;
      EXPECT_EQ(KindOf(*v), item.kind) << item.outlet;
      known.insert(item.tag);
    }
  }
  // No stray or doubled tag: a constraint list names its target by tag alone.
  std::multiset<int> tags;
  for (const auto& [v, root] : nib.allViews()) {
    if (v->tag() == 0) continue;
    tags.insert(v->tag());
    EXPECT_TRUE(known.count(v->tag())) << "view with tag " << v->tag() << " is in no contract";
    EXPECT_FALSE(nc.contract.absent.count(v->tag())) << "tag " << v->tag() << " does not belong to this product";
  }
  for (int t : tags) EXPECT_EQ(tags.count(t), 1u) << "tag " << t << " appears more than once";
}

TEST_P(AccountNib, EveryTextIsALocalisationKeyWithATextInEveryTable) {
  const NibCase& nc = GetParam();
  LoadedNib nib(nc.name, nc.contract);
  ASSERT_TRUE(nib.loaded()) << nib.error();
  zqp::Bundle* bundle = AccountBundle();
  ASSERT_NE(bundle, nullptr);
  std::vector<std::string> keys;
  for (auto* w : nib.allWindows()) keys.push_back(w->title());
  for (const auto& [v, root] : nib.allViews()) {
    if (auto* b = dynamic_cast<zqp::Button*>(v)) keys.push_back(b->title());
    if (auto* t = dynamic_cast<zqp::TextField*>(v)) keys.push_back(t->stringValue());
    if (auto* p = dynamic_cast<zqp::PopUpButton*>(v)) {
      for (const auto& item : p->menu().items()) keys.push_back(item.title);
    }
  }
  for (const auto& key : keys) {
    if (key.empty()) continue;
    for (const auto& table : kTables) {
      EXPECT_NE(bundle->localizedString(key, zqp::kNoTranslation, table), zqp::kNoTranslation)
          << "\"" << key << "\" has no text in " << table;
    }
  }
}

TEST_P(AccountNib, WindowsHaveAClosedKeyLoopAndViewsFitTheirSuperview) {
  const NibCase& nc = GetParam();
  LoadedNib nib(nc.name, nc.contract);
  ASSERT_TRUE(nib.loaded()) << nib.error();
  std::map<zqp::View*, zqp::View*> rootOf;
  for (const auto& [v, root] : nib.allViews()) rootOf[v] = root;
  for (const auto& [v, root] : nib.allViews()) {
    if (v->nextKeyView()) {
      EXPECT_EQ(rootOf[v->nextKeyView()], root) << "tag " << v->tag() << " leads out of its window";
    }
    if (zqp::View* s = v->superview()) {
      const zqp::Frame& f = v->frame();
      const zqp::Frame& b = s->frame();
      EXPECT_TRUE(f.x >= 0 && f.y >= 0 && f.x + f.width <= b.width && f.y + f.height <= b.height)
          << "tag " << v->tag() << " lies outside its superview";
    }
  }
  for (zqp::Window* w : nib.allWindows()) {
    zqp::View* start = w->initialFirstResponder();
    ASSERT_NE(start, nullptr) << w->title();
    zqp::View* v = start;
    int steps = 0;
    do {
      v = v->nextKeyView();
    } while (v != nullptr && v != start && ++steps < 100);
    EXPECT_EQ(v, start) << "the key loop of window \"" << w->title() << "\" does not come back";
  }
}

INSTANTIATE_TEST_SUITE_P(Products, AccountNib, ::testing::ValuesIn(AllNibs()),
                         [](const auto& info) { return info.param.name; });

// The twin of each input field stands where the plain field stands: the
// format boxes show one of the two in the same place.
TEST(AccountNibLayout, InputTwinsShareTheirPlace) {
  for (const auto& product : kJobAuthenticationProducts) {
    LoadedNib nib("ZQPrintJBA_" + product, JobAuthenticationContract(product));
    ASSERT_TRUE(nib.loaded()) << nib.error();
    std::vector<std::pair<std::string, std::string>> twins = {
        {"UserID", "UserID2"}, {"AcntID", "AcntID2"}, {"StrgID", "StrgID2"}};
    if (HasDomain(product)) twins.push_back({"DomainName", "DomainName2"});
    for (const auto& [plain, masked] : twins) {
      zqp::View* p = nib.view("jbaInputWndRes.jbaInputWnd" + plain + "EtxtCtrl");
      zqp::View* m = nib.view("jbaInputWndRes.jbaInputWnd" + masked + "EtxtCtrl");
      ASSERT_TRUE(p && m) << product << " " << plain;
      EXPECT_TRUE(p->frame().x == m->frame().x && p->frame().y == m->frame().y) << product << " " << plain;
    }
  }
}

// Lists the code drives itself: the case lists never show, and the print-type
// list disables items one by one, which needs automatic enabling off.
TEST(AccountNibLayout, ListsTheCodeDrives) {
  LoadedNib jba("ZQPrintJBA_Default00", JobAuthenticationContract("Default00"));
  ASSERT_TRUE(jba.loaded()) << jba.error();
  EXPECT_TRUE(jba.view("jbaInfoSetList")->isHidden());
  EXPECT_TRUE(jba.view("jbaInputWndRes.jbaInputWndInfoSetListCtrl")->isHidden());
  auto* cases = static_cast<zqp::PopUpButton*>(jba.view("jbaInfoSetList"));
  ASSERT_EQ(cases->numberOfItems(), 9);
  EXPECT_EQ(cases->itemAtIndex(7)->title, "Case_8");

  LoadedNib pt("ZQPrintType_Default00", PrintTypeContract("Default00"));
  ASSERT_TRUE(pt.loaded()) << pt.error();
  auto* list = static_cast<zqp::PopUpButton*>(pt.view("PrintTypeList"));
  EXPECT_FALSE(list->menu().autoenablesItems());
  ASSERT_EQ(list->numberOfItems(), 5);
  EXPECT_EQ(list->itemAtIndex(4)->title, "Job Type MBN");  // last, so leaving it out moves no code
  auto* icon = static_cast<zqp::ImageView*>(pt.view("PrintTypePopUpWindow.AboutWndIcon"));
  EXPECT_NE(icon->image(), nullptr);
}

// ---- string tables ------------------------------------------------------------

// Every key the panels, windows and controls look up.
const std::vector<std::string> kKeys = {
    // panels, windows, framework
    "Job Authentication Title", "PDE Title", "Admin Window Title String", "User Window Title String",
    "Input Window Title String", "Job Type Setup Window Title", "Help Viewer Title for Job Accounting",
    "Alert OK Btn", "On", "Off",
    // job-authentication panel and windows
    "JBA Account Mode Text", "JBA Account Mode", "Job Authentication Type User Mode",
    "Job Authentication Type Administration Mode", "JBA Account Info Setting Text", "JBA Account Info Setting",
    "User ID Fixed Text", "Billing ID Fixed Text", "Switch Enabled Text", "Case_1", "Case_2", "Case_3", "Case_4",
    "Case_5", "Case_6", "Case_7", "Case_8", "Case_9", "Detailed User Settings Btn", "JBA Common User Info Type",
    "JBA Job User Type", "Detailed User Settings", "JBA Specify Name text", "JBA Specify Name", "JBA Login Name",
    "JBA Input Name", "User ID text", "User ID", "User ID Password text", "User ID Password", "Domain Name text",
    "Domain Name", "Account ID text", "Account ID", "Billing ID text", "Billing ID", "Billing ID Password text",
    "Billing ID Password", "JBA Last Info Setting", "JBA User ID Format", "JBA User ID Format No Domain",
    "JBA Account ID Format", "JBA Auth Radio", "JBA Strg Radio", "JBA Info OK Btn", "JBA Info RESTORE Btn",
    "JBA Info CANCEL Btn", "JBA Input OK Btn", "JBA Input CANCEL Btn",
    "Warning32", "Warning33", "Warning34", "Warning35", "Warning36", "Warning38", "Warning38A", "Warning38b",
    "Warning38c", "Warning52", "Warning53", "Warning54", "Message60",
    // print-type panel and windows
    "Print Type List", "PDE Menu Summary", "Job Type None", "Job Type Secure", "Job Type Sample", "Job Type Time",
    "Job Type MBN", "Setup Button Title", "Restore Button Title", "PT Message OK Btn", "PT Message CANCEL Btn",
    "Message61", "Print Type User Name Text", "Password Text", "Retrieve Document Name List",
    "Document Name Type Auto", "Document Name Type Enter Name", "Document Name Text", "Start Print Time Text",
    "MailBox Number Text", "MBN Password Text", "MailBox Document Name List", "MailBox Document Name Type Auto",
    "MailBox Document Name Type Enter Name", "MailBox Document Name Text", "PT Setup Window Rstr Buttons",
    "PT Setup Window OK Buttons", "PT Setup Window Cancel Buttons", "Password", "Retrieve Document Name",
    "Document Name", "MailBox Retrieve Document Name", "MailBox Document Name", "MailBox Number ID",
    "MNB Password", "Start Print Time",
    "Message40", "Message41", "Message41b", "Message41c", "Message41_m", "Message41b_m", "Message41c_m",
    "Message42", "Message42b", "Message43", "Message43b", "Message57", "Message58", "Message59", "Message62",
    "Message63", "Message64", "Warning22"};

TEST(AccountStrings, EveryKeyHasATextInEveryTable) {
  zqp::Bundle* bundle = AccountBundle();
  ASSERT_NE(bundle, nullptr);
  for (const auto& table : kTables) {
    for (const auto& key : kKeys) {
      const std::string text = bundle->localizedString(key, zqp::kNoTranslation, table);
      EXPECT_NE(text, zqp::kNoTranslation) << "\"" << key << "\" has no text in " << table;
      EXPECT_FALSE(text.empty()) << key;
    }
  }
}

// The code fills "[n]" in these texts with a number; without it the user
// would never see the limit.
TEST(AccountStrings, TextsWithANumberCarryItsPlace) {
  zqp::Bundle* bundle = AccountBundle();
  ASSERT_NE(bundle, nullptr);
  for (const auto& table : kTables) {
    for (const char* key : {"Message60", "Warning22", "Password Text", "Password"}) {
      EXPECT_NE(bundle->localizedString(key, "", table).find("[n]"), std::string::npos) << key << " in " << table;
    }
  }
}

// The help button asks the string table for the book's name, the help-book
// registration takes it from Info.json: both must name the same book.
TEST(AccountStrings, HelpBookTitleIsTheBundlesHelpBook) {
  zqp::Bundle* bundle = AccountBundle();
  ASSERT_NE(bundle, nullptr);
  EXPECT_EQ(bundle->identifier(), "com.tavelle.r15.pde.Account");
  const std::string book = bundle->infoValue("CFBundleHelpBookName");
  ASSERT_FALSE(book.empty());
  for (const auto& table : kTables) {
    EXPECT_EQ(bundle->localizedString("Help Viewer Title for Job Accounting", "", table), book) << table;
  }
}

// ---- help pages and icon --------------------------------------------------------

TEST(AccountResources, HelpPagesOfTheSampleHelpKeyAndTheAlertIcon) {
  zqp::Bundle* bundle = AccountBundle();
  ASSERT_NE(bundle, nullptr);
  for (const char* page : {"JBA_ARK", "DetailedUS_ARK", "EnterUD_ARK", "SelectJobType_ARK"}) {
    EXPECT_TRUE(bundle->pathForResource(page, "htm", "Help")) << page;
  }
  auto icon = bundle->pathForResource("AlertIcon", "png");
  ASSERT_TRUE(icon);
  std::ifstream in(*icon, std::ios::binary);
  std::string head(24, '\0');
  in.read(head.data(), 24);
  ASSERT_EQ(in.gcount(), 24);
  EXPECT_EQ(head.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(head.substr(12, 4), "IHDR");
}

}  // namespace
