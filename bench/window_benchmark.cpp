// Start-up, memory and click-to-frame of the real main window, side by side with two references
// built in the same tree: a bare Qt window of the same size, and a window of the same shape
// without the picture (the menu, a box in the same Chinese font, the label, the icon).
//
//   window_benchmark            runs every kind of child, several times each, and prints figures
//   window_benchmark --child bare|shape|vekkiro|searches
//
// The "searches" child also times a keystroke to the suggestion list's repainted frame.
// A child prints the monotonic clock at its first painted frame and its peak resident memory;
// the parent, which started the clock before starting the child, takes the difference, so the
// figure includes loading the program and its libraries.
#include "chinesefonts.h"
#include "mainwindow.h"
#include "pictures.h"
#include "process_memory.h"
#include "suggestionlist.h"
#include "textbutton.h"
#include "window_testing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long long nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

long peakRssKiB() {
    return vekkiro::testing::processMemoryKiB("VmHWM");
}

// Sets a flag when a widget is about to paint. The pass of the event loop that delivers the
// paint event also flushes the frame to the window system; whatever the program queued for later
// (its idle work) is left to the passes after it, which are not part of the frame.
class PaintWatcher : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void waitForFrame(QWidget* widget) {
    PaintWatcher watcher;
    widget->installEventFilter(&watcher);
    while (!watcher.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); // one pass
    widget->removeEventFilter(&watcher);
}

void click(QWidget* target) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    const QPointF global = target->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The references: the same client size, and for "shape" everything but the picture.
int runReference(bool sameShape) {
    QMainWindow window;
    if (sameShape) {
        QApplication::setWindowIcon(vekkiro::applicationIcon());
        window.menuBar()
            ->addMenu(QStringLiteral("菜单(&C)"))
            ->addAction(QStringLiteral("关于(&G)"));
        auto* central = new QWidget(&window);
        auto* box = new QLineEdit(central);
        box->setFont(vekkiro::heitiFont(18));
        box->setGeometry(424, 160, 289, 33);
        auto* label = new QLabel(QStringLiteral("搜分类"), central);
        label->setFont(vekkiro::heitiFont(18));
        label->setGeometry(752, 160, 81, 35);
        window.setCentralWidget(central);
    } else {
        window.setCentralWidget(new QWidget(&window));
    }
    window.resize(944, 595 + window.menuBar()->sizeHint().height());
    window.show();
    waitForFrame(&window);
    std::printf("frame %lld rss %ld\n", nowNs(), peakRssKiB());
    return 0;
}

void idle(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The last keystroke of a text, as the box gets it: a letter typed, or Chinese committed by an
// input method.
void type(QLineEdit* box, const QString& text) {
    if (text.back().unicode() < 0x80) {
        const auto key = static_cast<Qt::Key>(Qt::Key_A + (text.back().toLower().unicode() - 'a'));
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text.back());
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text.back());
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
        return;
    }
    vekkiro::testing::commitText(box, text.back());
}

// Keystroke to the suggestion list's repainted frame, each after a second of idle: the box holds
// all but the text's last character, then that character is typed.
void timeKeystrokes(QLineEdit* box, vekkiro::SuggestionList* list) {
    box->window()->activateWindow();
    box->setFocus();
    const QStringList texts = {
        QStringLiteral("s"),   QStringLiteral("z"),         QStringLiteral("zh"),
        QStringLiteral("kch"), QStringLiteral("kuaicanhe"), QStringLiteral("xiangjiaopi"),
        QStringLiteral("纸"),  QStringLiteral("电池"),      QStringLiteral("一次性的纸杯"),
        QStringLiteral("牙高")};
    std::vector<double> times;
    for (const QString& text : texts) {
        list->dismiss();
        box->setText(text.chopped(1));
        idle(1000);
        const long long start = nowNs();
        type(box, text);
        if (!list->isVisible()) {
            std::printf("keystroke %s: the list did not open\n", qPrintable(text));
            continue;
        }
        waitForFrame(list->viewport());
        const double ms = static_cast<double>(nowNs() - start) / 1e6;
        std::printf("keystroke %s %.3f\n", qPrintable(text), ms);
        times.push_back(ms);
    }
    if (!times.empty())
        std::printf("keystroke-median %.3f\nkeystroke-max %.3f\n", median(times),
                    *std::max_element(times.begin(), times.end()));
}

int runVekkiro(bool searches) {
    // As the program starts.
    vekkiro::prepareStartupPicture(QGuiApplication::primaryScreen()->devicePixelRatio());
    vekkiro::MainWindow window;
    window.show();
    waitForFrame(&window);
    std::printf("frame %lld rss %ld\n", nowNs(), peakRssKiB());
    if (!searches)
        return 0;

    // As a user would: the window has been up for a second before the first click.
    idle(1000);
    // Searches through every answer, timed from the click to the repainted frame: the first
    // round shows each answer for the first time, then 1,000 searches in all.
    auto* searchBox = window.findChild<QLineEdit*>(QStringLiteral("searchBox"));
    auto* searchButton = window.findChild<vekkiro::TextButton*>(QStringLiteral("searchButton"));
    auto* picture = window.findChild<QWidget*>(QStringLiteral("picture"));
    const QStringList texts = {QStringLiteral("塑料瓶"), QStringLiteral("鲜花"),
                               QStringLiteral("卫生纸"), QStringLiteral("电池"), QString()};
    std::vector<double> later;
    for (int round = 0; round < 200; ++round) {
        for (const QString& t : texts) {
            searchBox->setText(t);
            const long long start = nowNs();
            click(searchButton);
            waitForFrame(picture);
            const double ms = static_cast<double>(nowNs() - start) / 1e6;
            if (round == 0)
                std::printf("click-first %s %.3f\n",
                            qPrintable(t.isEmpty() ? QStringLiteral("(empty)") : t), ms);
            else
                later.push_back(ms);
        }
    }
    std::sort(later.begin(), later.end());
    std::printf("click-later-median %.3f\nclick-later-max %.3f\nrss-after-1000-searches %ld "
                "KiB\n",
                later[later.size() / 2], later.back(), vekkiro::testing::processMemoryKiB("VmRSS"));
    timeKeystrokes(searchBox, window.findChild<vekkiro::SuggestionList*>());
    return 0;
}

int runChild(const char* kind, int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (qstrcmp(kind, "bare") == 0 || qstrcmp(kind, "shape") == 0)
        return runReference(qstrcmp(kind, "shape") == 0);
    return runVekkiro(qstrcmp(kind, "searches") == 0);
}

struct ChildRun {
    double startMs = 0;
    long rssKiB = 0;
    QByteArray output;
};

ChildRun runOnce(const QString& kind) {
    // The display server and the system are left to finish with the previous child's window
    // and memory, which would otherwise be billed to this one.
    QThread::msleep(300);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long start = nowNs();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), kind});
    child.waitForFinished(180000);
    ChildRun run;
    run.output = child.readAllStandardOutput();
    for (const QByteArray& line : run.output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 4 && words[0] == "frame") {
            run.startMs = static_cast<double>(words[1].toLongLong() - start) / 1e6;
            run.rssKiB = words[3].toLong();
        }
    }
    return run;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argv[2], argc, argv);

    QCoreApplication app(argc, argv);
    // Start-up times on a shared machine have long tails; enough runs keep the medians steady.
    constexpr int runs = 21;
    const QStringList kinds = {QStringLiteral("bare"), QStringLiteral("shape"),
                               QStringLiteral("vekkiro")};
    std::map<QString, std::vector<double>> start, rss;
    for (const QString& kind : kinds)
        runOnce(kind); // warms the file cache for every kind
    // Each kind takes its turn first, so that none always follows the same other one.
    for (int i = 0; i < runs; ++i) {
        for (qsizetype k = 0; k < kinds.size(); ++k) {
            const QString& kind = kinds[(i + k) % kinds.size()];
            const ChildRun run = runOnce(kind);
            start[kind].push_back(run.startMs);
            rss[kind].push_back(static_cast<double>(run.rssKiB));
        }
    }
    const auto m = [](const std::vector<double>& v) {
        return median(v);
    };
    const double bareStart = m(start[QStringLiteral("bare")]);
    const double shapeStart = m(start[QStringLiteral("shape")]);
    const double ownStart = m(start[QStringLiteral("vekkiro")]);
    const double bareRss = m(rss[QStringLiteral("bare")]);
    const double shapeRss = m(rss[QStringLiteral("shape")]);
    const double ownRss = m(rss[QStringLiteral("vekkiro")]);
    std::printf("%-30s %9s %9s %9s %12s %14s\n", "median of 21 runs", "bare", "shape", "vekkiro",
                "vs bare", "vs shape");
    std::printf("%-30s %9.1f %9.1f %9.1f %11.2fx %13.2fx\n", "start to first frame (ms)", bareStart,
                shapeStart, ownStart, ownStart / bareStart, ownStart / shapeStart);
    std::printf("%-30s %9.0f %9.0f %9.0f %11.2fx %+10.1f MiB\n", "peak RSS at first frame (KiB)",
                bareRss, shapeRss, ownRss, ownRss / bareRss, (ownRss - shapeRss) / 1024.0);
    const ChildRun searches = runOnce(QStringLiteral("searches"));
    std::printf("\nclick, then keystroke, to repainted frame (ms), after 1 s idle:\n%s",
                searches.output.mid(searches.output.indexOf("click-first")).constData());
    return 0;
}
