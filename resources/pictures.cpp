#include "pictures.h"

#include "picture_layout.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QPainter>
#include <QResource>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <bit>
#include <memory>
#include <thread>

namespace vekkiro {

namespace {

Q_LOGGING_CATEGORY(lcPictures, "vekkiro.pictures")

// The one place that knows what each picture is: the start-up picture with, over it, the bins
// band with every bin faded and then either one bin in full colour again or the text line.
struct PictureEntry {
    PictureId id;
    std::optional<Category> fullColourBin; ///< none: the picture with the text line instead
};
constexpr std::array pictureTable = {
    PictureEntry{PictureId::Recyclable, Category::Recyclable},
    PictureEntry{PictureId::KitchenWaste, Category::KitchenWaste},
    PictureEntry{PictureId::OtherWaste, Category::OtherWaste},
    PictureEntry{PictureId::HazardousWaste, Category::HazardousWaste},
    PictureEntry{PictureId::NotFound, std::nullopt},
};
// In the order of layout::binAreas.
constexpr std::array allBins = {Category::Recyclable, Category::KitchenWaste, Category::OtherWaste,
                                Category::HazardousWaste};
constexpr auto noticeText = "该垃圾本程序暂时无法分类";

// The stored pixels are Qt's RGB32 words as the (little-endian) build machine laid them out in
// memory, which the loader uses as they are.
static_assert(std::endian::native == std::endian::little,
              "the stored pictures hold little-endian RGB32 words");

// A stored picture: uncompressed RGB32 pixels in the resources, compressed by the resource
// compiler. The image uses the decompressed buffer in place, so reading one costs a
// decompression and nothing else.
QImage readPixels(const char* name, const layout::Area& area, int scale) {
    const QString path =
        QStringLiteral(":/pictures/%1%2.rgb32")
            .arg(QLatin1String(name), scale == 2 ? QStringLiteral("@2x") : QString());
    const QResource resource(path);
    const int width = area.width * scale;
    const int height = area.height * scale;
    auto pixels = std::make_unique<QByteArray>(resource.uncompressedData());
    if (pixels->size() != qsizetype(width) * height * 4) {
        qCWarning(lcPictures) << "cannot load picture" << path
                              << (resource.isValid() ? "(its size is wrong)" : "(not found)");
        return {};
    }
    const auto* bits = reinterpret_cast<const uchar*>(pixels->constData());
    QImage image(
        bits, width, height, width * 4, QImage::Format_RGB32,
        [](void* buffer) { delete static_cast<QByteArray*>(buffer); }, pixels.get());
    pixels.release(); // the image owns it now
    // Both renderings are addressed in the picture's own 960 x 600 coordinates.
    image.setDevicePixelRatio(scale);
    return image;
}

// Decoded once per density: every result picture is drawn over it, and the start-up pixmap
// shares its pixels. Kept for the life of the program (2.2 MiB at 1x, 8.8 MiB at 2x).
const QImage& startupImage(int scale) {
    constexpr layout::Area whole{0, 0, layout::pictureWidth, layout::pictureHeight};
    if (scale == 2) {
        static const QImage dense = readPixels("startup", whole, 2);
        return dense;
    }
    static const QImage single = readPixels("startup", whole, 1);
    return single;
}

// The parts the answers are drawn with, made on first use and kept for each density: a
// repeated answer decodes and copies nothing. Together 3.8 MiB at 2x.
struct KeptParts {
    QImage fadedBins;
    QImage notice;
    std::array<QImage, allBins.size()> fullColourBins; ///< the start-up picture's own
};

KeptParts& keptParts(int scale) {
    static std::array<KeptParts, 2> kept;
    return kept.at(static_cast<std::size_t>(scale - 1));
}

std::vector<PicturePart> partsOf(const PictureEntry& entry, int scale) {
    KeptParts& kept = keptParts(scale);
    const auto part = [](const layout::Area& area, const QImage& image) {
        return PicturePart{QPoint(area.x, area.y), image};
    };
    if (kept.fadedBins.isNull())
        kept.fadedBins = readPixels("bins-faded", layout::binsBand, scale);
    std::vector<PicturePart> parts = {part(layout::binsBand, kept.fadedBins)};
    if (entry.fullColourBin) {
        const auto index = static_cast<std::size_t>(
            std::find(allBins.begin(), allBins.end(), *entry.fullColourBin) - allBins.begin());
        const layout::Area& area = layout::binAreas.at(index);
        QImage& bin = kept.fullColourBins.at(index);
        if (bin.isNull()) {
            bin = startupImage(scale).copy(area.scaled(scale));
            bin.setDevicePixelRatio(scale);
        }
        parts.push_back(part(area, bin));
    } else {
        if (kept.notice.isNull())
            kept.notice = readPixels("notice", layout::noticeArea, scale);
        parts.push_back(part(layout::noticeArea, kept.notice));
    }
    for (const PicturePart& each : parts)
        if (each.image.isNull())
            return {};
    return parts;
}

const PictureEntry* entryFor(PictureId id) {
    for (const PictureEntry& entry : pictureTable)
        if (entry.id == id)
            return &entry;
    qCWarning(lcPictures) << "no picture has the identifier" << static_cast<int>(id);
    return nullptr;
}

} // namespace

int renderingScale(qreal devicePixelRatio) {
    // Only two renderings exist.
    return devicePixelRatio > 1.0 ? 2 : 1;
}

QPixmap loadPicture(PictureId id, qreal devicePixelRatio) {
    const int scale = renderingScale(devicePixelRatio);
    const QImage& startup = startupImage(scale);
    const std::vector<PicturePart> parts = pictureParts(id, devicePixelRatio);
    if (startup.isNull() || parts.empty())
        return {};
    QImage image = startup.copy();
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const PicturePart& part : parts)
        painter.drawImage(part.position, part.image);
    painter.end();
    return QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
}

std::vector<PicturePart> pictureParts(PictureId id, qreal devicePixelRatio) {
    const PictureEntry* entry = entryFor(id);
    return entry ? partsOf(*entry, renderingScale(devicePixelRatio)) : std::vector<PicturePart>{};
}

void prepareStartupPicture(qreal devicePixelRatio) {
    // Joined when the program ends, should it end before the picture is decoded.
    static std::jthread worker;
    if (worker.joinable())
        return;
    const int scale = renderingScale(devicePixelRatio);
    // startupImage() is initialised once, whichever thread comes first; a thread asking for it
    // meanwhile waits for the decoding under way instead of starting another.
    worker = std::jthread([scale] { (void)startupImage(scale); });
}

QPixmap loadStartupPicture(qreal devicePixelRatio) {
    return QPixmap::fromImage(startupImage(renderingScale(devicePixelRatio)),
                              Qt::NoFormatConversion);
}

QString pictureDescription(std::optional<PictureId> id) {
    const auto label = [](Category bin) {
        const std::string_view text = binLabel(bin);
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    };
    if (!id) {
        QStringList labels;
        for (const Category bin : allBins)
            labels.append(label(bin));
        return labels.join(QStringLiteral("、"));
    }
    for (const PictureEntry& entry : pictureTable)
        if (entry.id == *id)
            return entry.fullColourBin ? label(*entry.fullColourBin)
                                       : QString::fromUtf8(noticeText);
    return {};
}

QIcon applicationIcon() {
    // Adding a size decodes it, several milliseconds for the set: made once and shared by every
    // window, and let go with the application, before its pixmaps could outlive it.
    static QIcon icon;
    if (icon.isNull()) {
        for (const int size : layout::iconSizes)
            icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
        qAddPostRoutine([] { icon = QIcon(); });
    }
    return icon;
}

} // namespace vekkiro
