// Ten thousand searches through the real window, cycling through every answer, the sentinel
// and the empty box: the process must not keep what it no longer shows.
#include "mainwindow.h"
#include "picturearea.h"
#include "process_memory.h"
#include "textbutton.h"

#include <QLineEdit>
#include <QTest>

using vekkiro::testing::processMemoryKiB;

class SoakTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tenThousandSearchesKeepResidentMemoryFlat();
};

void SoakTest::tenThousandSearchesKeepResidentMemoryFlat() {
    vekkiro::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* searchBox = window.findChild<QLineEdit*>(QStringLiteral("searchBox"));
    auto* searchButton = window.findChild<vekkiro::TextButton*>(QStringLiteral("searchButton"));
    auto* picture = window.findChild<vekkiro::PictureArea*>(QStringLiteral("picture"));
    QVERIFY(searchBox && searchButton && picture);

    const QStringList texts = {QStringLiteral("塑料瓶"),      QStringLiteral("鲜花"),
                               QStringLiteral("卫生纸"),      QStringLiteral("电池"),
                               QStringLiteral("更多"),        QString(),
                               QStringLiteral("不知道的东西")};
    const auto searchRound = [&](int count) {
        for (int i = 0; i < count; ++i) {
            searchBox->setText(texts[i % texts.size()]);
            QTest::mouseClick(searchButton, Qt::LeftButton);
            picture->repaint();
        }
    };
    searchRound(700); // warm-up: every picture, caches and allocator pools filled
    const long before = processMemoryKiB("VmRSS");
    QVERIFY(before > 0);
    searchRound(10000);
    const long after = processMemoryKiB("VmRSS");
    qInfo("resident memory: %ld KiB after warm-up, %ld KiB after 10000 searches", before, after);
    QVERIFY2(after - before < 2048,
             qPrintable(QStringLiteral("grew by %1 KiB").arg(after - before)));
    // The last of the 10000 searches (index 9999, the fourth text) asked for the battery.
    QCOMPARE(picture->shownPicture(), vekkiro::PictureId::HazardousWaste);
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
