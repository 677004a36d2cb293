#include "aboutwindow.h"

#include "chinesefonts.h"
#include "pictures.h"
#include "ui_aboutwindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

namespace vekkiro {

namespace {

constexpr QSize clientSize(271, 112);

// Grows a one-line label or link, about its vertical centre, to the line height of its font if
// that is taller. The Chinese fonts found on Linux have far larger ascent and descent than the
// fonts the window's sizes were made for: in a 17 px label a 12 pt line of 23 px loses its
// descenders. The text stays where the label's centre puts it.
void growToFitLine(QWidget* line) {
    const int lineHeight = QFontMetrics(line->font()).height();
    const QRect geometry = line->geometry();
    if (lineHeight <= geometry.height())
        return;
    const int extra = lineHeight - geometry.height();
    line->setGeometry(geometry.adjusted(0, -(extra / 2), 0, extra - extra / 2));
}

// A dialog to assistive technology, so that a screen reader reads out its lines, not only the
// one control that takes the focus, when it opens.
QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("vekkiro::AboutWindow") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
    return nullptr;
}

} // namespace

AboutWindow::AboutWindow(QUrl itemPage, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::AboutWindow>())
    , m_itemPage(std::move(itemPage)) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    ui->setupUi(this);
    setWindowIcon(applicationIcon());
    setFixedSize(clientSize);

    const QFont labelFont = songtiFont(12);
    for (QWidget* line : std::initializer_list<QWidget*>{ui->applicationLabel, ui->authorLabel,
                                                         ui->itemPageLabel, ui->itemPageLink}) {
        line->setFont(labelFont);
        growToFitLine(line);
    }

    // What a screen reader reads out with the dialog's title when it opens: its lines. Orca
    // finds no text of its own in Qt's labels, and NVDA reads a dialog's description too.
    setAccessibleDescription(
        QStringList{ui->applicationLabel->text(), ui->authorLabel->text()}.join(
            QStringLiteral("，")));

    connect(ui->itemPageLink, &QAbstractButton::clicked, this, &AboutWindow::openItemPage);
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AboutWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Where the platform's readers are not told a dialog's lines with its title (Windows), they
    // hear them as the window comes up, once its window exists.
    QTimer::singleShot(0, this, [this] {
        m_liveRegion.say(QStringList{ui->applicationLabel->text(), ui->authorLabel->text(),
                                     ui->itemPageLabel->text() + ui->itemPageLink->text()}
                             .join(QStringLiteral("，")));
    });
}

void AboutWindow::placeCentredOn(const QRect& area) {
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

void AboutWindow::openItemPage() {
    const bool missingLocalPage =
        m_itemPage.isLocalFile() && !QFileInfo::exists(m_itemPage.toLocalFile());
    if (!missingLocalPage && QDesktopServices::openUrl(m_itemPage))
        return;
    // Window-modal and not waited for: the About window stays responsive behind it.
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(),
                                QStringLiteral("无法打开全部可分类垃圾的网页：\n%1")
                                    .arg(m_itemPage.toDisplayString(QUrl::PreferLocalFile)),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace vekkiro
