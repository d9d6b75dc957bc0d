#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "zqp/observable.h"

namespace {

using zqp::KeyValue;

// A model in the shape the job-accounting panel uses: a flag, a name, and a
// derived key that follows the flag by watching it.
class Account : public zqp::Observable {
 public:
  Account() {
    defineProperty("isAuthenticated", [this] { return KeyValue(authenticated_); },
                   [this](const KeyValue& v) { authenticated_ = zqp::KeyValueIsTrue(v); });
    defineProperty("userName", [this] { return KeyValue(name_); },
                   [this](const KeyValue& v) {
                     if (const auto* s = std::get_if<std::string>(&v)) name_ = *s;
                   });
    defineProperty("status", [this] { return KeyValue(status_); });
    self_ = addObserver("isAuthenticated", zqp::kObservingNew, [this](const zqp::ObservedChange& c) {
      willChangeValueForKey("status");
      status_ = zqp::KeyValueIsTrue(c.newValue) ? "in" : "out";
      didChangeValueForKey("status");
    });
  }

 private:
  bool authenticated_ = false;
  std::string name_;
  std::string status_ = "out";
  std::unique_ptr<zqp::Observation> self_;
};

TEST(Observable, NoticesCarryWhatTheObserverAskedFor) {
  Account account;
  std::vector<zqp::ObservedChange> all, onlyNew;
  auto a = account.addObserver("userName", zqp::kObservingNew | zqp::kObservingOld | zqp::kObservingInitial,
                               [&](const zqp::ObservedChange& c) { all.push_back(c); });
  auto b = account.addObserver("userName", zqp::kObservingNew, [&](const zqp::ObservedChange& c) { onlyNew.push_back(c); });
  ASSERT_TRUE(account.setValueForKey("userName", std::string("alice")));
  ASSERT_TRUE(account.setValueForKey("userName", std::string("bob")));

  ASSERT_EQ(all.size(), 3u);
  EXPECT_TRUE(all[0].initial);
  EXPECT_EQ(all[0].newValue, KeyValue(std::string()));
  EXPECT_EQ(all[1].oldValue, KeyValue(std::string()));
  EXPECT_EQ(all[1].newValue, KeyValue(std::string("alice")));
  EXPECT_EQ(all[2].oldValue, KeyValue(std::string("alice")));
  EXPECT_EQ(all[2].newValue, KeyValue(std::string("bob")));
  ASSERT_EQ(onlyNew.size(), 2u);
  EXPECT_FALSE(onlyNew[0].initial);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(onlyNew[1].oldValue));

  EXPECT_FALSE(account.setValueForKey("status", std::string("x"))) << "read-only";
  EXPECT_FALSE(account.setValueForKey("noSuchKey", true));
}

TEST(Observable, ObjectObservingItsOwnKeyAnnouncesTheDerivedChange) {
  Account account;
  std::vector<KeyValue> seen;
  auto o = account.addObserver("status", zqp::kObservingNew | zqp::kObservingOld,
                               [&](const zqp::ObservedChange& c) { seen.push_back(c.oldValue), seen.push_back(c.newValue); });
  account.setValueForKey("isAuthenticated", true);
  EXPECT_EQ(account.valueForKey("status"), KeyValue(std::string("in")));
  EXPECT_EQ(seen, (std::vector<KeyValue>{std::string("out"), std::string("in")}));
}

TEST(Observable, DroppedObservationGetsNoNoticeAndMayOutliveItsObject) {
  int calls = 0;
  auto account = std::make_unique<Account>();
  auto observation = account->addObserver("userName", zqp::kObservingNew, [&](const zqp::ObservedChange&) { ++calls; });
  account->setValueForKey("userName", std::string("a"));
  observation.reset();  // the observer goes away first
  account->setValueForKey("userName", std::string("b"));
  EXPECT_EQ(calls, 1);

  auto late = account->addObserver("userName", zqp::kObservingNew, [&](const zqp::ObservedChange&) { ++calls; });
  account.reset();  // the object goes away first
  late->invalidate();
  late.reset();
  EXPECT_EQ(calls, 1);
}

TEST(Observable, HandlerMayDropObservationsDuringANotice) {
  Account account;
  int first = 0, second = 0;
  std::unique_ptr<zqp::Observation> a, b;
  a = account.addObserver("userName", zqp::kObservingNew, [&](const zqp::ObservedChange&) {
    ++first;
    a.reset();
    b.reset();
  });
  b = account.addObserver("userName", zqp::kObservingNew, [&](const zqp::ObservedChange&) { ++second; });
  account.setValueForKey("userName", std::string("x"));
  account.setValueForKey("userName", std::string("y"));
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 0);
}

TEST(Observable, ObjectDestroyedDuringANoticeTellsNoOneElse) {
  auto account = std::make_unique<Account>();
  int later = 0;
  auto first = account->addObserver("userName", zqp::kObservingNew, [&](const zqp::ObservedChange&) { account.reset(); });
  auto second = account->addObserver("userName", zqp::kObservingNew, [&](const zqp::ObservedChange&) { ++later; });
  EXPECT_TRUE(second->isValid());
  account->setValueForKey("userName", std::string("gone"));
  EXPECT_EQ(account, nullptr);
  EXPECT_EQ(later, 0);
  EXPECT_FALSE(first->isValid());
  EXPECT_FALSE(second->isValid());
}

}  // namespace
