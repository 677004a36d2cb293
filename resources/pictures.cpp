#include "pictures.h"

#include "picture_layout.h"

#include <vekkiro/qtstrings.h>

#include <QCoreApplication>
#include <QLoggingCategory>
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
    const layout::StoredPicture& startup = layout::startupPicture;
    if (scale == 2) {
        static const QImage dense = readPixels(startup.name, startup.area, 2);
        return dense;
    }
    static const QImage single = readPixels(startup.name, startup.area, 1);
    return single;
}

// What the answers are drawn with, made on first use and kept for each density: a repeated
// answer decodes and copies nothing. Together 3.8 MiB at 2x.
struct KeptParts {
    std::array<QImage, layout::storedPictures.size()> stored; ///< all but the start-up picture
    std::array<std::array<QImage, 2>, layout::answerPictures.size()> cut; ///< areas cut out
};

KeptParts& keptParts(int scale) {
    static std::array<KeptParts, 2> kept;
    return kept.at(static_cast<std::size_t>(scale - 1));
}

const QImage& storedImage(const layout::StoredPicture& stored, int scale) {
    if (&stored == &layout::startupPicture)
        return startupImage(scale);
    const auto index = static_cast<std::size_t>(
        std::find(layout::storedPictures.begin(), layout::storedPictures.end(), &stored) -
        layout::storedPictures.begin());
    QImage& image = keptParts(scale).stored.at(index);
    if (image.isNull())
        image = readPixels(stored.name, stored.area, scale);
    return image;
}

// A part's image: its stored picture, or the area of it that the part names.
QImage partImage(std::size_t answer, std::size_t index, int scale) {
    const layout::Part& part = layout::answerPictures.at(answer).parts.at(index);
    const layout::Area& whole = part.from->area;
    const QImage& stored = storedImage(*part.from, scale);
    if (part.area == whole)
        return stored;
    QImage& cut = keptParts(scale).cut.at(answer).at(index);
    if (cut.isNull() && !stored.isNull()) {
        cut = stored.copy(part.area.within(whole).scaled(scale));
        cut.setDevicePixelRatio(scale);
    }
    return cut;
}

std::optional<std::size_t> answerIndex(PictureId id) {
    for (std::size_t i = 0; i < layout::answerPictures.size(); ++i)
        if (layout::answerPictures[i].id == id)
            return i;
    qCWarning(lcPictures) << "no picture has the identifier" << static_cast<int>(id);
    return std::nullopt;
}

} // namespace

int renderingScale(qreal devicePixelRatio) {
    // Only two renderings exist.
    return devicePixelRatio > 1.0 ? 2 : 1;
}

std::vector<PicturePart> pictureParts(PictureId id, qreal devicePixelRatio) {
    const std::optional<std::size_t> answer = answerIndex(id);
    if (!answer)
        return {};
    const int scale = renderingScale(devicePixelRatio);
    std::vector<PicturePart> parts;
    for (std::size_t index = 0; index < layout::answerPictures[*answer].parts.size(); ++index) {
        const layout::Area& area = layout::answerPictures[*answer].parts[index].area;
        QImage image = partImage(*answer, index, scale);
        if (image.isNull())
            return {};
        parts.push_back(PicturePart{QPoint(area.x, area.y), std::move(image)});
    }
    return parts;
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
    if (!id) {
        QStringList labels;
        for (const Bin& bin : bins)
            labels.append(toQString(bin.label));
        return labels.join(QStringLiteral("、"));
    }
    for (const layout::AnswerPicture& answer : layout::answerPictures)
        if (answer.id == *id)
            return answer.bin ? binLabelText(*answer.bin) : QString::fromUtf8(noticeText);
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
