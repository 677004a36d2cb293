#include "pictures.h"

#include "picture_layout.h"

#include <QHash>
#include <QImageReader>
#include <QLoggingCategory>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <array>

namespace vekkiro {

namespace {

Q_LOGGING_CATEGORY(lcPictures, "vekkiro.pictures")

// The one place that knows where each picture lives. A result picture is stored as the areas
// in which it differs from the start-up picture.
struct PictureEntry {
    PictureId id;
    const char* baseName;
    std::optional<Category> fullColourBin; ///< none: the picture with the text line instead
};
constexpr std::array pictureTable = {
    PictureEntry{PictureId::Recyclable, "101", Category::Recyclable},
    PictureEntry{PictureId::KitchenWaste, "102", Category::KitchenWaste},
    PictureEntry{PictureId::OtherWaste, "103", Category::OtherWaste},
    PictureEntry{PictureId::HazardousWaste, "104", Category::HazardousWaste},
    PictureEntry{PictureId::NotFound, "105", std::nullopt},
};
constexpr std::array allBins = {Category::Recyclable, Category::KitchenWaste, Category::OtherWaste,
                                Category::HazardousWaste};
constexpr auto noticeText = "该垃圾本程序暂时无法分类";
constexpr const char* startupBaseName = "startup";

// Only two renderings exist; anything denser than 1x gets the 2x one and lets the painter
// scale the rest of the way.
int renderingScale(qreal devicePixelRatio) {
    return devicePixelRatio > 1.0 ? 2 : 1;
}

QImage readImage(const QString& baseName, int scale) {
    const QString path = QStringLiteral(":/pictures/%1%2.png")
                             .arg(baseName, scale == 2 ? QStringLiteral("@2x") : QString());
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        qCWarning(lcPictures) << "cannot load picture" << path << reader.errorString();
    // Both renderings are addressed in the picture's own 960 x 600 coordinates.
    image.setDevicePixelRatio(scale);
    return image;
}

// Decoded once per density: every result picture starts from it, and the start-up pixmap shares
// its pixels. Kept for the life of the program (2.2 MiB at 1x), which makes each search decode
// about a quarter of a picture.
const QImage& startupImage(int scale) {
    if (scale == 2) {
        static const QImage dense = readImage(QLatin1String(startupBaseName), 2);
        return dense;
    }
    static const QImage single = readImage(QLatin1String(startupBaseName), 1);
    return single;
}

// A part, decoded once and kept: a repeated answer decodes nothing. In the start-up picture's
// pixel format, so drawing it over that picture is a plain copy.
QImage decodedPart(const QString& baseName, const layout::Area& area, int scale) {
    static QHash<QString, QImage> kept;
    const QString key = baseName + QString::number(scale);
    if (const auto found = kept.constFind(key); found != kept.cend())
        return *found;
    QImage part = readImage(baseName, scale);
    if (part.isNull() || part.size() != QSize(area.width * scale, area.height * scale))
        return {};
    const QImage& startup = startupImage(scale);
    if (!startup.isNull() && part.format() != startup.format())
        part.convertTo(startup.format());
    kept.insert(key, part);
    return part;
}

std::vector<PicturePart> partsOf(const PictureEntry& entry, int scale) {
    const QString name = QLatin1String(entry.baseName);
    std::vector<std::pair<QString, layout::Area>> wanted = {
        {name + QStringLiteral("-bins"), layout::binsBand}};
    if (!entry.fullColourBin)
        wanted.emplace_back(name + QStringLiteral("-notice"), layout::noticeArea);
    std::vector<PicturePart> parts;
    for (const auto& [baseName, area] : wanted) {
        QImage image = decodedPart(baseName, area, scale);
        if (image.isNull())
            return {};
        parts.push_back({QPoint(area.x, area.y), std::move(image)});
    }
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
    QIcon icon;
    for (const int size : layout::iconSizes)
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace vekkiro
