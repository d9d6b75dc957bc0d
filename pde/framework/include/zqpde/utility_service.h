#pragma once
// System services of the older framework build (UTILITY_SERVICE) that the
// job-accounting extension of the second family uses as well: the
// administrator test, the sandbox test and the clean-up of a stale help-book
// registration in the user's help preferences.
#include <string>
#include <string_view>

namespace zqpde {

// The home folder: $HOME, else the password database's folder of the
// process's user; empty when neither is known.
std::string HomeDirectory();

// True when a home folder path is that of a sandboxed process (it lies in a
// "Containers" folder).
bool HomeIsSandboxed(std::string_view home);
// HomeIsSandboxed of HomeDirectory(), worked out once per process.
bool IsSandboxed();
// Forgets the answer, so the next IsSandboxed looks at the home folder again.
void ResetSandboxCacheForTesting();

// The user's help preferences, a property list:
// <home>/Library/Preferences/com.apple.help.plist; empty without a home
// folder (never a path of the machine's own folders).
std::string HelpPreferencesPath();

// Removes a stale registration of the book from the help preferences at
// path: when RegisteredBooks[bookID][0]["url"] holds ".lproj", the key leaves
// RegisteredBooks and its first entry leaves RegistrationOrder, and the file
// is written back atomically as XML. A missing or unreadable file, another
// URL or a book that is not registered leave the file as it is.
void RemoveHelpCacheForBundleID(const std::string& bookID, const std::string& path = HelpPreferencesPath());

// The class methods of the older build's system services.
class UTILITY_SERVICE {
public:
    UTILITY_SERVICE() = delete;
    // A member of the administrators' group; false for no name.
    static bool checkIfAdminUser(const char* userName);
    static bool isSandboxed() { return IsSandboxed(); }
    // The stale registration of the bundle's help book, from the user's help
    // preferences; nothing for an empty identifier.
    static void removeHelpCacheForBundleID(const std::string& bundleID);
};

}  // namespace zqpde
