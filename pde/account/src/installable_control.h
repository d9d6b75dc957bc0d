#pragma once
// InstallableControl: a control without a value of its own that disables
// other controls of its panel by what the printer has installed, read from
// the marked choice of one PPD option (a hard disk, extra memory...). Each
// record names a choice keyword and the tags to disable while it is marked.
#include <cstdint>
#include <string>

#include "zqpde/base_control.h"

namespace zqacct {

struct InstallableOptionConstrainRecord {
    const char* choice;                 // choice keyword; nullptr ends the records
    zqpde::ConstrainTagList disable;    // tags to disable while it is marked
};

// The records, ended by a record without a keyword.
struct InstallableOptionConstrainInfo {
    const InstallableOptionConstrainRecord* records;
};

class InstallableControl : public zqpde::BaseControl {
public:
    using zqpde::BaseControl::CreateControl;
    void CreateControl(zqp::View* view, const char* ppdMainKey, const InstallableOptionConstrainInfo* constrain);

    // The marked choice of the option is compared with the records in
    // order; the first equal keyword disables its list and gives 1000.
    // No option, no marked choice or no matching record: 0, nothing done.
    int32_t ConstrainPanelControlFromPPD(ppd_file_t* ppd) override;

private:
    std::string kPPDMainKey;
    const InstallableOptionConstrainInfo* installableOptionConstrainInfoPtr = nullptr;
};

}  // namespace zqacct
