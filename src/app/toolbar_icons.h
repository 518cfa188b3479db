#pragma once

#include <QIcon>

#include "app/command.h"

namespace tessaro::app {

// The picture of a toolbar button, painted at start-up (20 x 20 units,
// drawn at twice the resolution for sharp screens). A null icon for a command
// that has no button.
QIcon ToolbarIcon(Command command);

// The program's own icon (the window icon and the About picture).
QIcon ProgramIcon();

}  // namespace tessaro::app
