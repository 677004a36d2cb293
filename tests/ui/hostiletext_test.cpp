// Text nobody types on purpose, delivered through the real window by keyboard, input method
// and clipboard: each must end in the picture that answers what the box then holds (for all of
// these, the cannot-classify picture), never in a crash.
#include "hostile_texts.h"
#include "mainwindow.h"
#include "picturearea.h"
#include "textbutton.h"
#include "window_testing.h"

#include <vekkiro/classification.h>
#include <vekkiro/qtstrings.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

using vekkiro::PictureId;

class HostileTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void pastedTextGetsTheNotFoundPicture_data();
    void pastedTextGetsTheNotFoundPicture();
    void aLongCommittedTextIsCappedAndStillAnswered();
    void pastingAfterACatalogueNameMakesItUnknown();

private:
    vekkiro::testing::ShownMainWindow shown;
    QLineEdit* searchBox = nullptr;
    vekkiro::TextButton* searchButton = nullptr;
    vekkiro::PictureArea* picture = nullptr;

    void search() {
        QTest::mouseClick(searchButton, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // The picture that answers whatever the box holds now.
    std::optional<PictureId> answerForBox() const {
        const QString text = searchBox->text();
        return vekkiro::pictureForOutcome(vekkiro::classifyItem(vekkiro::toU16View(text)));
    }
};

void HostileTextTest::init() {
    QVERIFY(shown.open());
    searchBox = shown.searchBox;
    searchButton = shown.searchButton;
    picture = shown.picture;
    searchBox->setFocus();
}

void HostileTextTest::cleanup() {
    shown.close();
}

void HostileTextTest::pastedTextGetsTheNotFoundPicture_data() {
    QTest::addColumn<QString>("pasted");
    for (const vekkiro::testing::HostileText& hostile : vekkiro::testing::hostileTexts())
        QTest::newRow(hostile.label) << vekkiro::toQString(hostile.text);
}

void HostileTextTest::pastedTextGetsTheNotFoundPicture() {
    QFETCH(QString, pasted);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(searchBox, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(searchBox->text().size() <= searchBox->maxLength());
    search();
    QCOMPARE(picture->shownPicture(), answerForBox());
    QCOMPARE(picture->shownPicture(), PictureId::NotFound);
}

void HostileTextTest::aLongCommittedTextIsCappedAndStillAnswered() {
    // An input method can commit any amount at once; the box keeps at most its maximum.
    vekkiro::testing::commitText(searchBox, QString(32767, QChar(u'瓶')) + QStringLiteral("塑料"));
    QCOMPARE(searchBox->text().size(), 32767);
    search();
    QCOMPARE(picture->shownPicture(), PictureId::NotFound);
    QTest::keyClicks(searchBox, QStringLiteral("x"));
    search();
    QCOMPARE(picture->shownPicture(), PictureId::NotFound);
}

void HostileTextTest::pastingAfterACatalogueNameMakesItUnknown() {
    searchBox->setText(QStringLiteral("电池"));
    search();
    QCOMPARE(picture->shownPicture(), PictureId::HazardousWaste);
    searchBox->end(false);
    QGuiApplication::clipboard()->setText(QStringLiteral("\u2060"));
    QTest::keyClick(searchBox, Qt::Key_V, Qt::ControlModifier);
    search();
    QCOMPARE(picture->shownPicture(), answerForBox());
    QCOMPARE(picture->shownPicture(), PictureId::NotFound);
}

QTEST_MAIN(HostileTextTest)
#include "hostiletext_test.moc"
