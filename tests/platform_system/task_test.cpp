#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

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

// The child reads the descriptor it was given, not the name: the file is
// renamed away after it was opened and another put in its place.
TEST(RunTask, InputFromAnOpenedDescriptor) {
  zqtest::TempDir dir;
  const std::string file = dir.file("job.ps", "the opened file");
  const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(rename(file.c_str(), (file + ".old").c_str()), 0);
  dir.file("job.ps", "another file");
  const zqp::TaskResult cat = zqp::RunTaskWithInput("/bin/cat", {}, fd);
  close(fd);
  ASSERT_TRUE(cat.succeeded()) << cat.error;
  EXPECT_EQ(cat.output, "the opened file");
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
