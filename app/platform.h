#pragma once

namespace vekkiro {

/// Whether the platform has somewhere to show a window, given the program's command line (Qt's
/// own "-platform NAME" chooses one). Asked before Qt starts, so a program started without one
/// can say so in a line of its own.
[[nodiscard]] bool displayAvailable(int argc, const char* const argv[]);

/// Lets the rest of the system see, for as long as this process lives, that Vekkiro is running:
/// on Windows the installer and uninstaller wait for it to end instead of failing on a file in
/// use. Nothing on platforms whose packages can replace a running program.
void markRunning();

} // namespace vekkiro
