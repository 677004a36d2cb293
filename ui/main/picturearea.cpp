#include "picturearea.h"

#include "pictures.h"

#include <QPaintEvent>
#include <QPainter>

namespace vekkiro {

namespace {

// The client area the window opens with; the picture is a little larger, and its last columns
// and rows stay out of sight.
constexpr QSize clientSize(944, 595);

} // namespace

PictureArea::PictureArea(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_pixmap = loadShown(devicePixelRatioF());
    setAccessibleDescription(pictureDescription(m_shown));
}

QSize PictureArea::sizeHint() const {
    return clientSize;
}

QPixmap PictureArea::loadShown(qreal devicePixelRatio) const {
    return m_shown ? loadPicture(*m_shown, devicePixelRatio) : loadStartupPicture(devicePixelRatio);
}

void PictureArea::showPicture(PictureId id) {
    QPixmap pixmap = loadPicture(id, devicePixelRatioF());
    if (pixmap.isNull())
        return; // the loader has said why; the current picture stays
    m_shown = id;
    m_pixmap = std::move(pixmap);
    setAccessibleDescription(pictureDescription(m_shown));
    update();
}

void PictureArea::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another density: take the rendering made for it.
    if (!m_pixmap.isNull() && (devicePixelRatioF() > 1.0) != (m_pixmap.devicePixelRatio() > 1.0)) {
        QPixmap reloaded = loadShown(devicePixelRatioF());
        if (!reloaded.isNull())
            m_pixmap = std::move(reloaded);
    }
    QPainter painter(this);
    const QRect pictureRect(QPoint(0, 0), m_pixmap.deviceIndependentSize().toSize());
    const QRegion uncovered = QRegion(event->rect()) - pictureRect;
    for (const QRect& r : uncovered)
        painter.fillRect(r, palette().window());
    if (event->rect().intersects(pictureRect))
        painter.drawPixmap(QPoint(0, 0), m_pixmap);
}

} // namespace vekkiro
