#pragma once

#include "itempagelocation.h"
#include "liveregion.h"

#include <QUrl>
#include <QWidget>

#include <memory>

namespace Ui {
class AboutWindow;
} // namespace Ui

namespace vekkiro {

/// The About window, a modeless dialog that Escape closes: names the application and its
/// author, and its link opens the page
/// of all classifiable items in the default browser.
class AboutWindow : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(QUrl itemPage = defaultItemPageUrl(), QWidget* parent = nullptr);
    ~AboutWindow() override;

    /// Moves the window so that its centre is the centre of `area`.
    void placeCentredOn(const QRect& area);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

public Q_SLOTS:
    /// Asks the desktop to open the page, without waiting. If it cannot, says so in a message
    /// box that shows the address; the program goes on.
    void openItemPage();

private:
    std::unique_ptr<Ui::AboutWindow> ui;
    QUrl m_itemPage;
    LiveRegion m_liveRegion{this};
};

} // namespace vekkiro
