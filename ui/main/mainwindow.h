#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>

namespace Ui {
class MainWindow;
} // namespace Ui

namespace vekkiro {

class AboutWindow;
class Announcer;

/// The start-up window: the picture with the search bar drawn into it, and the menu.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

public Q_SLOTS:
    /// Classifies the text of the search box and shows the answer's picture; for the sentinel
    /// entry nothing on screen changes. The text stays in the box. Screen readers are told the
    /// answer in words, each time, and find it afterwards as the search button's description.
    void search();

    /// Shows the About window, creating it if there is none; never a second one.
    void showAboutWindow();

private:
    std::unique_ptr<Ui::MainWindow> ui;
    QPointer<AboutWindow> m_about;
    Announcer* m_announcer;
};

} // namespace vekkiro
