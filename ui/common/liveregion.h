#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace vekkiro {

/// What the platform's own screen readers are told beside Qt's accessibility events, without the
/// focus moving. On Windows, whose screen readers hear nothing of Qt's notifications (Qt 6.4's
/// UI Automation bridge raises no event for a shown or renamed object), a live region: a native
/// static control in the window, marked assertive, whose text is set and announced with
/// EVENT_OBJECT_LIVEREGIONCHANGED, which Narrator and NVDA read out. Elsewhere nothing: AT-SPI
/// readers take Qt's events. Each platform's part is in liveregion_<platform>.cpp.
class LiveRegion {
public:
    /// A region in the window of `widget`, made when it first says something.
    explicit LiveRegion(QWidget* widget);
    ~LiveRegion();
    LiveRegion(const LiveRegion&) = delete;
    LiveRegion& operator=(const LiveRegion&) = delete;

    /// Has the text read out, even when it is the same as the last.
    void say(const QString& text);

private:
    struct Native;
    QPointer<QWidget> m_widget;
    std::unique_ptr<Native> m_native;
};

} // namespace vekkiro
