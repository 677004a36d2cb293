#pragma once

#include <vekkiro/classification.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <optional>
#include <vector>

namespace vekkiro {

/// The scale of the rendering drawn at a device pixel ratio: 1, or 2 for anything denser than
/// 1x (the painter scales the rest of the way).
[[nodiscard]] int renderingScale(qreal devicePixelRatio);

/// The picture shown until the first search: every bin in full colour, no text line; 960 × 600
/// logical pixels, rendered for the given device pixel ratio: above 1 the 2× rendering is used
/// (1920 × 1200 device pixels with its device pixel ratio set), so it stays sharp on
/// high-density screens.
[[nodiscard]] QPixmap loadStartupPicture(qreal devicePixelRatio);

/// Starts decoding the start-up picture for the given density on a thread of its own, so that
/// it is ready, or nearly, when the window asks for it. Only worth calling before the window is
/// built; once per process, later calls do nothing.
void prepareStartupPicture(qreal devicePixelRatio);

/// A piece of a result picture: an image to draw at a place of the start-up picture, both in
/// the picture's 960 × 600 logical coordinates.
struct PicturePart {
    QPoint position;
    QImage image;

    [[nodiscard]] QRect rect() const { return {position, image.deviceIndependentSize().toSize()}; }
};

/// What turns the start-up picture into the result picture `id`: drawn over it in order, they
/// give the whole answer. Each part is decoded on first use and kept, so asking again decodes
/// nothing. Empty, with a warning logged, for an unknown identifier or a part that cannot be
/// loaded.
[[nodiscard]] std::vector<PicturePart> pictureParts(PictureId id, qreal devicePixelRatio);

/// What a picture says, for assistive technology: the label of the bin shown in full colour, or
/// the text line of the cannot-classify picture; for the start-up picture (none), the labels of
/// all four bins.
[[nodiscard]] QString pictureDescription(std::optional<PictureId> id);

/// The application's icon, in every size it is drawn at; decoded once per application.
[[nodiscard]] QIcon applicationIcon();

} // namespace vekkiro
