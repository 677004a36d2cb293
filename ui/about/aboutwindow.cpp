#include "aboutwindow.h"

#include "chinesefonts.h"
#include "pictures.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMessageBox>

namespace vekkiro {

namespace {

constexpr QSize clientSize(271, 112);

// Grows a one-line label, about its vertical centre, to the line height of its font if that is
// taller. The Chinese fonts found on Linux have far larger ascent and descent than the fonts the
// window's sizes were made for: in a 17 px label a 12 pt line of 23 px loses its descenders. The
// text stays where the label's centre puts it.
void growToFitLine(QLabel* label) {
    const int lineHeight = QFontMetrics(label->font()).height();
    const QRect geometry = label->geometry();
    if (lineHeight <= geometry.height())
        return;
    const int extra = lineHeight - geometry.height();
    label->setGeometry(geometry.adjusted(0, -(extra / 2), 0, extra - extra / 2));
}

} // namespace

AboutWindow::AboutWindow(QUrl itemPage, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_itemPage(std::move(itemPage)) {
    ui.setupUi(this);
    setWindowIcon(applicationIcon());
    setFixedSize(clientSize);

    const QFont labelFont = songtiFont(12);
    for (QLabel* label : {ui.Label1_0, ui.Label1_1, ui.Label1_2, static_cast<QLabel*>(ui.Label2)}) {
        label->setFont(labelFont);
        growToFitLine(label);
    }

    connect(ui.Label2, &ClickableLabel::clicked, this, &AboutWindow::openItemPage);
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
