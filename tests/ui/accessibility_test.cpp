// What the windows tell assistive technology: each answer and the suggestion list's opening
// said through a notification (its role, its name, each time), the answer left readable on the
// search button, the About window as a dialog with its lines; and the drawn pills as big as they
// look to a mouse. Qt hands accessibility events only to a platform bridge, which the offscreen
// platform lacks: what the notification's appearance makes Orca say is the screen reader
// check's to hear (tests/e2e/screen_reader.sh).
#include "aboutwindow.h"
#include "announcer.h"
#include "mainwindow.h"
#include "picture_layout.h"
#include "picturearea.h"
#include "window_testing.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

using vekkiro::PictureId;

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    vekkiro::testing::ShownMainWindow shown;
    QLineEdit* box = nullptr;
    QAbstractButton* button = nullptr;
    vekkiro::PictureArea* picture = nullptr;
    vekkiro::Announcer* announcer = nullptr;
    std::unique_ptr<QSignalSpy> spy;

    // What was said since the window opened; each time, the notification's accessible name is
    // the message and its role a notification's.
    QStringList announced() const {
        QStringList said;
        for (const QList<QVariant>& arguments : *spy)
            said.append(arguments.constFirst().toString());
        return said;
    }

private Q_SLOTS:
    void init() {
        QVERIFY(shown.open());
        QVERIFY(QTest::qWaitForWindowActive(shown.window.get()));
        box = shown.searchBox;
        button = shown.searchButton;
        picture = shown.picture;
        announcer = shown.window->findChild<vekkiro::Announcer*>();
        QVERIFY(announcer);
        spy = std::make_unique<QSignalSpy>(announcer, &vekkiro::Announcer::announced);
        QAccessibleInterface* notification = QAccessible::queryAccessibleInterface(announcer);
        QCOMPARE(notification->role(), QAccessible::Notification);
        QVERIFY(!announcer->isHidden());
        QVERIFY(!announcer->focusPolicy());
    }

    void cleanup() {
        spy.reset();
        shown.close();
    }

    void everyAnswerIsAnnouncedOnceInWords_data();
    void everyAnswerIsAnnouncedOnceInWords();
    void theSameAnswerTwiceIsAnnouncedTwice();
    void theListIsAnnouncedOncePerOpening();
    void theAboutWindowIsADialogThatReadsItsLinesAndEscapeCloses();
    void theDrawnPillsActAsTheirControls_data();
    void theDrawnPillsActAsTheirControls();
};

void AccessibilityTest::everyAnswerIsAnnouncedOnceInWords_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("said");
    const QStringList hazardous{QStringLiteral("有害垃圾")};
    QTest::newRow("a bin, by mouse") << QStringLiteral("电池") << "mouse" << hazardous;
    QTest::newRow("a bin, by Space") << QStringLiteral("电池") << "space" << hazardous;
    QTest::newRow("a bin, by the Press action") << QStringLiteral("电池") << "press" << hazardous;
    QTest::newRow("a miss") << QStringLiteral("不存在的东西") << "space"
                            << QStringList{QStringLiteral("该垃圾本程序暂时无法分类")};
    QTest::newRow("the sentinel changes nothing and says nothing")
        << QStringLiteral("更多") << "mouse" << QStringList{};
}

void AccessibilityTest::everyAnswerIsAnnouncedOnceInWords() {
    QFETCH(QString, text);
    QFETCH(QString, how);
    QFETCH(QStringList, said);
    box->setText(text);
    if (how == QLatin1String("mouse")) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (how == QLatin1String("space")) {
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
    } else {
        QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
    }
    if (!said.isEmpty())
        QTRY_COMPARE(announced(), said);
    QTest::qWait(200); // nothing more comes, nor anything at all for the sentinel
    QCOMPARE(announced(), said);
    if (!said.isEmpty())
        QCOMPARE(QAccessible::queryAccessibleInterface(announcer)->text(QAccessible::Name),
                 said.constFirst());
    QCOMPARE(box->text(), text);
    // The answer stays readable on the button, which keeps the focus if it had it.
    if (!said.isEmpty())
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Description),
                 said.constFirst());
    if (how == QLatin1String("space"))
        QVERIFY(button->hasFocus());
}

void AccessibilityTest::theSameAnswerTwiceIsAnnouncedTwice() {
    box->setText(QStringLiteral("鲜花"));
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(announced(), QStringList(2, QStringLiteral("厨余垃圾")));
}

void AccessibilityTest::theListIsAnnouncedOncePerOpening() {
    box->setFocus();
    // Opens at "d", with the eight names it first finds; the letters after it keep it open.
    QTest::keyClicks(box, QStringLiteral("dianchi"));
    QCOMPARE(announced(), QStringList{QStringLiteral("8 个建议，按下方向键选择")});
    QTest::keyClick(box, Qt::Key_Escape);
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(announced().size(), 2);
    QTest::keyClick(box, Qt::Key_Down); // moves through the rows: no new announcement
    QCOMPARE(announced().size(), 2);
}

void AccessibilityTest::theAboutWindowIsADialogThatReadsItsLinesAndEscapeCloses() {
    vekkiro::AboutWindow about(QUrl(QStringLiteral("https://example.invalid/")));
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&about);
    QCOMPARE(dialog->role(), QAccessible::Dialog);
    QCOMPARE(dialog->text(QAccessible::Name), QStringLiteral("关于"));
    QCOMPARE(dialog->text(QAccessible::Description),
             QStringLiteral("应用程序：Vekkiro，作者：Quendry"));
    QVERIFY(!about.isModal());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!about.isVisible());
}

void AccessibilityTest::theDrawnPillsActAsTheirControls_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("searches");
    QTest::addColumn<bool>("focusesTheBox");
    namespace layout = vekkiro::layout;
    // Just inside each pill's four sides, where its control does not reach; and just outside a
    // rounded corner, which is the picture's.
    for (const auto& [pill, isButton] :
         {std::pair{layout::searchBoxPill, false}, std::pair{layout::searchButtonPill, true}}) {
        const QRect r = pill.scaled(1);
        const char* name = isButton ? "button pill" : "box pill";
        const QPoint centre = r.center();
        QTest::addRow("%s, left", name)
            << QPoint(r.left() + 2, centre.y()) << isButton << !isButton;
        QTest::addRow("%s, right", name)
            << QPoint(r.right() - 2, centre.y()) << isButton << !isButton;
        QTest::addRow("%s, top", name) << QPoint(centre.x(), r.top() + 2) << isButton << !isButton;
        QTest::addRow("%s, bottom", name)
            << QPoint(centre.x(), r.bottom() - 1) << isButton << !isButton;
        QTest::addRow("%s, outside its corner", name)
            << QPoint(r.left() + 1, r.top() + 1) << false << false;
    }
}

void AccessibilityTest::theDrawnPillsActAsTheirControls() {
    QFETCH(QPoint, at);
    QFETCH(bool, searches);
    QFETCH(bool, focusesTheBox);
    QCOMPARE(picture->childAt(at), nullptr); // on the picture, not on a control
    box->setText(QStringLiteral("电池"));
    button->setFocus();
    QTest::mouseClick(picture, Qt::LeftButton, {}, at);
    QCOMPARE(picture->shownPicture(),
             searches ? std::optional(PictureId::HazardousWaste) : std::nullopt);
    QCOMPARE(box->hasFocus(), focusesTheBox);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
