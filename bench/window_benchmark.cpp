// Start-up, memory and click-to-frame of the real main window, side by side with a bare Qt
// window of the same size built in the same tree.
//
//   window_benchmark            runs both kinds of child, several times each, and prints figures
//   window_benchmark --child bare|vekkiro
//
// A child prints the monotonic clock at its first painted frame and its peak resident memory;
// the parent, which started the clock before starting the child, takes the difference, so the
// figure includes loading the program and its libraries.
#include "clickablelabel.h"
#include "mainwindow.h"
#include "pictures.h"
#include "process_memory.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
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

// Sets a flag when a widget is about to paint; the caller then lets the event loop finish that
// frame (paint and flush to the window system).
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
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
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

int runChild(bool vekkiroWindow, int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (!vekkiroWindow) {
        QWidget window;
        window.resize(944, 595 + 23);
        window.show();
        waitForFrame(&window);
        std::printf("frame %lld rss %ld\n", nowNs(), peakRssKiB());
        return 0;
    }
    QApplication::setWindowIcon(vekkiro::applicationIcon());
    vekkiro::MainWindow window;
    window.show();
    waitForFrame(&window);
    std::printf("frame %lld rss %ld\n", nowNs(), peakRssKiB());

    // Searches through every answer, timed from the click to the repainted frame.
    auto* text = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* label = window.findChild<vekkiro::ClickableLabel*>(QStringLiteral("Label1"));
    auto* picture = window.findChild<QWidget*>(QStringLiteral("picture"));
    const QStringList texts = {QStringLiteral("塑料瓶"), QStringLiteral("鲜花"),
                               QStringLiteral("卫生纸"), QStringLiteral("电池"), QString()};
    std::vector<double> later;
    for (int round = 0; round < 6; ++round) {
        for (const QString& t : texts) {
            text->setText(t);
            const long long start = nowNs();
            click(label);
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
    std::printf("click-later-median %.3f\nclick-later-max %.3f\nrss-after-searches %ld\n",
                later[later.size() / 2], later.back(), peakRssKiB());
    return 0;
}

struct ChildRun {
    double startMs = 0;
    long rssKiB = 0;
    QByteArray output;
};

ChildRun runOnce(const QString& kind) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long start = nowNs();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), kind});
    child.waitForFinished(60000);
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

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(qstrcmp(argv[2], "vekkiro") == 0, argc, argv);

    QCoreApplication app(argc, argv);
    constexpr int runs = 9;
    std::vector<double> bareStart, vekkiroStart, bareRss, vekkiroRss;
    QByteArray lastVekkiro;
    runOnce(QStringLiteral("bare")); // warm the file cache for both
    runOnce(QStringLiteral("vekkiro"));
    for (int i = 0; i < runs; ++i) {
        const ChildRun bare = runOnce(QStringLiteral("bare"));
        const ChildRun vekkiro = runOnce(QStringLiteral("vekkiro"));
        bareStart.push_back(bare.startMs);
        vekkiroStart.push_back(vekkiro.startMs);
        bareRss.push_back(static_cast<double>(bare.rssKiB));
        vekkiroRss.push_back(static_cast<double>(vekkiro.rssKiB));
        lastVekkiro = vekkiro.output;
    }
    const double startRatio = median(vekkiroStart) / median(bareStart);
    const double rssRatio = median(vekkiroRss) / median(bareRss);
    std::printf("%-34s %10s %10s %8s %8s\n", "median of 9 runs", "bare", "vekkiro", "ratio",
                "target");
    std::printf("%-34s %10.1f %10.1f %8.2f %8s\n", "start to first frame (ms)", median(bareStart),
                median(vekkiroStart), startRatio, "<=1.25");
    std::printf("%-34s %10.0f %10.0f %8.2f %8s\n", "peak RSS at first frame (KiB)", median(bareRss),
                median(vekkiroRss), rssRatio, "<=1.50");
    std::printf("\nclick to repainted frame, last run (target <= 16 ms):\n%s",
                lastVekkiro.mid(lastVekkiro.indexOf("click-first")).constData());
    return 0;
}
