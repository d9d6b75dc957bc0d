// The model the panel's controls are bound to: its dependent values follow
// the mode on every release, and every change is told once to observers.
#include <gtest/gtest.h>
#include <zqp/observable.h>

#include <algorithm>
#include <memory>
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
  std::vector<std::unique_ptr<zqp::Observation>> observations;
  for (const std::string& name : CtModel::PropertyNames())
    observations.push_back(model.addObserver(name, zqp::kObservingNew, [&heard](const zqp::ObservedChange& c) {
      heard.push_back(c.key + "=" + std::to_string(zqp::KeyValueIsTrue(c.newValue)));
    }));
  model.setChromalogMode(0);
  // Each once; the model's own observer may tell the dependent value first.
  std::sort(heard.begin(), heard.end());
  EXPECT_EQ(heard, (std::vector<std::string>{"chromalogMode=0", "isAuthenticated=" + std::to_string(model.isAdministrator())}));

  // Values of another type, unknown keys and modes other than 0 and 1 change
  // nothing and tell nobody.
  heard.clear();
  EXPECT_FALSE(model.setProperty("chromalogMode", std::string("0")));
  EXPECT_FALSE(model.setProperty("noSuchKey", 1));
  EXPECT_FALSE(model.setProperty("chromalogMode", -1));
  EXPECT_FALSE(model.setProperty("userAccountMode", 2));
  EXPECT_TRUE(heard.empty());
  EXPECT_EQ(model.chromalogMode(), 0);

  // What a bound control hands over comes in the observed types; a value
  // that does not fit leaves the property as it was.
  EXPECT_TRUE(model.setValueForKey("chromalogMode", zqp::KeyValue{int64_t{1}}));
  EXPECT_EQ(model.chromalogMode(), 1);
  EXPECT_TRUE(model.isAuthenticated());
  model.setValueForKey("chromalogMode", zqp::KeyValue{int64_t{-1}});
  model.setValueForKey("adminAccountMode", zqp::KeyValue{std::string("1")});
  EXPECT_EQ(model.chromalogMode(), 1);
  EXPECT_EQ(model.adminAccountMode(), 0);

  // Every property answers by name, both ways.
  EXPECT_EQ(CtModel::PropertyNames().size(), 16u);
  for (const std::string& name : CtModel::PropertyNames()) {
    EXPECT_TRUE(model.property(name)) << name;
    EXPECT_FALSE(std::holds_alternative<std::monostate>(model.valueForKey(name))) << name;
  }
  EXPECT_EQ(std::get<std::string>(model.valueForKey("adminInputUserID")), "UnknownUser");
  EXPECT_EQ(std::get<int64_t>(model.valueForKey("userAccountMode")), 0);
}

}  // namespace
}  // namespace pellora
