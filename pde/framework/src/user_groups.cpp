#include "zqpde/user_groups.h"

#include <zqp/system.h>

#include <cstdio>
#include <grp.h>
#include <pwd.h>

namespace zqpde {

bool CheckUserGroups(const char* user, const char* group) {
    if (user == nullptr || group == nullptr) return false;
    if (getpwnam(user) == nullptr) {
        std::fputs("groups: no such user.\n", stderr);
        return false;
    }
    return zqp::IsUserInGroup(user, group);
}

bool checkIfAdminUser(const char* userName) {
    if (userName == nullptr) return false;
    const std::string group = zqp::AdminGroupName();
    if (getgrnam(group.c_str()) == nullptr) {
        zqp::Log("UtilityService - CSIdentityQueryCreateForName failed.");
        return false;
    }
    return zqp::IsUserInGroup(userName, group);
}

bool IsUserAdmin() {
    const std::string name = zqp::LoginName();
    return !name.empty() && checkIfAdminUser(name.c_str());
}

}  // namespace zqpde
