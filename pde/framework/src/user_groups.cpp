#include "zqpde/user_groups.h"

#include <cstdio>
#include <cstring>
#include <grp.h>
#include <pwd.h>

namespace zqpde {

bool CheckUserGroups(const char* user, const char* group) {
    if (user == nullptr || group == nullptr) return false;
    const passwd* pw = getpwnam(user);
    if (pw == nullptr) {
        std::fputs("groups: no such user.\n", stderr);
        return false;
    }
    const gid_t primary = pw->pw_gid;
    const struct group* gr = getgrnam(group);
    if (gr == nullptr) return false;
    if (gr->gr_gid == primary) return true;
    for (char** member = gr->gr_mem; member != nullptr && *member != nullptr; ++member)
        if (std::strcmp(*member, user) == 0) return true;
    return false;
}

}  // namespace zqpde
