#include "zqpde/utility_service.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include <zqp/property_list.h>
#include <zqp/system.h>

#include "zqpde/user_groups.h"

namespace zqpde {

namespace {
int gSandboxed = -1;  // not yet known
}  // namespace

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
    struct passwd entry{};
    struct passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr)
        return {};
    return found->pw_dir;
}

bool HomeIsSandboxed(std::string_view home) { return home.find("Containers") != std::string_view::npos; }

bool IsSandboxed() {
    if (gSandboxed < 0) gSandboxed = HomeIsSandboxed(HomeDirectory()) ? 1 : 0;
    return gSandboxed == 1;
}

void ResetSandboxCacheForTesting() { gSandboxed = -1; }

std::string HelpPreferencesPath() {
    const std::string home = HomeDirectory();
    if (home.empty()) return {};
    return home + "/Library/Preferences/com.apple.help.plist";
}

void RemoveHelpCacheForBundleID(const std::string& bookID, const std::string& path) {
    if (bookID.empty() || path.empty()) return;
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

bool UTILITY_SERVICE::checkIfAdminUser(const char* userName) { return zqpde::checkIfAdminUser(userName); }

void UTILITY_SERVICE::removeHelpCacheForBundleID(const std::string& bundleID) {
    RemoveHelpCacheForBundleID(bundleID, HelpPreferencesPath());
}

}  // namespace zqpde
