#pragma once

namespace vekkiro {

/// Whether the platform has somewhere to show a window, given the program's command line (Qt's
/// own "-platform NAME" chooses one). Asked before Qt starts, so a program started without one
/// can say so in a line of its own.
[[nodiscard]] bool displayAvailable(int argc, const char* const argv[]);

} // namespace vekkiro
