#pragma once
// The job's user and document names, from the command line, by the rules
// the device expects (printable, bounded, never empty for the user).
#include <cstddef>

namespace zqf {

struct Job;

// argv[2] and argv[3] into the name records, then the name rules.
void PrepareIdentityTeld(Job& job);

void InvalidateStdUserName(Job& job);
void InvalidateStdDocumentNameForProductType(Job& job);
void InvalidateStdDocumentName(Job& job, size_t maxBytes = 32);
void InvalidatePrintTypeDocumentNameForProductType(Job& job);

// The product type from the ticket, -1 when absent.
int ReadProductType(Job& job);

}  // namespace zqf
