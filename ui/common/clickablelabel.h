#pragma once

#include <QLabel>

namespace vekkiro {

/// A label that acts as a button: clicked() when the left button is pressed and released over
/// it, or when Space is pressed while it has the keyboard focus. When the user moves the focus
/// to it from the keyboard, it shows so by underlining its text; otherwise it stays plain.
/// Assistive technology sees a button whose press action clicks it.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    /// Clicks the label, as a user's click would.
    void click();

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void setUnderlined(bool underlined);

    bool m_pressed = false;
};

} // namespace vekkiro
