#include "platform.h"

#include <QtGlobal>

#include <string_view>

namespace vekkiro {

// An X11 or Wayland session names its display in the environment; a Qt platform chosen in the
// environment or on the command line (offscreen, say) needs none. Qt takes "-platform NAME" with
// one dash or two.
bool displayAvailable(int argc, const char* const argv[]) {
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "-platform" || argument == "--platform")
            return true;
    }
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// A package manager replaces a running program's files safely: nobody needs to know.
void markRunning() {}

} // namespace vekkiro
