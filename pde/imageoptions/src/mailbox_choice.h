#pragma once
// The output-mode choice that a mailbox job prints with: the PPD attribute
// "ZQXMailBoxSettings" names it from its fifth character on (the first
// four hold the box count and a blank, "100 Mailbox").
#include <string>

namespace zqimg {

inline std::string MailboxOutputModeChoice(const char* attributeValue) {
    const std::string value = attributeValue != nullptr ? attributeValue : "";
    return value.size() > 4 ? value.substr(4) : std::string();
}

}  // namespace zqimg
