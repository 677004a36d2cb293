#pragma once

#include <QBasicTimer>
#include <QLineEdit>

namespace vekkiro {

/// The search box: a line edit whose text caret is drawn in the text colour. The platform draws
/// a caret by inverting what lies under it, which on the box's green comes out pink.
class SearchBox : public QLineEdit {
    Q_OBJECT

public:
    explicit SearchBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void restartBlinking();
    [[nodiscard]] QRect caretRect() const;

    QBasicTimer m_blink;
    bool m_caretShown = false;
};

} // namespace vekkiro
