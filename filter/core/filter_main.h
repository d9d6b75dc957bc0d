#pragma once
#include "job.h"

namespace zqf {

// Runs one job as a CUPS filter does: argv[1] job ID, [2] user, [3] title,
// [4] copies, [5] options, [6] optional input file (standard input
// otherwise); the PPD and TMPDIR come from the environment. Writes the
// device job stream to outFd and log lines to errFd; returns the exit
// status.
int RunJob(const EditionProfile& profile, int argc, char** argv, int inFd = 0, int outFd = 1, int errFd = 2);

// The program's main: RunJob on the standard descriptors.
int FilterMain(const EditionProfile& profile, int argc, char** argv);

// Where the switch file that turns the job copy on lives; ZQ_JOBCOPY_SWITCH
// moves it (tests).
std::string JobCopySwitchPath();

}  // namespace zqf
