#include "clickablelabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vekkiro {

namespace {

// Screen readers would otherwise announce plain text and offer nothing to press.
class AccessibleClickableLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty())
            return label()->text();
        return own;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction())
            label()->click();
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("vekkiro::ClickableLabel") && object->isWidgetType())
        return new AccessibleClickableLabel(static_cast<ClickableLabel*>(object));
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void ClickableLabel::click() {
    Q_EMIT clicked();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        event->accept();
        // Like a button: releasing elsewhere takes the click back.
        if (rect().contains(event->position().toPoint()))
            click();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    // Only a user finding their way by keyboard needs to see where the focus is; a window that
    // opens with the focus here keeps its plain look.
    const Qt::FocusReason reason = event->reason();
    setUnderlined(reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                  reason == Qt::ShortcutFocusReason);
}

void ClickableLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    setUnderlined(false);
}

void ClickableLabel::setUnderlined(bool underlined) {
    QFont underlinedOrNot = font();
    underlinedOrNot.setUnderline(underlined);
    setFont(underlinedOrNot);
}

} // namespace vekkiro
