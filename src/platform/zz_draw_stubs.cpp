// Temporary: the main window's widget until the window code lands in this branch.
#include "platform/registry.h"

namespace pf::detail {
QWidget* MainWindowWidget() { return nullptr; }
}  // namespace pf::detail
