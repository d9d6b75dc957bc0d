#include "zqpde/app_resources.h"

#include <zqp/bundle.h>
#include <zqp/system.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#include "zqpde/status.h"
#include "zqpde/text_util.h"

#ifndef ZQPDE_APP_BUNDLE_ID
#define ZQPDE_APP_BUNDLE_ID ""
#endif
#ifndef ZQPDE_APP_CLIENT_ID
#define ZQPDE_APP_CLIENT_ID ""
#endif

namespace zqpde {

zqp::Bundle* pluginBundle = nullptr;

const char* GetAppClientID() { return ZQPDE_APP_CLIENT_ID; }

StringWidthMeasure BundleStringWidthMeasure() {
#ifdef ZQPDE_STRING_WIDTH_SHIFT_JIS
    return StringWidthMeasure::kShiftJIS;
#else
    return StringWidthMeasure::kUTF8;
#endif
}

zqp::Bundle* GetAppBundleRef() {
    const char* id = ZQPDE_APP_BUNDLE_ID;
    return *id != '\0' ? zqp::Bundle::WithIdentifier(id) : nullptr;
}

int32_t GotoHelpPage(const zqp::Bundle* bundle, const std::string& page, const std::string& anchor,
                     const std::string& bookKey) {
    if (bundle == nullptr) return kFileNotFoundErr;
    const std::string book = bundle->localizedString(bookKey, zqp::kNoTranslation);
    if (book.empty()) return kFileNotFoundErr;
    return zqp::GotoHelpPage(book, page, anchor);
}

int32_t GotoHelpPage(const zqp::Bundle* bundle, const std::string& page, const std::string& anchor) {
    if (bundle == nullptr) return kFileNotFoundErr;
    const std::string book = bundle->infoValue("CFBundleHelpBookName");
    if (book.empty()) return kFileNotFoundErr;
    return zqp::GotoHelpPage(book, page, anchor);
}

int32_t RegisterMyHelpBook() { return zqpde::RegisterHelpBook(GetAppBundleRef()); }

int32_t RegisterHelpBook(const zqp::Bundle* bundle) {
    if (bundle == nullptr) return kFileNotFoundErr;
    return zqp::RegisterHelpBook(bundle);
}

}  // namespace zqpde
