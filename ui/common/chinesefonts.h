#pragma once

#include <QFont>

namespace vekkiro {

/// "黑体" at the given size, normal weight, falling back to the Simplified Chinese sans families
/// found on Linux. Naming the SC families matters: asked for an unknown family in a C locale,
/// Qt draws Chinese with Japanese glyph variants.
[[nodiscard]] QFont heitiFont(int pointSize);

/// "宋体" at the given size, normal weight, falling back to the Simplified Chinese serif families
/// found on Linux.
[[nodiscard]] QFont songtiFont(int pointSize);

} // namespace vekkiro
