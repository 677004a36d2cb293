#pragma once

// What the tests of the windows, and the window benchmark, all do: open the main window and
// find its controls, and type as a user does.
#include "mainwindow.h"
#include "picturearea.h"
#include "textbutton.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace vekkiro::testing {

/// Text as an input method commits it, all at once: how Chinese reaches the box.
inline void commitText(QWidget* widget, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(widget, &commit);
}

/// Types text as a user would: ASCII from the keyboard, anything else committed by an input
/// method, a character at a time.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            commitText(widget, QString(c));
    }
}

/// The main window, shown, and the controls that the tests drive.
struct ShownMainWindow {
    std::unique_ptr<MainWindow> window;
    QLineEdit* searchBox = nullptr;
    TextButton* searchButton = nullptr;
    PictureArea* picture = nullptr;

    /// Opens the window and waits until it is on screen; false if it never is, or a control is
    /// missing.
    [[nodiscard]] bool open() {
        window = std::make_unique<MainWindow>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return false;
        searchBox = window->findChild<QLineEdit*>(QStringLiteral("searchBox"));
        searchButton = window->findChild<TextButton*>(QStringLiteral("searchButton"));
        picture = window->findChild<PictureArea*>(QStringLiteral("picture"));
        return searchBox && searchButton && picture;
    }

    void close() { window.reset(); }
};

} // namespace vekkiro::testing
