#include "installable_control.h"

#include <cstring>

namespace zqacct {

void InstallableControl::CreateControl(zqp::View* view, const char* ppdMainKey,
                                       const InstallableOptionConstrainInfo* constrain) {
    zqpde::BaseControl::CreateControl(view);
    kPPDMainKey = ppdMainKey != nullptr ? ppdMainKey : "";
    installableOptionConstrainInfoPtr = constrain;
}

int32_t InstallableControl::ConstrainPanelControlFromPPD(ppd_file_t* ppd) {
    if (ppd == nullptr || kPPDMainKey.empty() || installableOptionConstrainInfoPtr == nullptr ||
        installableOptionConstrainInfoPtr->records == nullptr)
        return 0;
    const ppd_choice_t* marked = ppdFindMarkedChoice(ppd, kPPDMainKey.c_str());
    if (marked == nullptr) return 0;
    for (const InstallableOptionConstrainRecord* r = installableOptionConstrainInfoPtr->records; r->choice != nullptr;
         ++r) {
        if (std::strcmp(r->choice, marked->choice) != 0) continue;
        DisableControlConstrains(r->disable);
        return 1000;
    }
    return 0;
}

}  // namespace zqacct
