#pragma once
// The product-type checker: every image-options control reports whether its
// PPD option is usable, and the set of usable options names the product
// type. Only an exact keyword set of a row matches; type 3 has no row and is
// never detected.
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "image_options_edition.h"

namespace zqimg {

// The 26 PPD options the panel and its windows show, in order.
extern const char* const kSupportedPPDOptionKeys[26];
// The options an edition's panel supports: the 26 above, or the first 25
// (all but "ZQInvalidateColorProfile") where the edition does not offer it.
std::span<const char* const> SupportedPPDOptionKeys(const ImageOptionsEdition& edition);
// The 24 keywords the checker looks at (the above without black overprint
// and invalidate colour profile).
extern const char* const arrayAllKeys[24];

struct ProductTypeRow {
    int32_t typeNumber;
    std::span<const char* const> keys;
};
// The rows in the order they are tried.
std::span<const ProductTypeRow> graphicsPTList();

class CPPDChecker {
public:
    // The one instance of the extension.
    static CPPDChecker& Instance();
    CPPDChecker();

    // Result -1, every keyword absent.
    void Init();
    // Records whether keyword's option is usable; keywords the checker does
    // not look at are ignored.
    void AddCheck(const std::string& keyword, bool present);
    // True, and the result set, when the keywords reported present are
    // exactly those of a row.
    bool RunCheck();
    int32_t Result() const { return result_; }

private:
    struct TypeEntry {
        int32_t typeNumber;
        std::map<std::string, bool> keys;
    };
    std::map<std::string, bool> keyMap_;
    std::vector<TypeEntry> typeList_;
    int32_t result_ = -1;
};

}  // namespace zqimg
