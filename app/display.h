#pragma once

namespace vekkiro {

/// Whether the platform has somewhere to show a window. Asked before Qt starts, so a program
/// started without one can say so in a line of its own.
[[nodiscard]] bool displayAvailable();

} // namespace vekkiro
