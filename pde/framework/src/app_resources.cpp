#include "zqpde/app_resources.h"

#include <plist/plist.h>
#include <zqp/bundle.h>
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

namespace {

struct PlistFree {
    void operator()(plist_t p) const { plist_free(p); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

const char* StringValueOf(plist_t node) {
    return node != nullptr && plist_get_node_type(node) == PLIST_STRING ? plist_get_string_ptr(node, nullptr)
                                                                       : nullptr;
}

bool WriteAtomically(const std::string& path, const char* data, size_t size) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out.write(data, static_cast<std::streamsize>(size))) return false;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace

void RemoveHelpCacheForBundleID(const std::string& bookID, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    plist_t parsed = nullptr;
    plist_from_memory(bytes.data(), static_cast<uint32_t>(bytes.size()), &parsed);
    PlistPtr root(parsed);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return;

    plist_t books = plist_dict_get_item(root.get(), "RegisteredBooks");
    if (books == nullptr || plist_get_node_type(books) != PLIST_DICT) return;
    plist_t entries = plist_dict_get_item(books, bookID.c_str());
    if (entries == nullptr || plist_get_node_type(entries) != PLIST_ARRAY || plist_array_get_size(entries) == 0)
        return;
    plist_t first = plist_array_get_item(entries, 0);
    if (plist_get_node_type(first) != PLIST_DICT) return;
    const char* url = StringValueOf(plist_dict_get_item(first, "url"));
    if (url == nullptr || std::strstr(url, ".lproj") == nullptr) return;

    plist_dict_remove_item(books, bookID.c_str());
    plist_t order = plist_dict_get_item(root.get(), "RegistrationOrder");
    if (order != nullptr && plist_get_node_type(order) == PLIST_ARRAY) {
        for (uint32_t i = 0; i < plist_array_get_size(order); ++i) {
            const char* name = StringValueOf(plist_array_get_item(order, i));
            if (name != nullptr && bookID == name) {
                plist_array_remove_item(order, i);
                break;
            }
        }
    }

    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    if (xml == nullptr || length == 0) {
        zqp::Log("Illegal Property List.");
    } else {
        WriteAtomically(path, xml, length);
    }
    plist_to_xml_free(xml);
}

}  // namespace zqpde
