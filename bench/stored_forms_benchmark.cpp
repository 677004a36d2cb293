// How fast each way of storing a picture reads back, which is how the program's stored form was
// chosen: the start-up picture and the faded bins band, at 1x and 2x, are written in every
// candidate form, packed by the resource compiler as the build packs them, and read back as a
// loader would, into an RGB32 image ready to draw. Prints, per form, the packed size and the
// median time of each read; a form whose pixels come back different is marked.
//
//   stored_forms_benchmark    (rcc and the rendered pictures are found where the build put them)
#include "picture_layout.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QResource>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <vector>

namespace {

struct Picture {
    QString name;
    QImage pixels; // RGB32, what every form must give back
};

enum class Reading { ImageReader, RawRgb888, RawRgb32 };

struct Form {
    const char* label;
    const char* suffix;
    Reading reading;
    QStringList rccOptions;
};

const std::vector<Form> forms = {
    {"PNG (before)", "png", Reading::ImageReader, {}},
    {"PPM, zstd", "ppm", Reading::ImageReader, {}},
    {"BMP, zstd", "bmp", Reading::ImageReader, {}},
    {"RGB888 raw, zstd", "rgb888", Reading::RawRgb888, {}},
    {"RGB32 raw, zstd (chosen)", "rgb32", Reading::RawRgb32, {}},
    {"RGB32 raw, zlib (Windows)", "rgb32", Reading::RawRgb32, {QStringLiteral("--no-zstd")}},
    {"RGB32 raw, uncompressed", "rgb32", Reading::RawRgb32, {QStringLiteral("--no-compress")}},
};

bool write(const Picture& picture, const Form& form, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto raw = [&file](const QImage& image) {
        const auto size = static_cast<qint64>(image.sizeInBytes());
        return file.write(reinterpret_cast<const char*>(image.constBits()), size) == size;
    };
    switch (form.reading) {
    case Reading::ImageReader:
        return picture.pixels.save(&file, form.suffix);
    case Reading::RawRgb888:
        return raw(picture.pixels.convertToFormat(QImage::Format_RGB888));
    case Reading::RawRgb32:
        return raw(picture.pixels);
    }
    return false;
}

QImage read(const QString& path, const Form& form, QSize size) {
    if (form.reading == Reading::ImageReader)
        return QImageReader(path).read().convertToFormat(QImage::Format_RGB32);
    auto* data = new QByteArray(QResource(path).uncompressedData());
    const auto* bits = reinterpret_cast<const uchar*>(data->constData());
    const auto release = [](void* buffer) {
        delete static_cast<QByteArray*>(buffer);
    };
    if (form.reading == Reading::RawRgb32)
        return {bits,    size.width(), size.height(), size.width() * 4, QImage::Format_RGB32,
                release, data};
    QImage image =
        QImage(bits, size.width(), size.height(), size.width() * 3, QImage::Format_RGB888)
            .convertToFormat(QImage::Format_RGB32);
    delete data;
    return image;
}

double medianMs(const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    // Every read gets its memory fresh from the system, as the program's one read of a picture
    // does; by default glibc would keep a freed picture's block and let later reads skip the
    // page faults.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    QGuiApplication app(argc, argv);
    const QString references = QStringLiteral(VEKKIRO_REFERENCE_PICTURES);
    const QString rcc = QStringLiteral(VEKKIRO_RCC);
    namespace layout = vekkiro::layout;

    std::vector<Picture> pictures;
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 2 ? QStringLiteral("@2x") : QString();
        const QImage startup = QImage(references + QStringLiteral("/startup%1.png").arg(suffix))
                                   .convertToFormat(QImage::Format_RGB32);
        const QImage notFound = QImage(references + QStringLiteral("/105%1.png").arg(suffix))
                                    .convertToFormat(QImage::Format_RGB32);
        if (startup.isNull() || notFound.isNull()) {
            std::fprintf(stderr, "the rendered pictures are missing from %s\n",
                         qPrintable(references));
            return 1;
        }
        pictures.push_back({QStringLiteral("startup%1").arg(suffix), startup});
        pictures.push_back(
            {QStringLiteral("band%1").arg(suffix), notFound.copy(layout::binsBand.scaled(scale))});
    }

    QTemporaryDir work;
    std::printf("%-27s %9s", "form (ms to read)", "KiB");
    for (const Picture& picture : pictures)
        std::printf(" %11s", qPrintable(picture.name));
    std::printf("\n");
    for (std::size_t f = 0; f < forms.size(); ++f) {
        const Form& form = forms[f];
        const QString dir = work.filePath(QString::number(f));
        QDir().mkpath(dir);
        QString qrc = QStringLiteral("<RCC><qresource prefix=\"/\">");
        for (const Picture& picture : pictures) {
            const QString file = picture.name + QLatin1Char('.') + QLatin1String(form.suffix);
            if (!write(picture, form, dir + QLatin1Char('/') + file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
            qrc += QStringLiteral("<file>%1</file>").arg(file);
        }
        qrc += QStringLiteral("</qresource></RCC>");
        QFile qrcFile(dir + QStringLiteral("/forms.qrc"));
        if (!qrcFile.open(QIODevice::WriteOnly) || qrcFile.write(qrc.toUtf8()) < 0)
            return 1;
        qrcFile.close();
        const QString packed = dir + QStringLiteral("/forms.rcc");
        if (QProcess::execute(
                rcc, QStringList{QStringLiteral("--binary")} + form.rccOptions +
                         QStringList{qrcFile.fileName(), QStringLiteral("-o"), packed}) != 0) {
            std::fprintf(stderr, "%s failed\n", qPrintable(rcc));
            return 1;
        }
        const QString root = QStringLiteral("/form%1").arg(f);
        QResource::registerResource(packed, root);

        std::printf("%-27s %9.0f", form.label, static_cast<double>(QFile(packed).size()) / 1024);
        for (const Picture& picture : pictures) {
            const QString path =
                QStringLiteral(":%1/%2.%3").arg(root, picture.name, QLatin1String(form.suffix));
            const QSize size = picture.pixels.size();
            const bool same = read(path, form, size) == picture.pixels;
            const double ms = medianMs([&] { (void)read(path, form, size); });
            std::printf(" %10.2f%s", ms, same ? " " : "!");
        }
        std::printf("\n");
    }
    std::printf("(median of 9 reads each; ! marks pixels that came back different; uncompressed\n"
                " pixels are used where the program is mapped, and read from disk when drawn)\n");
    return 0;
}
