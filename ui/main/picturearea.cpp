#include "picturearea.h"

#include "picture_layout.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace vekkiro {

namespace {

// The client area the window opens with; the picture is a little larger, and its last columns
// and rows stay out of sight.
constexpr QSize clientSize(944, 595);

bool onPill(const layout::Area& pill, QPointF point) {
    QPainterPath shape;
    shape.addRoundedRect(pill.scaled(1), layout::pillRadius, layout::pillRadius);
    return shape.contains(point);
}

} // namespace

PictureArea::PictureArea(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleDescription(pictureDescription(m_shown));
}

QSize PictureArea::sizeHint() const {
    return clientSize;
}

void PictureArea::loadForDensity(qreal devicePixelRatio) {
    QPixmap startup = loadStartupPicture(devicePixelRatio);
    if (startup.isNull())
        return;
    std::vector<PicturePart> parts;
    if (m_shown) {
        parts = pictureParts(*m_shown, devicePixelRatio);
        if (parts.empty())
            return;
    }
    m_startup = std::move(startup);
    m_parts = std::move(parts);
}

void PictureArea::showPicture(PictureId id) {
    std::vector<PicturePart> parts = pictureParts(id, devicePixelRatioF());
    if (parts.empty())
        return; // the loader has said why; the current picture stays
    QRegion changed;
    for (const PicturePart& part : m_parts)
        changed += part.rect();
    for (const PicturePart& part : parts)
        changed += part.rect();
    m_shown = id;
    m_parts = std::move(parts);
    setAccessibleDescription(pictureDescription(m_shown));
    update(changed);
}

void PictureArea::warmUp() {
    if (m_warmedUp >= allPictureIds.size())
        return;
    (void)pictureParts(allPictureIds[m_warmedUp++], devicePixelRatioF());
    QTimer::singleShot(0, this, &PictureArea::warmUp);
}

void PictureArea::paintEvent(QPaintEvent* event) {
    // The picture is taken when it is first drawn: by then the screen's density is known, and the
    // start-up picture prepared while the window was being built is decoded. Moved to a screen of
    // another density, the window takes the renderings made for that.
    if (m_startup.isNull() ||
        renderingScale(devicePixelRatioF()) != renderingScale(m_startup.devicePixelRatio()))
        loadForDensity(devicePixelRatioF());
    QPainter painter(this);
    const QRect pictureRect(QPoint(0, 0), m_startup.deviceIndependentSize().toSize());
    const QRegion uncovered = QRegion(event->rect()) - pictureRect;
    for (const QRect& r : uncovered)
        painter.fillRect(r, palette().window());
    if (event->rect().intersects(pictureRect))
        painter.drawPixmap(QPoint(0, 0), m_startup);
    for (const PicturePart& part : m_parts)
        if (event->rect().intersects(part.rect()))
            painter.drawImage(part.position, part.image);
    painter.end();

    // Once the first frame is drawn, the idle time goes to decoding the answers.
    if (!m_warmUpStarted) {
        m_warmUpStarted = true;
        QTimer::singleShot(0, this, &PictureArea::warmUp);
    }
}

// The controls sit inside the pills the picture draws for them; the rest of each pill is still
// the control to whoever clicks it.
void PictureArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (onPill(layout::searchBoxPill, event->position())) {
            Q_EMIT searchBoxPillPressed();
            return;
        }
        m_buttonPillPressed = onPill(layout::searchButtonPill, event->position());
        if (m_buttonPillPressed)
            return;
    }
    QWidget::mousePressEvent(event);
}

void PictureArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_buttonPillPressed) {
        m_buttonPillPressed = false;
        // Like a button: released off the pill, the click is taken back.
        if (onPill(layout::searchButtonPill, event->position()))
            Q_EMIT searchButtonPillClicked();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace vekkiro
