#pragma once
// How each page of the main window presents itself in the mode switch: its
// title, its symbol and its flavour.
#include <QString>

#include "model/common/Flavor.h"
#include "model/shell/AppMode.h"

namespace sorbeta {

// Looked up at every call, so a changed translator shows at once.
QString appModeTitle(AppMode mode);
// The name of the segment's symbol (see paintSymbol).
QString modeSymbol(AppMode mode);
Flavor modeFlavor(AppMode mode);

}  // namespace sorbeta
