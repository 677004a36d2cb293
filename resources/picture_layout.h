#pragma once

#include <vekkiro/artwork_names.h>
#include <vekkiro/bins.h>
#include <vekkiro/classification.h>

#include <QRect>

#include <array>
#include <optional>

// The one description of the answers' pictures, shared by the build's artwork renderer and the
// picture loader; the stored pictures' names and the icon's sizes come from the build's resource
// list (artwork_names.h). Every picture is the scene, pictureWidth x pictureHeight; an answer's
// is the start-up picture with a few parts drawn over it, so only three pictures are stored and
// a search decodes nothing new after its first time.
namespace vekkiro::layout {

struct Area {
    int x;
    int y;
    int width;
    int height;

    friend constexpr bool operator==(const Area&, const Area&) = default;

    /// The area as it stands inside `outer`, in the coordinates of a picture of `outer` alone.
    [[nodiscard]] constexpr Area within(const Area& outer) const {
        return {x - outer.x, y - outer.y, width, height};
    }

    /// The area in the device pixels of a rendering at `scale` (1 or 2).
    [[nodiscard]] constexpr QRect scaled(int scale) const {
        return {x * scale, y * scale, width * scale, height * scale};
    }
};

inline constexpr int pictureWidth = 960;
inline constexpr int pictureHeight = 600;

/// The band with the four bins, which every result picture repaints.
inline constexpr Area binsBand{0, 436, pictureWidth, pictureHeight - 436};

/// Each bin with its outline and shadow, left to right in the order of the bins (vekkiro::bins);
/// inside the band, and clear of each other.
inline constexpr std::array binAreas = {Area{158, 440, 128, 160}, Area{324, 440, 128, 160},
                                        Area{492, 440, 128, 160}, Area{656, 440, 128, 160}};

/// The green pills drawn for the search box and the search button, and their corners' radius:
/// a click anywhere on one is a click on its control.
inline constexpr Area searchBoxPill{412, 151, 314, 46};
inline constexpr Area searchButtonPill{740, 151, 103, 46};
inline constexpr int pillRadius = 16;

/// The text line that only the cannot-classify picture adds.
inline constexpr Area noticeArea{520, 224, 240, 32};

/// A picture stored in the resources (as <name>.rgb32 and <name>@2x.rgb32): the area of the
/// scene it holds.
struct StoredPicture {
    const char* name;
    Area area;
};
static_assert(storedPictureNames.size() == 3, "resources/CMakeLists.txt stores three pictures");
inline constexpr StoredPicture startupPicture{storedPictureNames[0],
                                              {0, 0, pictureWidth, pictureHeight}};
inline constexpr StoredPicture fadedBinsPicture{storedPictureNames[1], binsBand};
inline constexpr StoredPicture noticePicture{storedPictureNames[2], noticeArea};
inline constexpr std::array storedPictures = {&startupPicture, &fadedBinsPicture, &noticePicture};

/// Something drawn over the start-up picture: an area of a stored picture, at that area's place.
struct Part {
    const StoredPicture* from;
    Area area;
};

static_assert(binAreas.size() == bins.size());

constexpr Area binArea(Category bin) {
    return binAreas[static_cast<std::size_t>(bin)];
}

/// The picture of one answer: the start-up picture, every bin faded over it, then the answer's
/// own bin in full colour again from the start-up picture, or the cannot-classify line.
struct AnswerPicture {
    PictureId id;
    std::optional<Category> bin; ///< in full colour; none: the line instead
    std::array<Part, 2> parts;
};

constexpr AnswerPicture binAnswer(PictureId id, Category bin) {
    return {id, bin, {Part{&fadedBinsPicture, binsBand}, Part{&startupPicture, binArea(bin)}}};
}

inline constexpr std::array answerPictures = {
    binAnswer(PictureId::Recyclable, Category::Recyclable),
    binAnswer(PictureId::KitchenWaste, Category::KitchenWaste),
    binAnswer(PictureId::OtherWaste, Category::OtherWaste),
    binAnswer(PictureId::HazardousWaste, Category::HazardousWaste),
    AnswerPicture{PictureId::NotFound,
                  std::nullopt,
                  {Part{&fadedBinsPicture, binsBand}, Part{&noticePicture, noticeArea}}},
};
static_assert(answerPictures.size() == allPictureIds.size());

} // namespace vekkiro::layout
