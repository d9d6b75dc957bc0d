#pragma once
// Group membership and the administrator test, through the platform's user
// and group databases (zqp::IsUserInGroup, zqp::AdminGroupName).

namespace zqpde {

// True when the user's primary group is the group, or the group lists the
// user as a member. An unknown user writes "groups: no such user.\n" to
// standard error and gives false.
bool CheckUserGroups(const char* user, const char* group);

// True when the named user belongs to the administrators' group. A missing
// name, or a system without that group, gives false (the latter with a log
// line).
bool checkIfAdminUser(const char* userName);

// checkIfAdminUser for the login name of the process's user. All-users
// remembered values are stored only when this says yes.
bool IsUserAdmin();

}  // namespace zqpde
