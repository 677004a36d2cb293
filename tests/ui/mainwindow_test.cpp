// Drives the real main window and judges what the user sees: grabbed pixels against the
// pictures as the build rendered them, widget state, and what assistive technology is told. Runs at
// device pixel ratio 1 and, registered a second time, at 2.
#include "aboutwindow.h"
#include "mainwindow.h"
#include "picture_layout.h"
#include "picturearea.h"
#include "textbutton.h"
#include "window_testing.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

using vekkiro::MainWindow;
using vekkiro::PictureArea;
using vekkiro::PictureId;
using vekkiro::TextButton;

namespace {

constexpr QRect searchBoxGeometry(424, 160, 289, 33);
constexpr QRect searchButtonGeometry(752, 160, 81, 35);
constexpr QRect visiblePicture(0, 0, 944, 595);
constexpr QRgb pillGreen = qRgb(0, 128, 0);

QRect toDevice(const QRect& r, qreal dpr) {
    return {qRound(r.x() * dpr), qRound(r.y() * dpr), qRound(r.width() * dpr),
            qRound(r.height() * dpr)};
}

using vekkiro::testing::typeText;

QList<vekkiro::AboutWindow*> aboutWindows() {
    QList<vekkiro::AboutWindow*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<vekkiro::AboutWindow*>(widget))
            found.append(about);
    return found;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    vekkiro::testing::ShownMainWindow opened;
    MainWindow* window = nullptr;
    QLineEdit* searchBox = nullptr;
    TextButton* searchButton = nullptr;
    PictureArea* picture = nullptr;

    qreal dpr() const { return picture->devicePixelRatioF(); }

    // The picture as the build rendered the scene whole, at the density the screen asks for:
    // independent of the loader, which puts pictures together from pieces.
    static QImage expectedPicture(std::optional<PictureId> id, qreal ratio) {
        const QString path = QStringLiteral("%1/%2%3.png")
                                 .arg(QStringLiteral(VEKKIRO_REFERENCE_PICTURES),
                                      id ? QString::number(int(*id)) : QStringLiteral("startup"),
                                      ratio > 1.0 ? QStringLiteral("@2x") : QString());
        QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
        if (image.isNull())
            qFatal("no reference picture %s", qPrintable(path));
        // Compared pixel for pixel: the @2x file's ratio would scale what is painted over it.
        image.setDevicePixelRatio(1.0);
        return image;
    }

    // True when the visible part of the area equals the picture, outside the two controls.
    bool showsPicture(std::optional<PictureId> id) const {
        QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        shown.setDevicePixelRatio(1.0);
        QImage expected = expectedPicture(id, dpr());
        const QRect visible = toDevice(visiblePicture, dpr());
        shown = shown.copy(visible);
        expected = expected.copy(visible);
        QPainter shownPainter(&shown);
        QPainter expectedPainter(&expected);
        for (const QRect& control : {searchBoxGeometry, searchButtonGeometry}) {
            shownPainter.fillRect(toDevice(control, dpr()), Qt::black);
            expectedPainter.fillRect(toDevice(control, dpr()), Qt::black);
        }
        return shown == expected;
    }

    void searchFor(const QString& text) {
        searchBox->clear();
        typeText(searchBox, text);
        QTest::mouseClick(searchButton, Qt::LeftButton);
    }

    QString accessibleDescriptionOfPicture() const {
        return QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Description);
    }

private Q_SLOTS:
    void init();
    void cleanup();

    void startsWithTheStartupPictureAnEmptyBoxAndFocusInIt();
    void controlsSitOnThePillsInTheirGeometry_data();
    void controlsSitOnThePillsInTheirGeometry();
    void theCaretIsDrawnInTheTextColourNotInverted();
    void controlsUseASimplifiedChineseSansFont();
    void clientAreaIs944x595BelowTheMenuBar();
    void aClickShowsThePictureOfTheAnswer_data();
    void aClickShowsThePictureOfTheAnswer();
    void theSentinelLeavesThePictureOnScreen();
    void theTextStaysAndTheSameTextGivesTheSamePictureAgain();
    void typingAndEnterNeverSearch();
    void releasingOutsideTheLabelTakesTheClickBack();
    void assistiveTechnologySeesABoxAndAButtonThatSearches();
    void maximisingOrEnlargingMovesNothing();
    void aPictureThatCannotBeLoadedLeavesTheCurrentOne();
    void anAnswerRepaintsOnlyWhatItChanges_data();
    void anAnswerRepaintsOnlyWhatItChanges();
    void theMenuAccessKeysOpenTheAboutWindow();
    void theAboutWindowIsNeverOpenedTwice();
    void searchesWorkWhileTheAboutWindowIsOpen();
};

void MainWindowTest::init() {
    QVERIFY(opened.open());
    window = opened.window.get();
    searchBox = opened.searchBox;
    searchButton = opened.searchButton;
    picture = opened.picture;
}

void MainWindowTest::cleanup() {
    qDeleteAll(aboutWindows());
    opened.close();
}

void MainWindowTest::startsWithTheStartupPictureAnEmptyBoxAndFocusInIt() {
    QVERIFY(showsPicture(std::nullopt));
    QVERIFY(searchBox->text().isEmpty());
    QCOMPARE(window->focusWidget(), searchBox);
    QCOMPARE(window->windowTitle(), QStringLiteral("Vekkiro"));
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(!window->isMaximized());
    QCOMPARE(accessibleDescriptionOfPicture(),
             QStringLiteral("可回收物、厨余垃圾、其他垃圾、有害垃圾"));
}

void MainWindowTest::controlsSitOnThePillsInTheirGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("search box") << QStringLiteral("searchBox") << searchBoxGeometry;
    QTest::newRow("search button") << QStringLiteral("searchButton") << searchButtonGeometry;
}

void MainWindowTest::controlsSitOnThePillsInTheirGeometry() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QWidget* control = window->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);

    typeText(searchBox, QStringLiteral("电池"));
    // The caret blinks; judge the controls without it.
    searchBox->clearFocus();
    // Every pixel of the control is the pill's green or part of its white text: no frame, no
    // focus rectangle, no other green.
    QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1.0);
    const QRect area = toDevice(geometry, dpr());
    int white = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = shown.pixel(x, y);
            QVERIFY2(
                qGreen(p) >= 128 && qRed(p) == qBlue(p) && qGreen(p) - qRed(p) <= 128,
                qPrintable(QStringLiteral("(%1, %2) #%3").arg(x).arg(y).arg(p & 0xffffff, 6, 16)));
            white += p == qRgb(255, 255, 255) ? 1 : 0;
        }
    }
    QVERIFY2(white > 20, "the control's text is not white");
    // The corner of the control is plain pill green.
    QCOMPARE(shown.pixel(area.topLeft()), pillGreen);
    QCOMPARE(shown.pixel(area.bottomRight()), pillGreen);
}

void MainWindowTest::theCaretIsDrawnInTheTextColourNotInverted() {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    searchBox->setFocus();
    // Spaces put the caret clear of the glyphs. Typing shows the caret at once; it then blinks.
    typeText(searchBox, QStringLiteral("电池   "));
    QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1.0);
    const QRect box = toDevice(searchBoxGeometry, dpr());
    const QRect cursor = searchBox->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int caretX = box.x() + qRound(cursor.center().x() * dpr());
    int whiteInCaretColumn = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb p = shown.pixel(x, y);
            // Green, white, or a blend of the two: never the pink of an inverted caret.
            QVERIFY2(
                qRed(p) == qBlue(p) && qGreen(p) >= 128,
                qPrintable(QStringLiteral("(%1, %2) #%3").arg(x).arg(y).arg(p & 0xffffff, 6, 16)));
        }
        for (int x = caretX - qRound(3 * dpr()); x <= caretX + qRound(3 * dpr()); ++x)
            whiteInCaretColumn += shown.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
    }
    QVERIFY2(whiteInCaretColumn >= 15 * dpr(), qPrintable(QString::number(whiteInCaretColumn)));
}

void MainWindowTest::controlsUseASimplifiedChineseSansFont() {
    for (QWidget* control :
         {static_cast<QWidget*>(searchBox), static_cast<QWidget*>(searchButton)}) {
        const QFontInfo info(control->font());
        QCOMPARE(info.family(), QStringLiteral("Noto Sans CJK SC"));
        QCOMPARE(info.pointSize(), 18);
        QCOMPARE(info.weight(), int(QFont::Normal));
        QCOMPARE(control->font().families().constFirst(), QStringLiteral("黑体"));
    }
    QCOMPARE(searchButton->text(), QStringLiteral("搜分类"));
    QCOMPARE(searchButton->alignment(), Qt::AlignCenter);
}

void MainWindowTest::clientAreaIs944x595BelowTheMenuBar() {
    QCOMPARE(picture->size(), QSize(944, 595));
    QVERIFY(window->menuBar()->isVisible());
    QCOMPARE(picture->y(), window->menuBar()->height());
}

void MainWindowTest::aClickShowsThePictureOfTheAnswer_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<PictureId>("expected");
    QTest::addColumn<QString>("description");
    QTest::newRow("empty box") << QString() << PictureId::NotFound
                               << QStringLiteral("该垃圾本程序暂时无法分类");
    QTest::newRow("plastic bottle")
        << QStringLiteral("塑料瓶") << PictureId::Recyclable << QStringLiteral("可回收物");
    QTest::newRow("flowers") << QStringLiteral("鲜花") << PictureId::KitchenWaste
                             << QStringLiteral("厨余垃圾");
    QTest::newRow("toilet paper") << QStringLiteral("卫生纸") << PictureId::OtherWaste
                                  << QStringLiteral("其他垃圾");
    QTest::newRow("battery") << QStringLiteral("电池") << PictureId::HazardousWaste
                             << QStringLiteral("有害垃圾");
    QTest::newRow("trailing space") << QStringLiteral("电池 ") << PictureId::NotFound
                                    << QStringLiteral("该垃圾本程序暂时无法分类");
    QTest::newRow("lower-case ph") << QStringLiteral("ph试纸") << PictureId::NotFound
                                   << QStringLiteral("该垃圾本程序暂时无法分类");
}

void MainWindowTest::aClickShowsThePictureOfTheAnswer() {
    QFETCH(QString, text);
    QFETCH(PictureId, expected);
    QFETCH(QString, description);
    searchFor(text);
    QVERIFY(showsPicture(expected));
    QCOMPARE(picture->shownPicture(), expected);
    QCOMPARE(accessibleDescriptionOfPicture(), description);
}

void MainWindowTest::theSentinelLeavesThePictureOnScreen() {
    searchFor(QStringLiteral("更多"));
    QVERIFY(showsPicture(std::nullopt));
    searchFor(QStringLiteral("塑料瓶"));
    QVERIFY(showsPicture(PictureId::Recyclable));
    searchFor(QStringLiteral("更多"));
    QVERIFY(showsPicture(PictureId::Recyclable));
    QCOMPARE(accessibleDescriptionOfPicture(), QStringLiteral("可回收物"));
}

void MainWindowTest::theTextStaysAndTheSameTextGivesTheSamePictureAgain() {
    searchFor(QStringLiteral("电池"));
    QCOMPARE(searchBox->text(), QStringLiteral("电池"));
    QTest::mouseClick(searchButton, Qt::LeftButton);
    QCOMPARE(searchBox->text(), QStringLiteral("电池"));
    QVERIFY(showsPicture(PictureId::HazardousWaste));
}

void MainWindowTest::typingAndEnterNeverSearch() {
    typeText(searchBox, QStringLiteral("电池"));
    QTest::keyClick(searchBox, Qt::Key_Return);
    QTest::keyClick(searchBox, Qt::Key_Enter);
    QVERIFY(showsPicture(std::nullopt));
    QCOMPARE(searchBox->text(), QStringLiteral("电池"));
}

void MainWindowTest::releasingOutsideTheLabelTakesTheClickBack() {
    QSignalSpy clicks(searchButton, &TextButton::clicked);
    QTest::mousePress(searchButton, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(searchButton, Qt::LeftButton, {}, QPoint(200, 5));
    QCOMPARE(clicks.count(), 0);
    QTest::mouseClick(searchButton, Qt::RightButton);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(showsPicture(std::nullopt));
}

void MainWindowTest::assistiveTechnologySeesABoxAndAButtonThatSearches() {
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(searchBox);
    QCOMPARE(box->text(QAccessible::Name), QStringLiteral("垃圾分类搜一搜"));
    QCOMPARE(box->role(), QAccessible::EditableText);

    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(searchButton);
    QCOMPARE(button->role(), QAccessible::Button);
    QCOMPARE(button->text(QAccessible::Name), QStringLiteral("搜分类"));
    QAccessibleActionInterface* actions = button->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));

    searchBox->setText(QStringLiteral("牛奶盒"));
    actions->doAction(QAccessibleActionInterface::pressAction());
    // Qt's buttons show a press from assistive technology for a moment before they click.
    QTRY_VERIFY(showsPicture(PictureId::Recyclable));

    // The keyboard reaches the label after the box, and Space presses it.
    QCOMPARE(searchBox->nextInFocusChain(), searchButton);
    searchBox->setText(QStringLiteral("牛奶袋"));
    searchButton->setFocus();
    QTest::keyClick(searchButton, Qt::Key_Space);
    QVERIFY(showsPicture(PictureId::OtherWaste));
}

void MainWindowTest::maximisingOrEnlargingMovesNothing() {
    searchFor(QStringLiteral("鲜花"));
    window->showMaximized();
    QTRY_VERIFY(window->isMaximized());
    QCOMPARE(searchBox->geometry(), searchBoxGeometry);
    QCOMPARE(searchButton->geometry(), searchButtonGeometry);

    // The test screen is smaller than the picture; enlarge the window past it instead.
    window->showNormal();
    window->resize(1200, 900);
    QTRY_VERIFY(picture->width() > 960 && picture->height() > 600);
    QCOMPARE(searchBox->geometry(), searchBoxGeometry);
    QCOMPARE(searchButton->geometry(), searchButtonGeometry);

    QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1.0);
    const QImage expected = expectedPicture(PictureId::KitchenWaste, dpr());
    // The whole picture, unscaled at the top-left corner, and the window colour beyond it.
    const QRect whole(QPoint(0, 0), expected.size());
    QImage shownPicture = shown.copy(whole);
    QImage expectedCopy = expected;
    {
        QPainter a(&shownPicture);
        QPainter b(&expectedCopy);
        for (const QRect& control : {searchBoxGeometry, searchButtonGeometry}) {
            a.fillRect(toDevice(control, dpr()), Qt::black);
            b.fillRect(toDevice(control, dpr()), Qt::black);
        }
    }
    QVERIFY(shownPicture == expectedCopy);
    const QRgb background = picture->palette().color(QPalette::Window).rgb();
    QCOMPARE(shown.pixel(expected.width() + 2, 10), background);
    QCOMPARE(shown.pixel(10, expected.height() + 2), background);
}

void MainWindowTest::aPictureThatCannotBeLoadedLeavesTheCurrentOne() {
    searchFor(QStringLiteral("电池"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no picture.*106")));
    picture->showPicture(static_cast<PictureId>(106));
    QCOMPARE(picture->shownPicture(), PictureId::HazardousWaste);
    QVERIFY(showsPicture(PictureId::HazardousWaste));
    QCOMPARE(accessibleDescriptionOfPicture(), QStringLiteral("有害垃圾"));
}

void MainWindowTest::anAnswerRepaintsOnlyWhatItChanges_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("textLine");
    QTest::newRow("start-up to a bin") << QString() << QStringLiteral("电池") << false;
    QTest::newRow("a bin to another")
        << QStringLiteral("电池") << QStringLiteral("塑料瓶") << false;
    QTest::newRow("a bin to the text line")
        << QStringLiteral("电池") << QStringLiteral("不存在的东西") << true;
    QTest::newRow("the text line to a bin")
        << QStringLiteral("不存在的东西") << QStringLiteral("电池") << true;
}

// Records the areas of the picture that are painted.
class PaintRecorder : public QObject {
public:
    QRegion painted;

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

void MainWindowTest::anAnswerRepaintsOnlyWhatItChanges() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, textLine);
    if (!before.isEmpty())
        searchFor(before);
    QCoreApplication::processEvents();

    PaintRecorder recorder;
    picture->installEventFilter(&recorder);
    searchFor(after);
    QTRY_VERIFY(recorder.painted.intersects(vekkiro::layout::binsBand.scaled(1)));
    picture->removeEventFilter(&recorder);

    // The controls repaint themselves when clicked and typed into; that is not the answer's.
    const QRegion allowed = QRegion(vekkiro::layout::binsBand.scaled(1)) +
                            (textLine ? vekkiro::layout::noticeArea.scaled(1) : QRect()) +
                            searchBox->geometry() + searchButton->geometry();
    QVERIFY2(
        (recorder.painted - allowed).isEmpty(),
        qPrintable(QStringLiteral("painted outside the answer: %1 rectangles, bounds %2,%3 %4x%5")
                       .arg((recorder.painted - allowed).rectCount())
                       .arg((recorder.painted - allowed).boundingRect().x())
                       .arg((recorder.painted - allowed).boundingRect().y())
                       .arg((recorder.painted - allowed).boundingRect().width())
                       .arg((recorder.painted - allowed).boundingRect().height())));
    QVERIFY(showsPicture(picture->shownPicture()));
}

void MainWindowTest::theMenuAccessKeysOpenTheAboutWindow() {
    QMenu* mainMenu = window->findChild<QMenu*>(QStringLiteral("mainMenu"));
    QAction* aboutAction = window->findChild<QAction*>(QStringLiteral("aboutAction"));
    QVERIFY(mainMenu && aboutAction);
    QCOMPARE(mainMenu->title(), QStringLiteral("菜单(&C)"));
    QCOMPARE(aboutAction->text(), QStringLiteral("关于(&G)"));

    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(mainMenu->isVisible());
    QTest::keyClick(mainMenu, Qt::Key_G);
    QTRY_COMPARE(aboutWindows().size(), 1);
    QTRY_VERIFY(aboutWindows().constFirst()->isVisible());
}

void MainWindowTest::theAboutWindowIsNeverOpenedTwice() {
    QAction* aboutAction = window->findChild<QAction*>(QStringLiteral("aboutAction"));
    aboutAction->trigger();
    aboutAction->trigger();
    QCOMPARE(aboutWindows().size(), 1);
    vekkiro::AboutWindow* about = aboutWindows().constFirst();
    QVERIFY(about->isVisible());
    QCOMPARE(about->parentWidget(), nullptr);

    // Closing destroys it; the next choice of the menu item makes a new one.
    QPointer<vekkiro::AboutWindow> closed = about;
    about->close();
    QTRY_VERIFY(closed.isNull());
    QVERIFY(aboutWindows().isEmpty());
    aboutAction->trigger();
    QCOMPARE(aboutWindows().size(), 1);
    QVERIFY(aboutWindows().constFirst()->isVisible());
}

void MainWindowTest::searchesWorkWhileTheAboutWindowIsOpen() {
    window->findChild<QAction*>(QStringLiteral("aboutAction"))->trigger();
    QCOMPARE(aboutWindows().size(), 1);
    searchFor(QStringLiteral("塑料瓶"));
    QVERIFY(showsPicture(PictureId::Recyclable));
    QVERIFY(aboutWindows().constFirst()->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
