// The model the panel's controls are bound to: its dependent values follow
// the mode on every release, and every change is told once to observers.
#include <gtest/gtest.h>
#include <zqpde/user_groups.h>

#include "ct_model.h"
#include "emulated_release.h"
#include "host_values.h"

namespace pellora {
namespace {

class CtModelTest : public zqpde::test::EmulatedReleaseTest {};

TEST_F(CtModelTest, FromTenSevenOnlyUserModeIsAuthenticated) {
  UseRelease("11.0.0");
  CtModel model;
  model.awakeFromNib();
  EXPECT_FALSE(model.isAdministrator());
  EXPECT_TRUE(model.isSandboxed());
  EXPECT_EQ(model.isAdministratorColor(), kLightGrayColor);
  EXPECT_TRUE(model.isAuthenticated());
  model.setChromalogMode(0);
  EXPECT_FALSE(model.isAuthenticated());
  model.setValueForKey("chromalogMode", 1);
  EXPECT_TRUE(model.isAuthenticated());
}

TEST_F(CtModelTest, BeforeTenSevenAnAdministratorIsAuthenticatedInBothModes) {
  UseRelease("10.8.0");
  const bool admin = zqpde::checkIfAdminUser(ProcessUserName().c_str());
  CtModel model;
  model.awakeFromNib();
  EXPECT_EQ(model.isAdministrator(), admin);
  EXPECT_FALSE(model.isSandboxed());
  EXPECT_EQ(model.isAdministratorColor(), admin ? kBlackColor : kLightGrayColor);
  model.setChromalogMode(0);
  EXPECT_EQ(model.isAuthenticated(), admin);
  model.setChromalogMode(1);
  EXPECT_TRUE(model.isAuthenticated());
}

TEST_F(CtModelTest, AwakeningStartsFromTheInitialValues) {
  CtModel model;
  AccountValues edited;
  edited.chromalogMode = 0;
  edited.userGroupID = "G";
  edited.adminPassword = "secret";
  model.setAccountValues(edited);
  EXPECT_EQ(model.accountValues(), edited);
  model.awakeFromNib();
  EXPECT_EQ(model.accountValues(), AccountValues{});
  EXPECT_EQ(model.userInputUserID(), "UnknownUser");
  EXPECT_FALSE(model.isSupportPassword());
}

TEST_F(CtModelTest, ObserversHearEachChangeAndItsDependentValue) {
  CtModel model;
  model.awakeFromNib();
  std::vector<std::string> heard;
  model.addObserver([&heard](const std::string& key) { heard.push_back(key); });
  model.setChromalogMode(0);
  EXPECT_EQ(heard, (std::vector<std::string>{"chromalogMode", "isAuthenticated"}));

  heard.clear();
  EXPECT_FALSE(model.setValueForKey("chromalogMode", std::string("0")));  // wrong type
  EXPECT_FALSE(model.setValueForKey("noSuchKey", 1));
  EXPECT_TRUE(heard.empty());
  EXPECT_EQ(model.chromalogMode(), 0);

  // Every property answers by name with the type its accessor has.
  EXPECT_EQ(CtModel::PropertyNames().size(), 16u);
  for (const std::string& name : CtModel::PropertyNames()) EXPECT_TRUE(model.valueForKey(name)) << name;
  EXPECT_EQ(std::get<std::string>(*model.valueForKey("adminInputUserID")), "UnknownUser");
}

}  // namespace
}  // namespace pellora
