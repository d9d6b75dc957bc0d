#pragma once
// The TELD edition of the Account extension: the kvb namespace, a reduced
// job authentication (no domain, account or billing fields, no accounting
// information lists), print types none/secure/sample only, an OPS-PDF mode
// from "ZQDeviceModel", name widths in ISO Latin-1 terms, and panels that a
// PPD can switch off.
#include <cstddef>
#include <iterator>

#define ZQ_ACCOUNT_NS "com.tavelle.kvb.printsettings."

namespace zqacct::edition {

inline constexpr const char* kBundleIdentifier = "com.tavelle.teld15.pde.Account";
inline constexpr const char* kJBAPanelKind = "com.tavelle.teld15.pde.AccountKind";
inline constexpr const char* kPrintTypePanelKind = "com.tavelle.teld15.pde.PrintTypeKind";

inline constexpr ProductInfoItem JBAProductInfo[] = {
    {"Default00", 0, "ZQPrintJBA_Default00"}, {"Default01", 1, "ZQPrintJBA_Default01"},
    {"Default02", 2, "ZQPrintJBA_Default02"}, {"Morvane00", 3, "ZQPrintJBA_Morvane00"},
    {"Printer00", 4, "ZQPrintJBA_Printer00"},
};
inline constexpr ProductInfoItem PTProductInfo[] = {
    {"Default00", 0, "ZQPrintType_Default00"}, {"Default01", 1, "ZQPrintType_Default01"},
    {"Default02", 2, "ZQPrintType_Default02"}, {"Default03", 3, "ZQPrintType_Default03"},
    {"Morvane00", 4, "ZQPrintType_Morvane00"},
};
inline constexpr size_t kJBAProductCount = std::size(JBAProductInfo);
inline constexpr size_t kPTProductCount = std::size(PTProductInfo);
inline constexpr const char* kReducedPrintTypeProduct = nullptr;

// The delayed-print and mailbox windows exist, but no item leads to them.
inline constexpr const char* kPrintTypeItems[] = {"Job Type None", "Job Type Secure", "Job Type Sample", nullptr};
inline constexpr const char* kHiddenPrintTypeItem = nullptr;
inline constexpr bool kDelayedPrint = true;

inline constexpr bool kHonoursEncodingAttribute = false;
inline constexpr const char* kJBALoadAttribute = "ZQXEnableAccounting";
inline constexpr const char* kPrintTypeLoadAttribute = "ZQXEnablePrintType";
inline constexpr const char* kOPSPDFDeviceModel = "Morvane";
inline constexpr const char* kPassCodeLimitKey = "ZQPTPasswdLimit";
inline constexpr const char* kPassCodeLimitAttribute = "ZQPTPasswdLimit";
inline constexpr bool kAccountingInfoLists = false;
inline constexpr bool kDomainNames = false;
inline constexpr bool kAccountAndStorageFields = false;
inline constexpr bool kWritesPrintDateTime = true;
inline constexpr bool kLatin1NameWidths = true;
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
inline constexpr const char* kDocumentNameScopeAttribute = nullptr;
inline constexpr const char* kUserNameScopeAttribute = nullptr;

#define ZQ_ASCII {1, {{0x20, 0x7E}}}
#define ZQ_KANA_BYTES {2, {{0x20, 0x7E}, {0xA1, 0xDF}}}
#define ZQ_KANA_UNITS {2, {{0x20, 0x7E}, {0xFF61, 0xFF9F}}}
#define ZQ_KANJI_UNITS {6, {{0x20, 0x7E}, {0xA5, 0xA5}, {0x3040, 0x309F}, {0x30A0, 0x30FF}, {0x4E00, 0x9FFF}, {0xFF01, 0xFF9D}}}
#define ZQ_LATIN_BYTES {2, {{0x20, 0x7E}, {0xA0, 0xFF}}}
#define ZQ_LATIN_UNITS {7, {{0x20, 0x7E}, {0xA0, 0xA0}, {0xA9, 0xA9}, {0x2122, 0x2122}, {0x2026, 0x2026}, {0xF87F, 0xF87F}, {0xFF61, 0xFF9F}}}
inline constexpr NameFieldRow kDocumentNameRowTable[] = {
    {0, -1, {"", "", 0, 32}, {ZQ_ASCII, ZQ_ASCII, "Message41"}, {ZQ_ASCII, ZQ_ASCII, "Message41_m"}, nullptr},
    {1, -1, {"", "", 0, 32}, {ZQ_ASCII, ZQ_ASCII, "Message41"}, {ZQ_ASCII, ZQ_ASCII, "Message41_m"}, nullptr},
    {4, 1, {"", "", 0, 32}, {ZQ_ASCII, ZQ_ASCII, "Message41"}, {ZQ_ASCII, ZQ_ASCII, "Message41_m"}, nullptr},
    {2, -1, {"", "", 0, 12}, {ZQ_KANA_BYTES, ZQ_KANA_UNITS, "Message41b"}, {ZQ_KANA_BYTES, ZQ_KANA_UNITS, "Message41b_m"},
     nullptr},
    {3, -1, {"", "", 0, 64}, {ZQ_KANA_BYTES, ZQ_KANJI_UNITS, "Message41c"},
     {ZQ_KANA_BYTES, ZQ_KANJI_UNITS, "Message41c_m"}, nullptr},
    {4, 0, {"", "", 0, 32}, {ZQ_ASCII, ZQ_ASCII, "Message41b_o"}, {ZQ_ASCII, ZQ_ASCII, "Message41b_o"}, nullptr},
};
inline constexpr NameFieldRow kUserNameRowTable[] = {
    {2, -1, {"", "", 1, 8}, {ZQ_KANA_BYTES, ZQ_KANA_UNITS, "Message43b"}, {}, "Message42b"},
    {4, 0, {"", "", 1, 8}, {ZQ_ASCII, ZQ_ASCII, "Message43c"}, {}, "Message43c"},
    {kAnyProduct, -1, {"", "", 1, 8}, {ZQ_LATIN_BYTES, ZQ_LATIN_UNITS, "Message43"}, {}, "Message42"},
};
#undef ZQ_ASCII
#undef ZQ_KANA_BYTES
#undef ZQ_KANA_UNITS
#undef ZQ_KANJI_UNITS
#undef ZQ_LATIN_BYTES
#undef ZQ_LATIN_UNITS
inline constexpr std::span<const NameFieldRow> kDocumentNameRows{kDocumentNameRowTable};
inline constexpr std::span<const NameFieldRow> kUserNameRows{kUserNameRowTable};

}  // namespace zqacct::edition
