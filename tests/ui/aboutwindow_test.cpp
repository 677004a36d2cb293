// The About window as its user meets it: its texts, fonts and colours, its frame, its link
// (every click one request to the desktop, captured here), and what happens when the page
// cannot be opened.
#include "aboutwindow.h"
#include "itempagelocation.h"
#include "mainwindow.h"
#include "textbutton.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFontInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using vekkiro::AboutWindow;
using vekkiro::TextButton;

namespace {

// Stands in for the desktop's URL opener and records what it was asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

QList<AboutWindow*> aboutWindows() {
    QList<AboutWindow*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<AboutWindow*>(widget))
            found.append(about);
    return found;
}

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir installDir;
    QUrl installedPage;
    UrlRecorder recorder;

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void labelsSayWhatTheyShouldWhereTheyShould_data();
    void labelsSayWhatTheyShouldWhereTheyShould();
    void labelsUseASimplifiedChineseSerifFont();
    void theLinkIsPlainBlueTextWithAnArrowPointer();
    void theWindowHasAFixedSizeAndOnlyACloseButton();
    void itOpensCentredOnTheMainWindow();
    void pageAddressFollowsTheBuildConfiguration_data();
    void pageAddressFollowsTheBuildConfiguration();
    void everyClickAsksTheDesktopOnceAndTheWindowStays();
    void aMissingPageIsReportedAndTheProgramGoesOn();
    void noUrlOpenerIsReportedAndTheProgramGoesOn();
    void theProgramEndsOnlyWhenTheLastWindowCloses();
};

void AboutWindowTest::initTestCase() {
    QVERIFY(installDir.isValid());
    // An installed layout: bin/ beside share/vekkiro/winpj/.
    QVERIFY(QDir(installDir.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QDir(installDir.path()).mkpath(QStringLiteral("share/vekkiro/winpj")));
    const QString page = installDir.filePath(QStringLiteral("share/vekkiro/winpj/qbljfl.html"));
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<!doctype html><title>x</title>");
    file.close();
    installedPage = QUrl::fromLocalFile(page);
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
}

void AboutWindowTest::cleanup() {
    qDeleteAll(aboutWindows());
    recorder.opened.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
}

void AboutWindowTest::labelsSayWhatTheyShouldWhereTheyShould_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("applicationLabel")
        << "applicationLabel" << QStringLiteral("应用程序：Vekkiro") << QRect(24, 16, 217, 17);
    QTest::newRow("authorLabel") << "authorLabel" << QStringLiteral("作者：Quendry")
                                 << QRect(24, 48, 217, 17);
    QTest::newRow("itemPageLabel")
        << "itemPageLabel" << QStringLiteral("全部可分类垃圾：") << QRect(24, 80, 129, 17);
    QTest::newRow("itemPageLink") << "itemPageLink" << QStringLiteral("点击查看")
                                  << QRect(152, 80, 81, 17);
}

void AboutWindowTest::labelsSayWhatTheyShouldWhereTheyShould() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    AboutWindow about(installedPage);
    const auto* label = about.findChild<QWidget*>(name);
    QVERIFY(label);
    QCOMPARE(label->property("text").toString(), text);
    // Where the window's design puts it; only made as tall as the font's line, about the same
    // centre, so that no glyph is cut off.
    QCOMPARE(label->x(), geometry.x());
    QCOMPARE(label->width(), geometry.width());
    QVERIFY(qAbs(label->geometry().center().y() - geometry.center().y()) <= 1);
    QVERIFY(label->height() >= qMax(geometry.height(), label->fontMetrics().height()));
    QVERIFY(label->fontMetrics().horizontalAdvance(text) <= geometry.width());
}

void AboutWindowTest::labelsUseASimplifiedChineseSerifFont() {
    AboutWindow about(installedPage);
    for (const char* name : {"applicationLabel", "authorLabel", "itemPageLabel", "itemPageLink"}) {
        const auto* label = about.findChild<QWidget*>(QLatin1String(name));
        QVERIFY(label);
        const QFontInfo info(label->font());
        QCOMPARE(info.family(), QStringLiteral("Noto Serif CJK SC"));
        QCOMPARE(info.pointSize(), 12);
        QCOMPARE(info.weight(), int(QFont::Normal));
        QCOMPARE(label->font().families().constFirst(), QStringLiteral("宋体"));
    }
}

void AboutWindowTest::theLinkIsPlainBlueTextWithAnArrowPointer() {
    AboutWindow about(installedPage);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* link = about.findChild<TextButton*>(QStringLiteral("itemPageLink"));
    QVERIFY(link);
    // The window opens with the focus on it, and it stays plain; only when the user tabs to it
    // does it show the focus, by an underline that goes with the focus.
    QTRY_VERIFY(link->hasFocus());
    const QImage plain = link->grab().toImage();
    link->clearFocus();
    QCOMPARE(link->grab().toImage(), plain);
    link->setFocus(Qt::TabFocusReason);
    const QImage focused = link->grab().toImage();
    QVERIFY(focused != plain);
    // The underline: a row across the text's width where only the focused link is drawn.
    int underlineRows = 0;
    const int textWidth = link->fontMetrics().horizontalAdvance(link->text());
    for (int y = 0; y < plain.height(); ++y) {
        int changed = 0;
        for (int x = 0; x < plain.width(); ++x)
            changed += focused.pixel(x, y) != plain.pixel(x, y) ? 1 : 0;
        underlineRows += changed * 10 >= textWidth * 9 ? 1 : 0;
    }
    QVERIFY(underlineRows >= 1);
    link->clearFocus();
    QCOMPARE(link->grab().toImage(), plain);
    QCOMPARE(link->cursor().shape(), Qt::ArrowCursor);
    const QImage shown = link->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int pureBlue = 0;
    int blueish = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb p = shown.pixel(x, y);
            pureBlue += p == qRgb(0, 0, 255) ? 1 : 0;
            blueish += qBlue(p) > 200 && qRed(p) < 120 && qGreen(p) < 120 ? 1 : 0;
        }
    }
    QVERIFY2(pureBlue > 5 && blueish > 40,
             qPrintable(QStringLiteral("%1 %2").arg(pureBlue).arg(blueish)));
}

void AboutWindowTest::theWindowHasAFixedSizeAndOnlyACloseButton() {
    AboutWindow about(installedPage);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.windowTitle(), QStringLiteral("关于"));
    QCOMPARE(about.size(), QSize(271, 112));
    QCOMPARE(about.minimumSize(), QSize(271, 112));
    QCOMPARE(about.maximumSize(), QSize(271, 112));
    const Qt::WindowFlags flags = about.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(about.isWindow());
    QVERIFY(!about.windowIcon().isNull());
}

void AboutWindowTest::itOpensCentredOnTheMainWindow() {
    vekkiro::MainWindow window;
    window.move(100, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QAction*>(QStringLiteral("aboutAction"))->trigger();
    QCOMPARE(aboutWindows().size(), 1);
    const AboutWindow* about = aboutWindows().constFirst();
    const QPoint offset = about->frameGeometry().center() - window.frameGeometry().center();
    QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
             qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
}

void AboutWindowTest::pageAddressFollowsTheBuildConfiguration_data() {
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("expected");
    QTest::newRow("publisher site")
        << QStringLiteral("waste.example.org")
        << QStringLiteral("https://waste.example.org/winpj/qbljfl.html");
    QTest::newRow("installed copy") << QString() << QStringLiteral("<installed>");
}

void AboutWindowTest::pageAddressFollowsTheBuildConfiguration() {
    QFETCH(QString, host);
    QFETCH(QString, expected);
    const QUrl url = vekkiro::itemPageUrl(host, installDir.filePath(QStringLiteral("bin")));
    QCOMPARE(url, expected == QLatin1String("<installed>") ? installedPage : QUrl(expected));

    AboutWindow about(url);
    about.show();
    QTest::mouseClick(about.findChild<TextButton*>(QStringLiteral("itemPageLink")), Qt::LeftButton);
    QCOMPARE(recorder.opened, QList<QUrl>{url});
}

void AboutWindowTest::everyClickAsksTheDesktopOnceAndTheWindowStays() {
    AboutWindow about(installedPage);
    about.show();
    auto* link = about.findChild<TextButton*>(QStringLiteral("itemPageLink"));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(recorder.opened, QList<QUrl>({installedPage, installedPage, installedPage}));
    QVERIFY(about.isVisible());
    QVERIFY(about.findChildren<QMessageBox*>().isEmpty());
}

void AboutWindowTest::aMissingPageIsReportedAndTheProgramGoesOn() {
    const QUrl missing = QUrl::fromLocalFile(installDir.filePath(QStringLiteral("nowhere.html")));
    AboutWindow about(missing);
    about.show();
    QTest::mouseClick(about.findChild<TextButton*>(QStringLiteral("itemPageLink")), Qt::LeftButton);
    QVERIFY(recorder.opened.isEmpty());
    QTRY_COMPARE(about.findChildren<QMessageBox*>().size(), 1);
    QMessageBox* box = about.findChildren<QMessageBox*>().constFirst();
    QVERIFY(box->text().contains(QStringLiteral("无法打开")));
    QVERIFY(box->text().contains(missing.toLocalFile()));
    box->accept();
    QTRY_VERIFY(about.findChildren<QMessageBox*>().isEmpty());
    QVERIFY(about.isVisible());
}

void AboutWindowTest::noUrlOpenerIsReportedAndTheProgramGoesOn() {
    // The offscreen platform has no opener of its own: with no handler, openUrl fails.
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    const QUrl url(QStringLiteral("https://waste.example.org/winpj/qbljfl.html"));
    AboutWindow about(url);
    about.show();
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("does not support .*openUrl")));
    QTest::mouseClick(about.findChild<TextButton*>(QStringLiteral("itemPageLink")), Qt::LeftButton);
    QTRY_COMPARE(about.findChildren<QMessageBox*>().size(), 1);
    QVERIFY(about.findChildren<QMessageBox*>().constFirst()->text().contains(url.toString()));
    QVERIFY(about.isVisible());
}

void AboutWindowTest::theProgramEndsOnlyWhenTheLastWindowCloses() {
    // Run the application's own event loop: it must return when, and only when, both windows
    // are closed, the main window first.
    auto* window = new vekkiro::MainWindow();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->findChild<QAction*>(QStringLiteral("aboutAction"))->trigger();
    QCOMPARE(aboutWindows().size(), 1);
    QPointer<AboutWindow> about = aboutWindows().constFirst();

    bool aboutOutlivedMainWindow = false;
    QTimer::singleShot(0, qApp, [&] {
        window->close();
        QTimer::singleShot(50, qApp, [&] {
            aboutOutlivedMainWindow = !about.isNull() && about->isVisible();
            if (about)
                about->close();
        });
    });
    // Should the program not end, fail instead of hanging.
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(2); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(aboutOutlivedMainWindow);
}

QTEST_MAIN(AboutWindowTest)
#include "aboutwindow_test.moc"
