#pragma once

#include <array>

// Shared by the build's artwork renderer and the picture loader. Each result picture is stored
// as the start-up picture's areas that it repaints, so a search decodes a fraction of a picture
// instead of a whole one; and the icon comes in a fixed set of sizes.
namespace vekkiro::layout {

struct Area {
    int x;
    int y;
    int width;
    int height;
};

inline constexpr int pictureWidth = 960;
inline constexpr int pictureHeight = 600;

/// The band with the four bins, which every result picture repaints.
inline constexpr Area binsBand{0, 436, pictureWidth, pictureHeight - 436};

/// The text line that only the cannot-classify picture adds.
inline constexpr Area noticeArea{520, 224, 240, 32};

/// The sizes, in pixels, at which the application icon is rendered and delivered.
inline constexpr std::array iconSizes = {16, 24, 32, 48, 64, 128, 200, 256};

} // namespace vekkiro::layout
