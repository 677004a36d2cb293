#pragma once

#include <QFont>

class QLabel;

namespace vekkiro {

/// "黑体" at the given size, normal weight, falling back to the Simplified Chinese sans families
/// found on Linux. Naming the SC families matters: asked for an unknown family in a C locale,
/// Qt draws Chinese with Japanese glyph variants.
[[nodiscard]] QFont heitiFont(int pointSize);

/// "宋体" at the given size, normal weight, falling back to the Simplified Chinese serif families
/// found on Linux.
[[nodiscard]] QFont songtiFont(int pointSize);

/// Grows a one-line label, about its vertical centre, to the line height of its font if that is
/// taller. The Chinese fonts found on Linux have far larger ascent and descent than the fonts
/// the window sizes were made for: in a 17 px label a 12 pt line of 23 px loses its descenders.
/// The text stays where the label's centre puts it.
void growToFitLine(QLabel* label);

} // namespace vekkiro
