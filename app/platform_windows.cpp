#include "platform.h"

#include <windows.h>

namespace vekkiro {

// Every Windows session has a desktop to show windows on.
bool displayAvailable(int /*argc*/, const char* const /*argv*/[]) {
    return true;
}

// A named mutex in the global namespace, so an installer run by any user, for either scope,
// finds a Vekkiro running in any session. The handle is left open on purpose: Windows closes it
// when the process ends, however it ends, and that is the moment the installer waits for.
void markRunning() {
    CreateMutexW(nullptr, FALSE, L"Global\\" VEKKIRO_RUNNING_MUTEX);
}

} // namespace vekkiro
