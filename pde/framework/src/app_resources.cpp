#include "zqpde/app_resources.h"

#include <zqp/bundle.h>
#include <zqp/property_list.h>
#include <zqp/system.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#include "zqpde/status.h"

#ifndef ZQPDE_APP_BUNDLE_ID
#define ZQPDE_APP_BUNDLE_ID ""
#endif
#ifndef ZQPDE_APP_CLIENT_ID
#define ZQPDE_APP_CLIENT_ID ""
#endif

namespace zqpde {

zqp::Bundle* pluginBundle = nullptr;

const char* GetAppClientID() { return ZQPDE_APP_CLIENT_ID; }

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

std::string HelpPreferencesPath() {
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/Library/Preferences/com.apple.help.plist";
}

void RemoveHelpCacheForBundleID(const std::string& bookID, const std::string& path) {
    const zqp::PlistPtr root = zqp::ReadPropertyList(path);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return;

    plist_t books = plist_dict_get_item(root.get(), "RegisteredBooks");
    if (books == nullptr || plist_get_node_type(books) != PLIST_DICT) return;
    plist_t entries = plist_dict_get_item(books, bookID.c_str());
    if (entries == nullptr || plist_get_node_type(entries) != PLIST_ARRAY || plist_array_get_size(entries) == 0)
        return;
    plist_t first = plist_array_get_item(entries, 0);
    if (plist_get_node_type(first) != PLIST_DICT) return;
    const char* url = zqp::PlistString(plist_dict_get_item(first, "url"));
    if (url == nullptr || std::strstr(url, ".lproj") == nullptr) return;

    plist_dict_remove_item(books, bookID.c_str());
    plist_t order = plist_dict_get_item(root.get(), "RegistrationOrder");
    if (order != nullptr && plist_get_node_type(order) == PLIST_ARRAY) {
        for (uint32_t i = 0; i < plist_array_get_size(order); ++i) {
            const char* name = zqp::PlistString(plist_array_get_item(order, i));
            if (name != nullptr && bookID == name) {
                plist_array_remove_item(order, i);
                break;
            }
        }
    }

    if (zqp::WritePropertyList(path, root.get()) == zqp::kIoErr) zqp::Log("Illegal Property List.");
}

}  // namespace zqpde
