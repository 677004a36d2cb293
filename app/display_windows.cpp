#include "display.h"

namespace vekkiro {

// Every Windows session has a desktop to show windows on.
bool displayAvailable(int /*argc*/, const char* const /*argv*/[]) {
    return true;
}

} // namespace vekkiro
