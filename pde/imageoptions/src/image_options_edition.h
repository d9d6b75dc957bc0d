#pragma once
// What differs between the editions of the image-options extension. One set
// of sources is built once per edition; each bundle names its edition with
// the compile definition ZQ_IMAGE_OPTIONS_EDITION ("ark", "teld", ...) and
// everything that differs is read from that edition's row of
// kImageOptionsEditions. A further edition is one more row.
#include <cstddef>
#include <cstdint>
#include <span>

namespace zqimg {

// One product row: the product part of the PPD value "<product>-<suffix>",
// the PDE type the panel works with, and the nib the panel loads.
struct ProductInfo {
    const char* productName;
    int32_t pdeType;
    const char* nibName;
};

// The image adjustment window the panel sets up when the PPD has
// "ZQBlackOverprint" or "ZQInvalidateColorProfile".
struct OverprintWindowData {
    const char* checkOption;       // PPD option of its check box
    const char* checkTitleKey;     // title key of the check box
    const char* secondGroupKey;    // title key of its second group box
    bool hasCMYKLists;             // CMYK correction, target paper and plug-in type lists
};

struct ImageOptionsEdition {
    const char* name;              // the value of ZQ_IMAGE_OPTIONS_EDITION
    const char* bundleIdentifier;
    const char* panelKind;
    const char* ticketNamespace;   // prefix of every ticket key the extension reads or writes
    bool cmykOnMainPanel;          // the main panel has the CMYK correction title and list
    int32_t mailboxPrintType;      // the print type that means "save to mailbox"
    OverprintWindowData overprintWindow;
    std::span<const ProductInfo> products;
};

inline constexpr ProductInfo kProductInfo[] = {
    {"Default00", 0, "ZQImageOptions_Default00"}, {"Default01", 1, "ZQImageOptions_Default01"},
    {"Default02", 2, "ZQImageOptions_Default02"}, {"Default03", 3, "ZQImageOptions_Default03"},
    {"Morvane00", 4, "ZQImageOptions_Morvane00"},
};

inline constexpr ImageOptionsEdition kImageOptionsEditions[] = {
    {"ark", "com.tavelle.r15.pde.ImageOptions", "com.tavelle.r15.pde.ImageOptionsKind",
     "com.tavelle.qdm.printsettings.", true, 5,
     {"ZQBlackOverprint", "Black  Over Print Text", "Black Text", true}, kProductInfo},
    {"teld", "com.tavelle.teld15.pde.ImageOptions", "com.tavelle.teld15.pde.ImageOptionsKind",
     "com.tavelle.kvb.printsettings.", false, 5,
     {"ZQInvalidateColorProfile", "Invalidate  Color Profile Print Text", "Invalidate Color Profile Text", false},
     kProductInfo},
};

// The row named name; nullptr when there is none.
const ImageOptionsEdition* FindImageOptionsEdition(const char* name);

// The edition this build belongs to (ZQ_IMAGE_OPTIONS_EDITION).
const ImageOptionsEdition& Edition();

}  // namespace zqimg
