#include "image_options_edition.h"

#include <cstring>

#ifndef ZQ_IMAGE_OPTIONS_EDITION
#error "name the edition of the image-options build (ZQ_IMAGE_OPTIONS_EDITION=\"ark\")"
#endif

namespace zqimg {

const ImageOptionsEdition* FindImageOptionsEdition(const char* name) {
    if (name == nullptr) return nullptr;
    for (const ImageOptionsEdition& e : kImageOptionsEditions)
        if (std::strcmp(e.name, name) == 0) return &e;
    return nullptr;
}

const ImageOptionsEdition& Edition() {
    static const ImageOptionsEdition* edition = FindImageOptionsEdition(ZQ_IMAGE_OPTIONS_EDITION);
    // An unknown name is a build mistake; the first row keeps the bundle usable.
    return edition != nullptr ? *edition : kImageOptionsEditions[0];
}

}  // namespace zqimg
