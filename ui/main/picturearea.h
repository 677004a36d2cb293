#pragma once

#include "pictures.h"

#include <vekkiro/classification.h>

#include <QPixmap>
#include <QWidget>

#include <optional>
#include <vector>

namespace vekkiro {

/// The main window's surface: one picture drawn unscaled from the top-left corner, the rest in
/// the window's background colour. Starts with the start-up picture. Its accessible description
/// says what the picture shows.
class PictureArea : public QWidget {
    Q_OBJECT

public:
    explicit PictureArea(QWidget* parent = nullptr);

    /// Shows the picture for `id`, repainting only where it differs from the one shown. If the
    /// picture cannot be loaded, the current one stays and a warning is logged.
    void showPicture(PictureId id);

    /// The picture on screen: none while it is the start-up picture.
    [[nodiscard]] std::optional<PictureId> shownPicture() const { return m_shown; }

    [[nodiscard]] QSize sizeHint() const override;

Q_SIGNALS:
    /// The drawn pill around the search box was pressed outside the box itself.
    void searchBoxPillPressed();
    /// The drawn pill around the search button was clicked (pressed and released on it) outside
    /// the button itself.
    void searchButtonPillClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The start-up picture and, over it, the parts of the answer shown: an answer repaints only
    // where it differs, and no picture is copied for it.
    void loadForDensity(qreal devicePixelRatio);
    // Decodes, one per pass of the event loop, the parts of every answer not yet decoded, so
    // that even the first answer of each kind only draws.
    void warmUp();

    std::optional<PictureId> m_shown;
    QPixmap m_startup;
    std::vector<PicturePart> m_parts;
    bool m_warmUpStarted = false;
    bool m_buttonPillPressed = false;
    std::size_t m_warmedUp = 0;
};

} // namespace vekkiro
