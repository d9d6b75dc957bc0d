#pragma once
// The edition this build of the Account extension belongs to. The sources are
// shared by every edition; what differs (ticket namespace, bundle identifier,
// panel kinds, product tables, the print types offered) lives in one traits
// header per edition, chosen by a compile definition of the bundle target.
#include <cstdint>
#include <span>

#include "zqpde/control_tables.h"
#include "zqpde/input_filter.h"

namespace zqacct {

// One row of a product table: the product key of the PPD value, the product
// type number the panel works with, and the nib the panel loads.
struct ProductInfoItem {
    const char* ppdValue;
    int32_t productType;
    const char* nibName;
};

// How a print-type name field (document name, user name) is set up for one
// print-type product: kAnyProduct matches every product; opsPdf -1 either
// way, 0 only without and 1 only with the OPS-PDF flag. The first matching
// row wins. The mailbox window's document name takes mailboxFilter; the user
// name shows emptyKey for an empty value.
inline constexpr int32_t kAnyProduct = -1;
// The print-type product with half-width kana tables of its own ("Default02").
inline constexpr int32_t kKanaProduct = 2;
struct NameFieldRow {
    int32_t productType;
    int32_t opsPdf;
    zqpde::TextEditIniData ini;
    zqpde::TextEditFilterData filter;
    zqpde::TextEditFilterData mailboxFilter;
    const char* emptyKey;
};

}  // namespace zqacct

#if defined(ZQ_ACCOUNT_EDITION_ARK)
#include "ark_traits.h"
#elif defined(ZQ_ACCOUNT_EDITION_TELD)
#include "teld_traits.h"
#elif defined(ZQ_ACCOUNT_EDITION_KV29)
#include "kv29_traits.h"
#else
#error "define the edition of the Account extension (ZQ_ACCOUNT_EDITION_ARK, _TELD or _KV29)"
#endif
