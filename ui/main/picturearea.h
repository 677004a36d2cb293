#pragma once

#include <vekkiro/classification.h>

#include <QPixmap>
#include <QWidget>

#include <optional>

namespace vekkiro {

/// The main window's surface: one picture drawn unscaled from the top-left corner, the rest in
/// the window's background colour. Starts with the start-up picture. Its accessible description
/// says what the picture shows.
class PictureArea : public QWidget {
    Q_OBJECT

public:
    explicit PictureArea(QWidget* parent = nullptr);

    /// Replaces the picture with the one for `id` and repaints; the old picture is released.
    /// If the picture cannot be loaded, the current one stays and a warning is logged.
    void showPicture(PictureId id);

    /// The picture on screen: none while it is the start-up picture.
    [[nodiscard]] std::optional<PictureId> shownPicture() const { return m_shown; }

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap loadShown(qreal devicePixelRatio) const;

    std::optional<PictureId> m_shown;
    QPixmap m_pixmap;
};

} // namespace vekkiro
