#include "mainwindow.h"

#include "aboutwindow.h"
#include "announcer.h"
#include "chinesefonts.h"
#include "pictures.h"
#include "suggestionlist.h"
#include "ui_mainwindow.h"

#include <vekkiro/classification.h>
#include <vekkiro/qtstrings.h>

#include <QApplication>
#include <QLayout>
#include <QMenuBar>

namespace vekkiro {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>()) {
    ui->setupUi(this);
    setWindowIcon(applicationIcon());

    const QFont searchBarFont = heitiFont(18);
    ui->searchBox->setFont(searchBarFont);
    ui->searchButton->setFont(searchBarFont);
    // The box must not draw its own focus frame over the picture's green pill.
    ui->searchBox->setAttribute(Qt::WA_MacShowFocusRect, false);
    ui->searchBox->setFocus();

    m_announcer = new Announcer(ui->picture);

    // Names as the user types; the list only fills the box, it never searches.
    auto* suggestions = new SuggestionList(ui->searchBox);
    connect(suggestions, &SuggestionList::opened, this, [this](int rows) {
        m_announcer->announce(QStringLiteral("%1 个建议，按下方向键选择").arg(rows));
    });

    connect(ui->searchButton, &QAbstractButton::clicked, this, &MainWindow::search);
    connect(ui->picture, &PictureArea::searchButtonPillClicked, ui->searchButton,
            &QAbstractButton::click);
    connect(ui->picture, &PictureArea::searchBoxPillPressed, this,
            [this] { ui->searchBox->setFocus(Qt::MouseFocusReason); });
    connect(ui->aboutAction, &QAction::triggered, this, &MainWindow::showAboutWindow);

    // Ctrl+Q closes every window, the About window too. Spelt out rather than the platform's
    // Quit key, which Windows does not have.
    auto* quit = new QAction(this);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::ApplicationShortcut);
    addAction(quit);
    connect(quit, &QAction::triggered, qApp, &QApplication::closeAllWindows);

    // The client area below the menu bar has the picture's visible size. Some styles (Windows')
    // give the menu bar a pixel more in the layout than its size hint says, so the layout is
    // asked what it leaves for the picture, and the window grows by what is missing.
    const QSize pictureSize = ui->picture->sizeHint();
    resize(pictureSize + QSize(0, menuBar()->sizeHint().height()));
    layout()->activate();
    resize(size() + pictureSize - ui->picture->size());
}

MainWindow::~MainWindow() = default;

void MainWindow::search() {
    const QString text = ui->searchBox->text();
    const LookupOutcome outcome = classifyItem(toU16View(text));
    const std::optional<PictureId> picture = pictureForOutcome(outcome);
    if (!picture)
        return; // the sentinel: nothing changes, nothing new to say
    ui->picture->showPicture(*picture);
    const QString answer = pictureDescription(*picture);
    ui->searchButton->setAccessibleDescription(answer);
    m_announcer->announce(answer);
}

void MainWindow::showAboutWindow() {
    if (!m_about) {
        // No parent: the About window is a top-level window of its own, with its own taskbar
        // entry, and it outlives the main window if the user closes that first.
        m_about = new AboutWindow();
        m_about->setAttribute(Qt::WA_DeleteOnClose);
        m_about->placeCentredOn(frameGeometry());
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

} // namespace vekkiro
