#pragma once
// The special-pages ticket written into and read from the dialog's print
// settings: JTIF values, counts and flags through the framework's store
// (with the caller's lock flag), the panel's record copy verbatim.
#include "special_pages_ticket.h"

namespace zqp {
class PrintSettings;
}

namespace zqsp {

class SettingsTicketWriter : public TicketWriter {
public:
    SettingsTicketWriter(zqp::PrintSettings* settings, bool lock) : settings_(settings), lock_(lock) {}
    bool SetText(const std::string& key, const std::string& value) override;
    bool SetArray(const std::string& key, const std::vector<std::string>& values) override;
    bool SetVerbatim(const std::string& key, const std::string& value) override;

private:
    zqp::PrintSettings* settings_;
    bool lock_;
};

// Reads text values of the print settings; nothing for a missing key.
TicketReader SettingsTicketReader(const zqp::PrintSettings* settings);

}  // namespace zqsp
