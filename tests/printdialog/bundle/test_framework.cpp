#include "test_framework.h"

namespace testfw {

zqp::Bundle* pluginBundle = nullptr;
int panelsMade = 0;

}  // namespace testfw
