#pragma once
// The ARK edition's print-type, accounting and job-information modules:
// the shared module code with this edition's tables, the UTF-8 twins of
// the name rows for products that read UTF-8, and the reduced print-type
// table of products that offer only secure and sample print.
#include "../../core/job.h"
#include "../../modules/modules.h"

namespace zqf::ark {

// The secure-print user name must be shorter than this to hold the job.
inline constexpr int32_t PRINTTYPEUSERNAMEDMAXLEN = 97;

// Accounting-information list and set (condition right sides).
inline constexpr int32_t JBAInfoListNotExist = 0;
inline constexpr int32_t JBAInfoListUserAccntSelect = 1;
inline constexpr int32_t JBAInfoListBillingSelect = 2;
inline constexpr int32_t JBAInfoListAllSelect = 3;
inline constexpr int32_t Case_8 = 8;
inline constexpr int32_t JBAUserNameNotExist = 1;  // the user-ID key is absent

// The ticket rows; utf8 picks the twin tables, whose user-ID, storage-ID
// and print-type name rows stay UTF-8.
TicketTable PrintTypeticketData(Job& job, bool utf8);
JBATicketSpec JBATicketSpecFor(bool utf8);

// True on a UTF-8 product whose PPD names the print-type settings without
// mailbox and delayed print ("Default04").
bool UsesPrintTypePartTable(const Job& job);

// The job-information block: 1.3.0 with the basic lines, or 1.5.0 with
// the advanced lines too when "CommentOn" asks for it.
void OutputEPJLCommandforComment(Job& job);

extern const FilterModule ArkPrintTypeModule;
extern const FilterModule ArkJBAModule;
extern const FilterModule ArkCommentModule;

}  // namespace zqf::ark
