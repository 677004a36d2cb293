#include "searchbox.h"

#include <QGuiApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleHints>
#include <QTimerEvent>

namespace vekkiro {

namespace {

// Keeps the line edit from drawing its own (inverting) caret.
class NoCaretStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TextCursorWidth)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

SearchBox::SearchBox(QWidget* parent)
    : QLineEdit(parent) {
    auto* style = new NoCaretStyle;
    style->setParent(this);
    setStyle(style);
    connect(this, &QLineEdit::cursorPositionChanged, this, &SearchBox::restartBlinking);
    connect(this, &QLineEdit::textChanged, this, &SearchBox::restartBlinking);
}

QRect SearchBox::caretRect() const {
    // The line edit reports a rectangle 5 px either side of where the caret goes.
    constexpr int caretWidth = 1;
    const QRect around = cursorRect();
    return {around.x() + 5, around.y(), caretWidth, around.height()};
}

void SearchBox::restartBlinking() {
    if (!hasFocus())
        return;
    m_caretShown = true;
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    if (flashTime > 0)
        m_blink.start(flashTime / 2, this);
    else
        m_blink.stop();
    update();
}

void SearchBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    restartBlinking();
}

void SearchBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    m_blink.stop();
    m_caretShown = false;
    update();
}

void SearchBox::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_blink.timerId()) {
        QLineEdit::timerEvent(event);
        return;
    }
    m_caretShown = !m_caretShown;
    update(caretRect());
}

void SearchBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!m_caretShown || !hasFocus() || hasSelectedText())
        return;
    QPainter painter(this);
    painter.fillRect(caretRect(), palette().color(QPalette::Text));
}

} // namespace vekkiro
