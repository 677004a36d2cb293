// The list of names under the search box, driven through the box as a user would: it helps to
// find the exact name and fills the box, but only "搜分类" searches.
#include "mainwindow.h"
#include "picturearea.h"
#include "suggestionlist.h"
#include "textbutton.h"
#include "window_testing.h"

#include <QAbstractItemModel>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <optional>

using vekkiro::PictureId;
using vekkiro::SuggestionList;

class SuggestionsTest : public QObject {
    Q_OBJECT

private:
    vekkiro::testing::ShownMainWindow shown;
    QLineEdit* box = nullptr;
    SuggestionList* list = nullptr;
    vekkiro::PictureArea* picture = nullptr;

    // Chinese arrives committed by an input method, one string at a time.
    void commit(const QString& text) { vekkiro::testing::commitText(box, text); }

    QStringList rows() const {
        QStringList names;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            names.append(list->model()->index(row, 0).data().toString());
        return names;
    }

private Q_SLOTS:
    void init();
    void cleanup() { shown.close(); }

    void theListIsMadeReadyAfterTheFirstFrameAndHidden();
    void typingOpensTheListWithTheExactNameFirst();
    void accessibleRowsNameTheBin_data();
    void accessibleRowsNameTheBin();
    void downAndEnterFillTheBoxAndOnlyTheButtonSearches();
    void keysOnTheOpenList_data();
    void keysOnTheOpenList();
    void downOpensTheClosedListForTheText_data();
    void downOpensTheClosedListForTheText();
    void aClickOnTheButtonClosesTheListAndSearchesAtOnce();
    void aClickOnARowTakesIt();
    void preEditOpensNothingItsCommitDoes();
    void noListWithoutSuggestions_data();
    void noListWithoutSuggestions();
    void noListWithoutFocus();
    void theListCloses_data();
    void theListCloses();
};

void SuggestionsTest::init() {
    QVERIFY(shown.open());
    QVERIFY(QTest::qWaitForWindowActive(shown.window.get()));
    box = shown.searchBox;
    picture = shown.picture;
    list = shown.window->findChild<SuggestionList*>();
    QVERIFY(list);
    QTRY_VERIFY(box->hasFocus());
}

// The list's window is made in the idle time after the main window's first frame, so that the
// first keystroke does not pay for it, and nobody sees it then.
void SuggestionsTest::theListIsMadeReadyAfterTheFirstFrameAndHidden() {
    QTRY_VERIFY(list->windowHandle() != nullptr);
    QTRY_VERIFY(!list->isVisible());
    QVERIFY(box->hasFocus());
    commit(QStringLiteral("电池"));
    QVERIFY(list->isVisible());
    // Under the box, not where it was made ready.
    QCOMPARE(list->mapToGlobal(QPoint(0, 0)).x(), box->mapToGlobal(QPoint(0, 0)).x());
}

void SuggestionsTest::typingOpensTheListWithTheExactNameFirst() {
    QVERIFY(!list->isVisible());
    commit(QStringLiteral("电池"));
    QVERIFY(list->isVisible());
    QCOMPARE(rows().value(0), QStringLiteral("电池"));
    QCOMPARE(rows().size(), 7);
    QVERIFY(!list->currentIndex().isValid());
    // Directly under the box, at least as wide, and below the button.
    const QRect boxOnScreen(box->mapToGlobal(QPoint(0, 0)), box->size());
    const QWidget* button = shown.searchButton;
    const QRect buttonOnScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
    QCOMPARE(list->x(), boxOnScreen.x());
    QVERIFY(list->y() > boxOnScreen.bottom());
    QVERIFY(list->width() >= boxOnScreen.width());
    QVERIFY(!list->frameGeometry().intersects(buttonOnScreen));
    QVERIFY(box->hasFocus());
}

void SuggestionsTest::accessibleRowsNameTheBin_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("taken");
    QTest::newRow("hazardous") << QStringLiteral("电池") << 0 << QStringLiteral("电池，有害垃圾")
                               << QStringLiteral("电池");
    QTest::newRow("other") << QStringLiteral("电池") << 1 << QStringLiteral("碱性电池，其他垃圾")
                           << QStringLiteral("碱性电池");
    // A row offered through English reads with it, and fills the box with the name alone.
    QTest::newRow("through English")
        << QStringLiteral("pillow") << 0 << QStringLiteral("枕头 · pillow，其他垃圾")
        << QStringLiteral("枕头");
}

void SuggestionsTest::accessibleRowsNameTheBin() {
    QFETCH(QString, typed);
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(QString, taken);
    vekkiro::testing::typeText(box, typed);
    QCOMPARE(list->model()->index(row, 0).data(Qt::AccessibleTextRole).toString(), name);
    QVERIFY(!list->accessibleName().isEmpty());
    for (int step = 0; step <= row; ++step)
        QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), taken);
}

void SuggestionsTest::downAndEnterFillTheBoxAndOnlyTheButtonSearches() {
    commit(QStringLiteral("电池"));
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), QStringLiteral("碱性电池"));
    QVERIFY(!list->isVisible());
    QCOMPARE(picture->shownPicture(), std::nullopt);

    QTest::mouseClick(shown.searchButton, Qt::LeftButton);
    QCOMPARE(picture->shownPicture(), std::optional(PictureId::OtherWaste));
}

void SuggestionsTest::keysOnTheOpenList_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("listOpen");
    QTest::addColumn<int>("selectedRow");
    QTest::newRow("enter without a row does nothing") << QList<int>{Qt::Key_Return} << true << -1;
    QTest::newRow("escape closes") << QList<int>{Qt::Key_Escape} << false << -1;
    QTest::newRow("down selects the first") << QList<int>{Qt::Key_Down} << true << 0;
    QTest::newRow("up stops at the first")
        << QList<int>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Up} << true << 0;
    QTest::newRow("down stops at the last") << QList<int>(10, Qt::Key_Down) << true << 6;
}

void SuggestionsTest::keysOnTheOpenList() {
    QFETCH(QList<int>, keys);
    QFETCH(bool, listOpen);
    QFETCH(int, selectedRow);
    commit(QStringLiteral("电池"));
    for (const int key : keys)
        QTest::keyClick(box, static_cast<Qt::Key>(key));
    QCOMPARE(list->isVisible(), listOpen);
    if (listOpen)
        QCOMPARE(list->currentIndex().row(), selectedRow);
    QCOMPARE(box->text(), QStringLiteral("电池"));
    QCOMPARE(picture->shownPicture(), std::nullopt);
}

void SuggestionsTest::downOpensTheClosedListForTheText_data() {
    QTest::addColumn<bool>("bySearch");
    QTest::newRow("closed by escape") << false;
    QTest::newRow("closed by a search") << true;
}

void SuggestionsTest::downOpensTheClosedListForTheText() {
    QFETCH(bool, bySearch);
    // Initials, as typed without an input method: the list leads to the name.
    QTest::keyClicks(box, QStringLiteral("kch"));
    QCOMPARE(rows().value(0), QStringLiteral("快餐盒"));
    if (bySearch) {
        QTest::mouseClick(shown.searchButton, Qt::LeftButton);
        QCOMPARE(picture->shownPicture(), std::optional(PictureId::NotFound));
        box->setFocus();
    } else {
        QTest::keyClick(box, Qt::Key_Escape);
    }
    QVERIFY(!list->isVisible());

    QTest::keyClick(box, Qt::Key_Down);
    QVERIFY(list->isVisible());
    QCOMPARE(rows().value(0), QStringLiteral("快餐盒"));
    QVERIFY(!list->currentIndex().isValid());
    QCOMPARE(box->text(), QStringLiteral("kch"));
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(list->currentIndex().row(), 0);
}

void SuggestionsTest::aClickOnTheButtonClosesTheListAndSearchesAtOnce() {
    commit(QStringLiteral("垃圾桶"));
    QVERIFY(list->isVisible());
    QTest::mouseClick(shown.searchButton, Qt::LeftButton);
    QVERIFY(!list->isVisible());
    QCOMPARE(picture->shownPicture(), std::optional(PictureId::Recyclable));
}

void SuggestionsTest::aClickOnARowTakesIt() {
    commit(QStringLiteral("电池"));
    const QRect second = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(box->text(), QStringLiteral("碱性电池"));
    QVERIFY(!list->isVisible());
    QVERIFY(box->hasFocus());
    QCOMPARE(picture->shownPicture(), std::nullopt);
}

void SuggestionsTest::preEditOpensNothingItsCommitDoes() {
    QInputMethodEvent preEdit(QStringLiteral("电池"), {});
    QCoreApplication::sendEvent(box, &preEdit);
    QVERIFY(!list->isVisible());
    commit(QStringLiteral("电池"));
    QVERIFY(list->isVisible());
}

void SuggestionsTest::noListWithoutSuggestions_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing like a name") << QStringLiteral("不存在的东西");
    QTest::newRow("spaces") << QStringLiteral("  ");
    QTest::newRow("punctuation") << QStringLiteral("。，、！");
}

void SuggestionsTest::noListWithoutSuggestions() {
    QFETCH(QString, text);
    commit(text);
    QVERIFY(!list->isVisible());

    // A list that was open closes when the box is emptied.
    box->clear();
    commit(QStringLiteral("电池"));
    QVERIFY(list->isVisible());
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QVERIFY(!list->isVisible());
}

void SuggestionsTest::noListWithoutFocus() {
    shown.searchButton->setFocus();
    QTRY_VERIFY(!box->hasFocus());
    box->setText(QString());
    commit(QStringLiteral("电池"));
    QVERIFY(!list->isVisible());
}

// What takes the user's attention from the box closes the list, which would otherwise float
// where the box no longer is, or over another window.
void SuggestionsTest::theListCloses_data() {
    QTest::addColumn<QString>("when");
    QTest::newRow("the focus leaves the box") << QStringLiteral("focus");
    QTest::newRow("the window moves") << QStringLiteral("move");
    QTest::newRow("the window is resized") << QStringLiteral("resize");
    QTest::newRow("another window is activated") << QStringLiteral("deactivate");
    QTest::newRow("the window is hidden") << QStringLiteral("hide");
}

void SuggestionsTest::theListCloses() {
    QFETCH(QString, when);
    QWidget other;
    commit(QStringLiteral("电池"));
    QVERIFY(list->isVisible());
    if (when == QLatin1String("focus")) {
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(!box->hasFocus());
    } else if (when == QLatin1String("move")) {
        shown.window->move(shown.window->pos() + QPoint(40, 30));
    } else if (when == QLatin1String("resize")) {
        shown.window->resize(shown.window->size() + QSize(10, 10));
    } else if (when == QLatin1String("deactivate")) {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    } else {
        shown.window->hide();
    }
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(box->text(), QStringLiteral("电池"));
}

QTEST_MAIN(SuggestionsTest)
#include "suggestions_test.moc"
