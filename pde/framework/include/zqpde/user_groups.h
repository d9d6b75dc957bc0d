#pragma once
// Group membership through the system's user and group databases.

namespace zqpde {

// True when the user's primary group is the group, or the group lists the
// user as a member. An unknown user writes "groups: no such user.\n" to
// standard error and gives false.
bool CheckUserGroups(const char* user, const char* group);

}  // namespace zqpde
