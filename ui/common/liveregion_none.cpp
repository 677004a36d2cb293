#include "liveregion.h"

namespace vekkiro {

// AT-SPI screen readers hear Qt's own events; there is nothing more to tell them.
struct LiveRegion::Native {};

LiveRegion::LiveRegion(QWidget* widget)
    : m_widget(widget) {}

LiveRegion::~LiveRegion() = default;

void LiveRegion::say(const QString& /*text*/) {}

} // namespace vekkiro
