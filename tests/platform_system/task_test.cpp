#include <gtest/gtest.h>

#include "../platform/test_support.h"
#include "zqp/task.h"

namespace {

TEST(RunTask, GzipCompressesAFileAndExitsZero) {
  zqtest::TempDir dir;
  const std::string original(20000, 'x');
  const std::string file = dir.file("job.ps", original);
  const zqp::TaskResult zip = zqp::RunTask("/usr/bin/gzip", {"-c", file});
  ASSERT_TRUE(zip.succeeded()) << zip.error;
  ASSERT_GE(zip.output.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(zip.output[0]), 0x1f);
  EXPECT_EQ(static_cast<unsigned char>(zip.output[1]), 0x8b);
  EXPECT_LT(zip.output.size(), original.size());

  const std::string zipped = dir.file("job.ps.gz", zip.output);
  const zqp::TaskResult unzip = zqp::RunTask("/usr/bin/gzip", {"-dc", zipped});
  ASSERT_TRUE(unzip.succeeded());
  EXPECT_EQ(unzip.output, original);
}

TEST(RunTask, ReportsExitStatusSignalAndUnstartablePrograms) {
  const zqp::TaskResult missing = zqp::RunTask("/usr/bin/gzip", {"/nonexistent/zq-file"});
  EXPECT_TRUE(missing.launched);
  EXPECT_EQ(missing.exitStatus, 1);
  EXPECT_FALSE(missing.succeeded());

  const zqp::TaskResult killed = zqp::RunTask("/bin/sh", {"-c", "kill -TERM $$"});
  EXPECT_TRUE(killed.launched);
  EXPECT_EQ(killed.signal, 15);
  EXPECT_FALSE(killed.succeeded());

  const zqp::TaskResult none = zqp::RunTask("/nonexistent/zq-program", {});
  EXPECT_FALSE(none.launched);
  EXPECT_FALSE(none.error.empty());
  EXPECT_FALSE(none.succeeded());
}

}  // namespace
