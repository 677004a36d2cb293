#include "mainwindow.h"
#include "pictures.h"
#include "platform.h"
#include "qttranslations.h"

#include <vekkiro/version.h>

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    // Qt aborts with a long message when it finds no display; say it in one line instead.
    if (!vekkiro::displayAvailable(argc, argv)) {
        std::fputs("vekkiro: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY "
                   "is set, and no -platform given); start it from a desktop session.\n",
                   stderr);
        return EXIT_FAILURE;
    }
    vekkiro::markRunning();

    QApplication::setApplicationName(QString::fromUtf8(vekkiro::version::productName));
    QApplication::setApplicationVersion(QString::fromUtf8(vekkiro::version::version));
    QApplication::setDesktopFileName(QStringLiteral(VEKKIRO_APP_ID));
    QApplication app(argc, argv);
    // Decoded meanwhile on the other core, while the rest of the window is built.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        vekkiro::prepareStartupPicture(screen->devicePixelRatio());
    vekkiro::installQtTranslations(app);

    vekkiro::MainWindow window;
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    return QApplication::exec();
}
