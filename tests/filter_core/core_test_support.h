#pragma once
// Helpers shared by the core's tests: a job held in memory, an edition that
// marks every hook event in the stream, environment and directory guards.
#include "core/dispatch.h"
#include <dirent.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/job.h"
#include "core/output.h"
#include "core/platform_points.h"
#include "editions/teld/teld_profile.h"

namespace coretest {

// The core alone: the TELD edition's pass-through and header frame without
// the feature modules, so what the tests see is the core's own doing.
inline const zqf::EditionProfile& CoreProfile() {
  static const zqf::EditionProfile profile = [] {
    zqf::EditionProfile p = zqf::TeldProfile();
    p.bindOrder.clear();
    p.ticketOrder.clear();
    p.pjlOrder.clear();
    p.psOrder.clear();
    p.header = {zqf::HeaderHead, zqf::OutputEPJLCommandLanguageEncoding, zqf::HeaderJobMode,
                zqf::OutputEPJLCommandFromFilter, zqf::HeaderEnterPostScript};
    return p;
  }();
  return profile;
}

// A job of the TELD edition whose streams are strings.
struct MemJob {
  explicit MemJob(const std::string& options = "",
                  std::vector<std::string> args = {"teld", "7", "alice", "Report", "1", ""},
                  const zqf::EditionProfile& profile = CoreProfile())
      : job(profile, std::move(args), outStream, errStream) {
    job.options = zqf::Options(options.c_str());
  }
  std::string out;
  std::string err;
  zqf::Stream outStream{&out};
  zqf::Stream errStream{&err};
  zqf::Job job;
};

// Sets (or, with nullptr, removes) an environment variable for a scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
      had_ = true;
      old_ = old;
    }
    if (value != nullptr) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (had_) {
      ::setenv(name_, old_.c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

// Emulates a kernel release for a scope; the OS version is computed anew.
class ScopedOsRelease {
 public:
  explicit ScopedOsRelease(const char* release) : env_("ZQ_OS_RELEASE", release) { zqf::ResetGestaltCache(); }
  ~ScopedOsRelease() { zqf::ResetGestaltCache(); }

 private:
  ScopedEnv env_;
};

// A fresh directory, removed with its content at the end of the scope.
class TempDir {
 public:
  TempDir() {
    std::string templ = std::filesystem::temp_directory_path().string() + "/zqcoreXXXXXX";
    std::vector<char> name(templ.begin(), templ.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) != nullptr) path_ = name.data();
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(path_, ec)) names.push_back(e.path().filename());
    return names;
  }

 private:
  std::string path_;
};

// What the marker edition does at a hook event, besides marking it.
inline std::function<void(int event, int page)>& HookAction() {
  static std::function<void(int, int)> action;
  return action;
}

// Writes "%%EVENT <event> page <page>" at every hook event, so a test sees
// where in the stream each event was raised.
inline void MarkerHook(zqf::Job&, int event, int page, zqf::Stream& stream) {
  zqf::ZQfputs("%%EVENT " + std::to_string(event) + " page " + std::to_string(page) + "\n", stream);
  if (HookAction()) HookAction()(event, page);
}
inline const zqf::FilterModule kMarkerModule{"Marker", nullptr, nullptr, nullptr, MarkerHook};

// The TELD edition with the marker module as its only PostScript module.
inline const zqf::EditionProfile& MarkerProfile() {
  static const zqf::EditionProfile profile = [] {
    zqf::EditionProfile p = CoreProfile();
    p.psOrder = {&kMarkerModule};
    return p;
  }();
  return profile;
}

inline std::string Marker(int event, int page) {
  return "%%EVENT " + std::to_string(event) + " page " + std::to_string(page) + "\n";
}

// Clears the hook action and the cancel flags when a test ends.
struct HookReset {
  ~HookReset() {
    HookAction() = nullptr;
    zqf::CancelJob = 0;
    zqf::CancelJobForPipe = 0;
  }
};

inline size_t Count(const std::string& haystack, const std::string& needle) {
  size_t n = 0;
  for (size_t p = haystack.find(needle); p != std::string::npos; p = haystack.find(needle, p + needle.size())) ++n;
  return n;
}

// Equality of two large byte strings, reported by the first difference
// rather than by printing megabytes.
inline testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
  if (actual == expected) return testing::AssertionSuccess();
  size_t i = 0;
  while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) ++i;
  const size_t from = i > 40 ? i - 40 : 0;
  return testing::AssertionFailure() << "sizes " << actual.size() << " and " << expected.size()
                                     << ", first difference at byte " << i << ": "
                                     << testing::PrintToString(actual.substr(from, 80)) << " instead of "
                                     << testing::PrintToString(expected.substr(from, 80));
}

inline const std::string kUel = "\x1b%-12345X";
inline const std::string kEnterPs = "@PJL ENTER LANGUAGE=POSTSCRIPT\n";
inline const std::string kTrailer = "\x1b%-12345X@PJL EOJ\n";

}  // namespace coretest
