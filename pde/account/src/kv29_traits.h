#pragma once
// The kv29 edition of the Account extension, on the older framework build:
// the kvb namespace, no domain names and no accounting information lists,
// print types none/secure/sample/mailbox, narrower name fields, and
// remembered values in the per-printer value cache.
#include <cstddef>
#include <iterator>

#define ZQ_ACCOUNT_NS "com.tavelle.kvb.printsettings."

namespace zqacct::edition {

inline constexpr const char* kBundleIdentifier = "com.tavelle.kv29.pde.Account";
inline constexpr const char* kJBAPanelKind = "com.tavelle.kv29.pde.AccountKind";
inline constexpr const char* kPrintTypePanelKind = "com.tavelle.kv29.pde.PrintTypeKind";

inline constexpr ProductInfoItem JBAProductInfo[] = {
    {"Default00", 0, "ZQPrintJBA_Default00"}, {"Default01", 1, "ZQPrintJBA_Default01"},
    {"Morvane00", 2, "ZQPrintJBA_Morvane00"},
};
inline constexpr ProductInfoItem PTProductInfo[] = {
    {"Default00", 0, "ZQPrintType_Default00"}, {"Default01", 1, "ZQPrintType_Default01"},
    {"Default02", 2, "ZQPrintType_Default02"}, {"Morvane00", 3, "ZQPrintType_Morvane00"},
};
inline constexpr size_t kJBAProductCount = std::size(JBAProductInfo);
inline constexpr size_t kPTProductCount = std::size(PTProductInfo);
inline constexpr const char* kReducedPrintTypeProduct = nullptr;

// Mailbox print is 5 here as in the job filter and the image options: the
// delayed-print item keeps its place (4) but is never offered, so the
// mailbox item writes 5 and opens the mailbox window.
inline constexpr const char* kPrintTypeItems[] = {"Job Type None", "Job Type Secure", "Job Type Sample",
                                                  "Job Type Time", "Job Type MBN", nullptr};
inline constexpr const char* kHiddenPrintTypeItem = "Job Type Time";
inline constexpr bool kDelayedPrint = false;

inline constexpr bool kHonoursEncodingAttribute = false;
inline constexpr const char* kJBALoadAttribute = nullptr;
inline constexpr const char* kPrintTypeLoadAttribute = nullptr;
inline constexpr const char* kOPSPDFDeviceModel = nullptr;
inline constexpr const char* kPassCodeLimitKey = "ZQMinDigitPasscode";
inline constexpr const char* kPassCodeLimitAttribute = nullptr;
inline constexpr bool kAccountingInfoLists = false;
inline constexpr bool kDomainNames = false;
inline constexpr bool kAccountAndStorageFields = true;
inline constexpr bool kWritesPrintDateTime = true;
inline constexpr bool kLatin1NameWidths = false;
// Input-window values remembered scrambled, as the stored passwords are.
inline constexpr bool kScrambledInputValues = true;
// The client address: the first one the host name resolves to (else the primary service's).
inline constexpr bool kHostAddressByName = true;
// A ticket the print-type panel wrote (a preset) is read back when the panel is restored.
inline constexpr bool kReadsPreset = true;
// The version label shows "ver." and the short version (else it stays hidden).
inline constexpr bool kShortVersionText = true;
// The PPD attribute whose "True" offers every print type whatever the storage says.
inline constexpr const char* kSecurePrintDefaultAttribute = nullptr;
inline constexpr bool kRemembersInValueCache = true;
inline constexpr const char* kDocumentNameScopeAttribute = "ZQPTDocNameScope";
inline constexpr const char* kUserNameScopeAttribute = "ZQPTUserIDScope";

#define ZQ_LATIN {2, {{0x20, 0x7E}, {0xA0, 0xFF}}}
#define ZQ_KANA_BYTES {2, {{0x20, 0x7E}, {0xA1, 0xDF}}}
#define ZQ_KANA_UNITS {2, {{0x20, 0x7E}, {0xFF61, 0xFF9F}}}
inline constexpr NameFieldRow kDocumentNameRowTable[] = {
    {2, -1, {"", "", 0, 12}, {ZQ_KANA_BYTES, ZQ_KANA_UNITS, "Message41b"}, {ZQ_KANA_BYTES, ZQ_KANA_UNITS, "Message41b"},
     nullptr},
    {kAnyProduct, -1, {"", "", 0, 12}, {ZQ_LATIN, ZQ_LATIN, "Message41"}, {ZQ_LATIN, ZQ_LATIN, "Message41"}, nullptr},
};
inline constexpr NameFieldRow kUserNameRowTable[] = {
    {2, -1, {"", "", 1, 8}, {ZQ_KANA_BYTES, ZQ_KANA_UNITS, "Message43b"}, {}, "Message42b"},
    {kAnyProduct, -1, {"", "", 1, 8}, {ZQ_LATIN, ZQ_LATIN, "Message43"}, {}, "Message42"},
};
#undef ZQ_LATIN
#undef ZQ_KANA_BYTES
#undef ZQ_KANA_UNITS
inline constexpr std::span<const NameFieldRow> kDocumentNameRows{kDocumentNameRowTable};
inline constexpr std::span<const NameFieldRow> kUserNameRows{kUserNameRowTable};

}  // namespace zqacct::edition
