#pragma once
// One job through a filter edition in-process, as the scheduler would run
// it: the PPD by path, the PostScript on the input, the job stream and the
// log thrown away.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/filter_main.h"
#include "fuzz_support.h"

namespace zqfuzz {

// args are argv[1] .. argv[5] (job ID, user, title, copies, options).
inline void RunFilterJob(const zqf::EditionProfile& profile, const std::string& ppdPath,
                         std::vector<std::string> args, std::string_view postscript) {
  static const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  // Decomposition mode's temporary file goes into the scratch folder; the
  // job copy stays off (its switch file never exists).
  ::setenv("TMPDIR", ScratchDir().c_str(), 1);
  ::setenv("ZQ_JOBCOPY_SWITCH", (ScratchDir() + "/no-job-copy").c_str(), 1);
  ::setenv("PPD", ppdPath.c_str(), 1);
  const int input = ::memfd_create("job", MFD_CLOEXEC);
  if (input < 0) return;
  WriteAll(input, postscript);
  ::lseek(input, 0, SEEK_SET);
  args.insert(args.begin(), profile.name);
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  zqf::RunJob(profile, static_cast<int>(args.size()), argv.data(), input, devNull, devNull);
  ::close(input);
}

}  // namespace zqfuzz
