#pragma once

#include "liveregion.h"

#include <QWidget>

namespace vekkiro {

/// Says short messages to screen readers: to assistive technology it is a notification, whose
/// name is the message, shown anew each time something is said; and the message goes to the
/// platform's live region too (on Windows, where Qt's notification reaches no reader). On
/// screen it is one transparent pixel that draws nothing and takes no input. Qt (6.4) has no
/// announcement of its own; a notification that appears is what AT-SPI readers read out at
/// once, whatever has the focus.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    /// Has the message read out, even when it is the same as the last.
    void announce(const QString& message);

Q_SIGNALS:
    /// A message has just been handed to assistive technology.
    void announced(const QString& message);

private:
    LiveRegion m_liveRegion;
};

} // namespace vekkiro
