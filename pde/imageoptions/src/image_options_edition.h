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

// Where the panel finds the print type the Account extension of the same
// edition chose, from 10.7 on (before 10.7 both keep it in the preferences
// system under the printer's "PrintTypeReference" key).
enum class PrintTypeSource {
    kTicket,      // the print settings' PrintTypeTicketKey
    kValueCache,  // the per-printer value cache, "PrintTypeReference" of the current user
};

struct ImageOptionsEdition {
    const char* name;              // the value of ZQ_IMAGE_OPTIONS_EDITION
    const char* bundleIdentifier;
    const char* panelKind;
    const char* ticketNamespace;   // prefix of every ticket key the extension reads or writes
    bool cmykOnMainPanel;          // the main panel has the CMYK correction title and list
    int32_t mailboxPrintType;      // the print type that means "save to mailbox"
    PrintTypeSource printTypeSource;
    OverprintWindowData overprintWindow;
    // The overprint window only when the PPD has its own check option; else
    // either "ZQBlackOverprint" or "ZQInvalidateColorProfile" calls for it.
    bool overprintOnItsOptionOnly;
    // Every product's PDE type; a single row means one nib for any product
    // (the PPD's product still has to name a nib that the bundle holds).
    std::span<const ProductInfo> products;
    // "ZQInvalidateColorProfile" is among the options the panel supports
    // (and whose constraints it takes); without it the panel has 25.
    bool offersInvalidateColorProfile;
    // "ZQXImageOptionsSettings" is looked up through the vendor keyword
    // fix-up rather than under its plain name.
    bool fixesSettingsKeyword;
    // The dialog's help button opens "Graphics_<suffix>.htm" of the PPD's
    // settings value itself, panel built or not, rather than asking the
    // panel's help button.
    bool helpOpensSettingsPage;
    // The build on the older framework: it keeps no panel status (the screen
    // list always returns to its default), never hides the image settings
    // window's CMYK group, and every save writes the ticket, also the one
    // right after the print gate wrote it. Its lists keep the framework's
    // show, hide and update rules (a list without its option stays shown,
    // the RGB list updates by the item chosen, the output mode does not
    // read its default back), its density steppers leave their edit fields
    // alone on a restore, the panel takes its name's string table from the
    // PPD it was set up with, loads its view without a log line, and shows
    // its version label as "ver." and the short version.
    bool olderBuild;
};

inline constexpr ProductInfo kProductInfo[] = {
    {"Default00", 0, "ZQImageOptions_Default00"}, {"Default01", 1, "ZQImageOptions_Default01"},
    {"Default02", 2, "ZQImageOptions_Default02"}, {"Default03", 3, "ZQImageOptions_Default03"},
    {"Morvane00", 4, "ZQImageOptions_Morvane00"},
};
inline constexpr ProductInfo kKv29ProductInfo[] = {{"Morvane00", 0, "ZQImageOptions_Morvane00"}};

inline constexpr ImageOptionsEdition kImageOptionsEditions[] = {
    {"ark", "com.tavelle.r15.pde.ImageOptions", "com.tavelle.r15.pde.ImageOptionsKind",
     "com.tavelle.qdm.printsettings.", true, 5, PrintTypeSource::kTicket,
     {"ZQBlackOverprint", "Black  Over Print Text", "Black Text", true}, false, kProductInfo, true, true, false, false},
    {"teld", "com.tavelle.teld15.pde.ImageOptions", "com.tavelle.teld15.pde.ImageOptionsKind",
     "com.tavelle.kvb.printsettings.", false, 5, PrintTypeSource::kTicket,
     {"ZQInvalidateColorProfile", "Invalidate  Color Profile Print Text", "Invalidate Color Profile Text", false},
     false, kProductInfo, true, true, false, false},
    // kv29 reads the print type where kv29-account-pde keeps it: its value
    // cache from 10.7 on. Mailbox print is 5 there as in the other editions.
    {"kv29", "com.tavelle.kv29.pde.ImageOptions", "com.tavelle.kv29.pde.ImageOptionsKind",
     "com.tavelle.kvb.printsettings.", false, 5, PrintTypeSource::kValueCache,
     {"ZQBlackOverprint", "Black  Over Print Text", "Black Text", true}, true, kKv29ProductInfo, false, false, true, true},
};

// The row named name; nullptr when there is none.
const ImageOptionsEdition* FindImageOptionsEdition(const char* name);

// The edition this build belongs to (ZQ_IMAGE_OPTIONS_EDITION).
const ImageOptionsEdition& Edition();

}  // namespace zqimg
