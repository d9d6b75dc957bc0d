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

// The print-type list: item keys in order; an item's ticket value is its
// position (1-based). Hidden items keep their place but are not offered.
inline constexpr const char* kPrintTypeItems[] = {"Job Type None", "Job Type Secure", "Job Type Sample",
                                                  "Job Type Time", "Job Type MBN", nullptr};
inline constexpr const char* kHiddenPrintTypeItem = nullptr;
// Whether the delayed-print window (start-time clock, DelayPrintTicketKey) exists.
inline constexpr bool kDelayedPrint = true;

// "ZQPrinterLanguageEncoding" "UTF-8" switches the text fields to their UTF-8 rules.
inline constexpr bool kHonoursEncodingAttribute = true;
// PPD attributes that switch a panel off with "False" (nullptr: always offered).
inline constexpr const char* kJBALoadAttribute = nullptr;
inline constexpr const char* kPrintTypeLoadAttribute = nullptr;
// The "ZQDeviceModel" value that makes the driver an OPS-PDF one (nullptr: never).
inline constexpr const char* kOPSPDFDeviceModel = nullptr;
// The PPD key of the shortest pass code.
inline constexpr const char* kPassCodeLimitKey = "ZQMinDigitPasscode";
// The attribute whose first number is the shortest pass code, and whose
// presence (rather than the option's) opens the pass-code notice (nullptr: none).
inline constexpr const char* kPassCodeLimitAttribute = nullptr;
// The job-authentication parts this edition has.
inline constexpr bool kAccountingInfoLists = true;
inline constexpr bool kDomainNames = true;
inline constexpr bool kAccountAndStorageFields = true;
// The print date and time keys of the host information.
inline constexpr bool kWritesPrintDateTime = false;
// Name widths counted as ISO Latin-1 bytes (2 for a character outside it).
inline constexpr bool kLatin1NameWidths = false;
// Remembered values from the emulated 10.7 on: print settings or value cache.
// Input-window values remembered scrambled, as the stored passwords are.
inline constexpr bool kScrambledInputValues = false;
// The client address: the first one the host name resolves to (else the primary service's).
inline constexpr bool kHostAddressByName = false;
// A ticket the print-type panel wrote (a preset) is read back when the panel is restored.
inline constexpr bool kReadsPreset = false;
// The version label shows "ver." and the short version (else it stays hidden).
inline constexpr bool kShortVersionText = false;
// The PPD attribute whose "True" offers every print type whatever the storage says.
inline constexpr const char* kSecurePrintDefaultAttribute = "ZQPTSecurePrintDefault";
inline constexpr bool kRemembersInValueCache = false;
// PPD attributes whose character scopes replace the name fields' filters
// (not for the half-width kana product; nullptr: none).
inline constexpr const char* kDocumentNameScopeAttribute = nullptr;
inline constexpr const char* kUserNameScopeAttribute = nullptr;
// The name fields' own tables; empty: the shared rules of print_type_controls.
inline constexpr std::span<const NameFieldRow> kDocumentNameRows{};
inline constexpr std::span<const NameFieldRow> kUserNameRows{};

}  // namespace zqacct::edition
