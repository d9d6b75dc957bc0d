#pragma once
// The edition this build of the Account extension belongs to. The sources are
// shared by every edition; what differs (ticket namespace, bundle identifier,
// panel kinds, product tables, the print types offered) lives in one traits
// header per edition, chosen by a compile definition of the bundle target.
#include <cstdint>

namespace zqacct {

// One row of a product table: the product key of the PPD value, the product
// type number the panel works with, and the nib the panel loads.
struct ProductInfoItem {
    const char* ppdValue;
    int32_t productType;
    const char* nibName;
};

}  // namespace zqacct

#if defined(ZQ_ACCOUNT_EDITION_ARK)
#include "ark_traits.h"
#else
#error "define the edition of the Account extension (ZQ_ACCOUNT_EDITION_ARK)"
#endif
