#pragma once

#include <QRect>

#include <array>

// Shared by the build's artwork renderer and the picture loader. A result picture is the start-up
// picture with a few areas painted over: the bins band with every bin faded, then either the
// answer's bin in full colour (taken from the start-up picture) or the text line. So only three
// pictures are stored, and a search decodes nothing new after its first time. The icon comes in
// a fixed set of sizes.
namespace vekkiro::layout {

struct Area {
    int x;
    int y;
    int width;
    int height;

    /// The area in the device pixels of a rendering at `scale` (1 or 2).
    [[nodiscard]] constexpr QRect scaled(int scale) const {
        return {x * scale, y * scale, width * scale, height * scale};
    }
};

inline constexpr int pictureWidth = 960;
inline constexpr int pictureHeight = 600;

/// The band with the four bins, which every result picture repaints.
inline constexpr Area binsBand{0, 436, pictureWidth, pictureHeight - 436};

/// Each bin with its outline and shadow, left to right in the order of the categories'
/// pictures; inside the band, and clear of each other.
inline constexpr std::array binAreas = {Area{158, 440, 128, 160}, Area{324, 440, 128, 160},
                                        Area{492, 440, 128, 160}, Area{656, 440, 128, 160}};

/// The text line that only the cannot-classify picture adds.
inline constexpr Area noticeArea{520, 224, 240, 32};

/// The sizes, in pixels, at which the application icon is rendered and delivered.
inline constexpr std::array iconSizes = {16, 24, 32, 48, 64, 128, 200, 256};

} // namespace vekkiro::layout
