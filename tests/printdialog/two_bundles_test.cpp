// Two bundles built from the same sources, loaded into one process, keep
// their own copy of every global of those sources.
#include <gtest/gtest.h>

#include <string>

#include "../platform/test_support.h"
#include "zqp/bundle.h"
#include "zqp/host.h"
#include "zqp/ppd.h"

namespace {

std::string SummaryValue(zqp::Panel& p, const std::string& key) {
  zqp::Summary s = p.summaryInfo();
  auto it = s.values.find(key);
  return it == s.values.end() ? "" : it->second;
}

TEST(TwoBundles, StateIsSeparate) {
  zqtest::TempDir dir;
  std::string err;
  auto ppd = zqp::PpdFile::Open(dir.file("t.ppd", zqtest::SamplePpd()), &err);
  ASSERT_NE(ppd, nullptr) << err;
  zqp::Host host(ppd->get());

  zqp::Bundle* a = zqp::Bundle::Open(std::string(ZQ_TEST_BUNDLES) + "/A/TestPanelA.plugin", &err);
  zqp::Bundle* b = zqp::Bundle::Open(std::string(ZQ_TEST_BUNDLES) + "/B/TestPanelB.plugin", &err);
  ASSERT_NE(a, nullptr) << err;
  ASSERT_NE(b, nullptr) << err;
  auto plugA = a->loadPlugIn(&err);
  ASSERT_NE(plugA, nullptr) << err;
  auto plugB = b->loadPlugIn(&err);
  ASSERT_NE(plugB, nullptr) << err;

  // A panel's summary says how many panels its module has made so far. The
  // modules stay loaded for the process's life, so the counts go on from
  // any earlier run in it: each must grow by its own panels only.
  const auto made = [](zqp::Panel& p) { return std::stoi(SummaryValue(p, "Panels made")); };
  auto a1 = plugA->PDEPanelsForType(zqp::kPrintDialogPanelType, &host);
  ASSERT_EQ(a1.size(), 1u);
  const int madeByA = made(*a1[0]);
  auto b1 = plugB->PDEPanelsForType(zqp::kPrintDialogPanelType, &host);
  ASSERT_EQ(b1.size(), 1u);
  const int madeByB = made(*b1[0]);
  auto a2 = plugA->PDEPanelsForType(zqp::kPrintDialogPanelType, &host);
  ASSERT_EQ(a2.size(), 1u);
  EXPECT_EQ(made(*a2[0]), madeByA + 1);
  auto b2 = plugB->PDEPanelsForType(zqp::kPrintDialogPanelType, &host);
  ASSERT_EQ(b2.size(), 1u);
  EXPECT_EQ(made(*b2[0]), madeByB + 1);
  // Each kept the bundle that initialised it.
  EXPECT_EQ(SummaryValue(*a2[0], "Bundle"), "com.zq.test.panelA");
  EXPECT_EQ(SummaryValue(*b1[0], "Bundle"), "com.zq.test.panelB");
  EXPECT_EQ(a1[0]->panelKind(), "com.zq.test.KindA");
  EXPECT_EQ(b1[0]->panelKind(), "com.zq.test.KindB");

  // Another dialog type, or no PPD, gives no panels.
  EXPECT_TRUE(plugA->PDEPanelsForType("other", &host).empty());
  zqp::Host noPpd(nullptr);
  EXPECT_TRUE(plugB->PDEPanelsForType(zqp::kPrintDialogPanelType, &noPpd).empty());
}

}  // namespace
