#pragma once
// This extension's own identity, its bundle and its help book.
//
// The framework is compiled into every bundle, and each bundle gives its
// identity as compile definitions of its target:
//   ZQPDE_APP_BUNDLE_ID="com.tavelle.r15.pde.ImageOptions"   (GetAppBundleRef)
//   ZQPDE_APP_CLIENT_ID="com.tavelle.r15.ImageOptionsKind"   (GetAppClientID)
// Without them both are empty and GetAppBundleRef answers nullptr.
#include <cstdint>
#include <string>

#include "zqpde/utility_service.h"  // the help-preferences clean-up

namespace zqp {
class Bundle;
}

namespace zqpde {

// The bundle the principal class was handed at initWithBundle; the panels
// load their nibs and localised texts from it. Each bundle has its own.
extern zqp::Bundle* pluginBundle;

// The panel kind of this extension.
const char* GetAppClientID();
// This extension's bundle, found by its identifier among the opened
// bundles; nullptr when it was not opened (or no identifier was given).
zqp::Bundle* GetAppBundleRef();

// Opens page (at anchor, when not empty) of the help book whose name is the
// bundle's localised text for bookKey ("no translation" for a missing key).
// -43 without a bundle or a book name; -50 for an empty page.
int32_t GotoHelpPage(const zqp::Bundle* bundle, const std::string& page, const std::string& anchor,
                     const std::string& bookKey);
// The same in the book the bundle's Info.json names ("CFBundleHelpBookName").
int32_t GotoHelpPage(const zqp::Bundle* bundle, const std::string& page, const std::string& anchor);

// Registers the help book of this extension's bundle (GetAppBundleRef);
// -43 when the bundle is missing.
int32_t RegisterMyHelpBook();
// Registers the help book of any bundle; -43 without one.
int32_t RegisterHelpBook(const zqp::Bundle* bundle);

}  // namespace zqpde
