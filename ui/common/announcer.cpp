#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace vekkiro {

namespace {

class AccessibleAnnouncer : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncer(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Notification) {}
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("vekkiro::Announcer") && object->isWidgetType())
        return new AccessibleAnnouncer(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
    , m_liveRegion(this) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
}

void Announcer::announce(const QString& message) {
    setAccessibleName(message);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    m_liveRegion.say(message);
    Q_EMIT announced(message);
}

} // namespace vekkiro
