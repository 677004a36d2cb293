#include "display.h"

namespace vekkiro {

// Every Windows session has a desktop to show windows on.
bool displayAvailable() {
    return true;
}

} // namespace vekkiro
