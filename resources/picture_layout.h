#pragma once

// Shared by the build's artwork renderer and the picture loader: how the result pictures are
// stored. Each is the start-up picture with a few areas repainted, so only those areas are
// stored, and a search decodes a fraction of a picture instead of a whole one.
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

} // namespace vekkiro::layout
