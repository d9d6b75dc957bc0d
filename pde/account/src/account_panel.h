#pragma once
// What the two panels of the Account extension share: their name in the
// PPD's text table, the text table of every control, and the version label.
#include <cups/ppd.h>

#include <memory>
#include <string>

namespace zqp {
class DialogHost;
class View;
}
namespace zqpde {
class BasePrintPanel;
class BaseControl;
}

namespace zqacct {

// The panel's localised name (titleKey in the host PPD's table).
std::string PanelName(zqp::DialogHost* host, const char* titleKey);

// Makes every control of the panel and of its windows read its texts from table.
void UseTextTable(zqpde::BasePrintPanel& panel, const std::string& table);

// The panel's version label as the edition shows it: hidden, or "ver." and
// the bundle's short version shown.
std::unique_ptr<zqpde::BaseControl> MakeVersionLabel(zqp::View* view, bool cdfSupport);

}  // namespace zqacct
