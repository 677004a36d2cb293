// Text nobody types on purpose, delivered through the real window by keyboard, input method
// and clipboard: each must end in the picture that answers what the box then holds (for all of
// these, the cannot-classify picture), never in a crash.
#include "mainwindow.h"
#include "picturearea.h"
#include "qtstrings.h"
#include "textbutton.h"

#include <vekkiro/classification.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
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
    std::unique_ptr<vekkiro::MainWindow> window;
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
    window = std::make_unique<vekkiro::MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    searchBox = window->findChild<QLineEdit*>(QStringLiteral("searchBox"));
    searchButton = window->findChild<vekkiro::TextButton*>(QStringLiteral("searchButton"));
    picture = window->findChild<vekkiro::PictureArea*>(QStringLiteral("picture"));
    QVERIFY(searchBox && searchButton && picture);
    searchBox->setFocus();
}

void HostileTextTest::cleanup() {
    window.reset();
}

void HostileTextTest::pastedTextGetsTheNotFoundPicture_data() {
    QTest::addColumn<QString>("pasted");
    QTest::newRow("embedded NUL") << QString::fromUtf16(u"电\0池", 3);
    QTest::newRow("lone high surrogate") << QString(QChar(0xD800));
    QTest::newRow("lone low surrogate after a name") << QStringLiteral("电池") + QChar(0xDC00);
    QTest::newRow("right-to-left mark") << QStringLiteral("\u200f电池");
    QTest::newRow("zero-width space") << QStringLiteral("电\u200b池");
    QTest::newRow("zero-width joiner") << QStringLiteral("电池\u200d");
    QTest::newRow("emoji") << QStringLiteral("🔋电池");
    QTest::newRow("newline inside") << QStringLiteral("电\n池");
    QTest::newRow("tab inside") << QStringLiteral("电\t池");
    QTest::newRow("carriage return and newline after") << QStringLiteral("电池\r\n");
    QTest::newRow("40000 units") << QString(40000, QChar(u'池'));
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
    QInputMethodEvent commit;
    commit.setCommitString(QString(32767, QChar(u'瓶')) + QStringLiteral("塑料"));
    QCoreApplication::sendEvent(searchBox, &commit);
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
