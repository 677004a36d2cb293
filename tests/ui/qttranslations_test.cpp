// Qt's own texts, which the program does not write but shows: the search box's context menu and
// the buttons of the About window's message box are Chinese like everything else, whatever the
// system's language; without the translations they stay English and nothing fails.
#include "aboutwindow.h"
#include "mainwindow.h"
#include "qttranslations.h"
#include "textbutton.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The texts of the search box's context menu, without access keys and shortcuts.
QStringList contextMenuTexts() {
    vekkiro::MainWindow window;
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("searchBox"));
    const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        QString text = action->text().section(QLatin1Char('\t'), 0, 0);
        text.remove(QLatin1Char('&'));
        text.remove(QRegularExpression(QStringLiteral("\\(.\\)$")));
        texts.append(text.trimmed());
    }
    return texts;
}

// Installs Qt's Chinese translations once for the rest of the run.
bool chineseInstalled() {
    static const bool installed = vekkiro::installQtTranslations(*qApp);
    return installed;
}

} // namespace

class QtTranslationsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void withoutTranslationsQtStaysEnglish();
    void contextMenuIsChinese_data();
    void contextMenuIsChinese();
    void messageBoxButtonIsChinese();
};

// Runs first, before any translation is installed.
void QtTranslationsTest::withoutTranslationsQtStaysEnglish() {
    QTemporaryDir empty;
    QVERIFY(!vekkiro::installQtTranslations(*qApp, empty.path()));
    QVERIFY2(contextMenuTexts().contains(QStringLiteral("Undo")),
             qPrintable(contextMenuTexts().join(u',')));
}

void QtTranslationsTest::contextMenuIsChinese_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("undo") << QStringLiteral("撤消");
    QTest::newRow("redo") << QStringLiteral("重做");
    QTest::newRow("cut") << QStringLiteral("剪切");
    QTest::newRow("copy") << QStringLiteral("复制");
    QTest::newRow("paste") << QStringLiteral("粘贴");
    QTest::newRow("delete") << QStringLiteral("删除");
    QTest::newRow("select all") << QStringLiteral("全选");
}

void QtTranslationsTest::contextMenuIsChinese() {
    QFETCH(QString, text);
    QVERIFY2(chineseInstalled(), "qtbase_zh_CN.qm not found in Qt's translations folder");
    const QStringList texts = contextMenuTexts();
    QVERIFY2(texts.contains(text), qPrintable(texts.join(u',')));
}

// The message box that says the page of all items cannot be opened.
void QtTranslationsTest::messageBoxButtonIsChinese() {
    QVERIFY(chineseInstalled());
    QTemporaryDir dir;
    vekkiro::AboutWindow about(QUrl::fromLocalFile(dir.filePath(QStringLiteral("missing.html"))));
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(about.findChild<vekkiro::TextButton*>(QStringLiteral("itemPageLink")),
                      Qt::LeftButton);
    QTRY_COMPARE(about.findChildren<QMessageBox*>().size(), 1);
    const QMessageBox* box = about.findChildren<QMessageBox*>().constFirst();
    QCOMPARE(box->button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
}

QTEST_MAIN(QtTranslationsTest)
#include "qttranslations_test.moc"
