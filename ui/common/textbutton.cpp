#include "textbutton.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyle>

namespace vekkiro {

TextButton::TextButton(QWidget* parent)
    : QAbstractButton(parent) {
    // A label's colours: the window's, not a button's.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
}

void TextButton::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

QSize TextButton::sizeHint() const {
    return fontMetrics().size(Qt::TextSingleLine, text());
}

void TextButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (m_focusShown) {
        QFont underlined = font();
        underlined.setUnderline(true);
        painter.setFont(underlined);
    }
    style()->drawItemText(&painter, rect(), static_cast<int>(m_alignment) | Qt::TextExpandTabs,
                          palette(), isEnabled(), text(), foregroundRole());
}

void TextButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    // Only a user finding their way by keyboard needs to see where the focus is; a window that
    // opens with the focus here keeps its plain look.
    const Qt::FocusReason reason = event->reason();
    m_focusShown = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                   reason == Qt::ShortcutFocusReason;
    update();
}

void TextButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    m_focusShown = false;
    update();
}

} // namespace vekkiro
