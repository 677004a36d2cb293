// Time to load each picture through the window's own loader: the start-up picture, then each
// answer's parts as the window asks for them, cold (the first time in the process) and warm
// (median of repeated asks), at both densities, and what each answer's parts hold in memory.
#include "pictures.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double millisecondsToLoad(vekkiro::PictureId id, qreal ratio) {
    QElapsedTimer timer;
    timer.start();
    const std::vector<vekkiro::PicturePart> parts = vekkiro::pictureParts(id, ratio);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (parts.empty())
        std::fprintf(stderr, "picture %d did not load\n", static_cast<int>(id));
    return ms;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    constexpr int warmRuns = 21;
    std::printf("%-8s %-6s %10s %10s %10s\n", "picture", "ratio", "cold ms", "warm ms",
                "parts MiB");
    for (const qreal ratio : {1.0, 2.0}) {
        QElapsedTimer timer;
        timer.start();
        const QPixmap startup = vekkiro::loadStartupPicture(ratio);
        std::printf("%-8s %-6.0f %10.2f %10s %10.2f\n", "startup", ratio,
                    static_cast<double>(timer.nsecsElapsed()) / 1e6, "-",
                    static_cast<double>(startup.toImage().sizeInBytes()) / (1 << 20));
        for (const auto id : vekkiro::allPictureIds) {
            const double cold = millisecondsToLoad(id, ratio);
            std::vector<double> warm;
            for (int i = 0; i < warmRuns; ++i)
                warm.push_back(millisecondsToLoad(id, ratio));
            std::nth_element(warm.begin(), warm.begin() + warmRuns / 2, warm.end());
            double bytes = 0;
            for (const vekkiro::PicturePart& part : vekkiro::pictureParts(id, ratio))
                bytes += static_cast<double>(part.image.sizeInBytes());
            const double mib = bytes / (1 << 20);
            std::printf("%-8d %-6.0f %10.2f %10.2f %10.2f\n", static_cast<int>(id), ratio, cold,
                        warm[warmRuns / 2], mib);
        }
    }
    return 0;
}
