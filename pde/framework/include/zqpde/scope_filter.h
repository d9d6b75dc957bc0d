#pragma once
// Character scopes that a PPD attribute gives a text field (older framework
// build): "low high low high ..." as decimal numbers each followed by one
// separator character, taken in pairs as UTF-16 ranges.
#include <cups/ppd.h>

#include <optional>
#include <string_view>

#include "zqpde/input_filter.h"

namespace zqpde {

// The filter of the value: one word range per complete pair (a trailing
// unpaired number is ignored), an empty byte filter, no message key.
// nullopt for a number above 65535, a high below its low, more than 20
// pairs, no pair at all, or anything but digits and single separators.
std::optional<TextEditFilterData> ScopeFilterFromText(std::string_view value);

// ScopeFilterFromText of the PPD attribute's value; nullopt without the
// PPD or the attribute.
std::optional<TextEditFilterData> CopyMorvaneScopeInfoFromPPD(ppd_file_t* ppd, const char* attribute);

}  // namespace zqpde
