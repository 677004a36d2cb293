#include "display.h"

#include <QtGlobal>

namespace vekkiro {

// An X11 or Wayland session names its display in the environment; a chosen Qt platform
// (offscreen, say) needs none.
bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace vekkiro
