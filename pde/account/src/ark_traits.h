#pragma once
// The ARK edition of the Account extension.
#include <cstddef>
#include <iterator>

// Namespace of every ticket and preference key this edition writes.
#define ZQ_ACCOUNT_NS "com.tavelle.qdm.printsettings."

namespace zqacct::edition {

inline constexpr const char* kBundleIdentifier = "com.tavelle.r15.pde.Account";
inline constexpr const char* kJBAPanelKind = "com.tavelle.r15.pde.AccountKind";
inline constexpr const char* kPrintTypePanelKind = "com.tavelle.r15.pde.PrintTypeKind";

// Job-authentication products (their panel is built by the job-authentication sources).
inline constexpr ProductInfoItem JBAProductInfo[] = {
    {"Default00", 0, "ZQPrintJBA_Default00"}, {"Default01", 1, "ZQPrintJBA_Default01"},
    {"Default02", 2, "ZQPrintJBA_Default02"}, {"Morvane00", 3, "ZQPrintJBA_Morvane00"},
    {"Printer00", 4, "ZQPrintJBA_Printer00"}, {"Default03", 5, "ZQPrintJBA_Default03"},
    {"Default04", 6, "ZQPrintJBA_Default04"}, {"Default05", 7, "ZQPrintJBA_Default05"},
};

// Print-type products.
inline constexpr ProductInfoItem PTProductInfo[] = {
    {"Default00", 0, "ZQPrintType_Default00"}, {"Default01", 1, "ZQPrintType_Default01"},
    {"Default02", 2, "ZQPrintType_Default02"}, {"Default03", 3, "ZQPrintType_Default03"},
    {"Morvane00", 4, "ZQPrintType_Morvane00"}, {"Default04", 5, "ZQPrintType_Default04"},
};

inline constexpr size_t kJBAProductCount = std::size(JBAProductInfo);
inline constexpr size_t kPTProductCount = std::size(PTProductInfo);

// The product whose print-type list is the reduced one (normal, secure,
// sample) and whose secure window edits the login name.
inline constexpr const char* kReducedPrintTypeProduct = "Default04";

}  // namespace zqacct::edition
