// The main of every test program. The suite writes to fixed places of the
// machine (the caches and preferences under /Library and /var/lib/zq, the
// user's own preferences); a test that forgets to move one of them, or a
// program it starts without the test's own folders, would change the machine
// it runs on. So every test program starts with those places (and its
// temporary folder) moved into a private folder of its own, removed again
// at the end, and a test that clears one of the variables in its TearDown
// gets it back before the next.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace {

class PrivateMachine : public ::testing::EmptyTestEventListener {
 public:
  explicit PrivateMachine(std::vector<std::pair<std::string, std::string>> variables)
      : variables_(std::move(variables)) {}
  void Apply() const {
    for (const auto& [name, value] : variables_) {
      const char* now = getenv(name.c_str());
      if (now == nullptr || *now == '\0') setenv(name.c_str(), value.c_str(), 1);
    }
  }
  void OnTestEnd(const ::testing::TestInfo&) override { Apply(); }

 private:
  std::vector<std::pair<std::string, std::string>> variables_;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const char* tmp = getenv("TMPDIR");
  std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/zq-test-machine-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) {
    perror("mkdtemp");
    return 2;
  }
  const std::string root = pattern;
  // The folder is shared with the programs a test runs as another user.
  std::filesystem::permissions(root, std::filesystem::perms::all);
  // Temporary files the programs leave (the watermark's picture copies, a
  // job copy) stay in the private folder too.
  const std::string tmpdir = root + "/tmp";
  std::filesystem::create_directory(tmpdir);
  std::filesystem::permissions(tmpdir, std::filesystem::perms::all | std::filesystem::perms::sticky_bit);
  setenv("TMPDIR", tmpdir.c_str(), 1);
  auto* machine = new PrivateMachine({{"TMPDIR", tmpdir},
                                      {"ZQ_ROOT", root + "/root"},
                                      {"ZQ_PREFS_DIR", root + "/preferences"},
                                      {"XDG_CONFIG_HOME", root + "/config"}});
  machine->Apply();
  ::testing::UnitTest::GetInstance()->listeners().Append(machine);
  const int status = RUN_ALL_TESTS();
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);
  return status;
}
