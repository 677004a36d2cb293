#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWidget>

#include <functional>

namespace vekkiro {

/// Makes the first showing of a window of its own (a popup list) as quick as the later ones. Its
/// native window, its first mapping on the display and its first backing store cost the first
/// showing some 15 ms on X11 at 2x; so once another window (the main window) has put out its
/// first frame, the window is shown in the idle time, empty, at the size it will open at,
/// beyond every screen where nobody sees it, and hidden again once it has been painted.
class WindowWarmUp : public QObject {
    Q_OBJECT

public:
    /// Warms `window` up after `after`'s first frame, at the size `size` gives then; `painted` is
    /// the part of it whose first paint ends the warm-up (a scroll area's viewport). `prepare`,
    /// if given, makes ready what the window will show, in the same idle time, first. The
    /// warm-up is a child of `window`.
    WindowWarmUp(QWidget* window, QWidget* painted, QWidget* after, std::function<QSize()> size,
                 std::function<void()> prepare = {});

    /// Ends the warm-up now if it is under way: the window is about to be shown for real.
    void finish();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start();

    QWidget* m_window;
    QPointer<QWidget> m_painted;
    QPointer<QWidget> m_after;
    std::function<QSize()> m_size;
    std::function<void()> m_prepare;
    bool m_requested = false;
    bool m_underWay = false;
};

} // namespace vekkiro
