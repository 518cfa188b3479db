#pragma once

#include <QIcon>

namespace tessaro::app {

// The picture of a toolbar button, painted at start-up (20 x 20 units,
// drawn at twice the resolution for sharp screens). A null icon for an id
// that has no button.
QIcon ToolbarIcon(int commandId);

// The program's own icon (the window icon and the About picture).
QIcon ProgramIcon();

}  // namespace tessaro::app
