// Renders the program's pictures and icons from their vector sources at build time, so the
// artwork has one editable source and the text in it is set in a font the build installed.
//
//   render_artwork <scene.svg> <icon.svg> <output-dir>
//
// Writes, for the program, the pictures it is built from as uncompressed pixels (Qt's RGB32
// layout, which the loader uses in place; the resource compiler compresses them):
// <output-dir>/pictures/startup.rgb32, bins-faded.rgb32 (the bins band with every bin faded)
// and notice.rgb32 (the cannot-classify line), all of them also @2x. For the checks, every whole
// picture as <output-dir>/reference/<startup|101..105>[@2x].png. And
// <output-dir>/icons/<size>.png for every icon size, and <output-dir>/vekkiro.ico. And the Windows
// installer's pictures, <output-dir>/installer/<welcome|header>-<100|150|200>.bmp, for screens
// at 100, 150 and 200 per cent.
#include "picture_layout.h"

#include <vekkiro/qtstrings.h>

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>

namespace {

namespace layout = vekkiro::layout;

// The groups of the scene that differ between pictures; everything else is common.
// The bins' groups in the scene, in the order of the bins.
QString binGroup(std::size_t index) {
    return vekkiro::toQString(vekkiro::bins[index].artworkGroup);
}
constexpr auto noticeGroup = "notice";
constexpr auto sceneGroup = "scene";

// A faded bin keeps this much of its opacity, so the mountains behind it show through.
constexpr double fadedOpacity = 0.4;

[[noreturn]] void fail(const QString& message) {
    std::fprintf(stderr, "render_artwork: %s\n", qPrintable(message));
    std::exit(1);
}

QDomDocument readSvg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    QDomDocument document;
    const auto parsed = document.setContent(&file);
    if (!parsed)
        fail(QStringLiteral("%1 is not well-formed XML").arg(path));
    return document;
}

// Every element of the document, in document order. (QDomDocument::elementsByTagName matches
// no wildcard.)
std::vector<QDomElement> allElements(const QDomDocument& document) {
    std::vector<QDomElement> elements;
    std::vector<QDomElement> pending{document.documentElement()};
    while (!pending.empty()) {
        const QDomElement element = pending.back();
        pending.pop_back();
        elements.push_back(element);
        std::vector<QDomElement> children;
        for (QDomElement child = element.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement())
            children.push_back(child);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return elements;
}

// Text must come out the same on every build machine: refuse to fall back silently to some
// other font when a named family is not installed.
void requireFonts(const QDomDocument& document) {
    std::set<QString> families;
    for (const QDomElement& element : allElements(document))
        if (element.hasAttribute(QStringLiteral("font-family")))
            families.insert(element.attribute(QStringLiteral("font-family")));
    for (const QString& family : families)
        if (!QFontDatabase::hasFamily(family))
            fail(QStringLiteral("font \"%1\" is not installed (Debian: fonts-noto-cjk)")
                     .arg(family));
}

// The bins' table gives each bin's colour for the page and the list: it must be the colour the
// scene paints the bin's body in (its group's first path).
void requireBinColours(const QDomDocument& scene) {
    for (std::size_t i = 0; i < vekkiro::bins.size(); ++i) {
        const QString group = binGroup(i);
        const QString expected =
            QStringLiteral("#%1").arg(vekkiro::bins[i].colour, 6, 16, QLatin1Char('0'));
        QString body;
        for (const QDomElement& element : allElements(scene)) {
            if (element.attribute(QStringLiteral("id")) == group) {
                body = element.firstChildElement(QStringLiteral("path"))
                           .attribute(QStringLiteral("fill"));
                break;
            }
        }
        if (body.compare(expected, Qt::CaseInsensitive) != 0)
            fail(QStringLiteral("the scene paints %1 in \"%2\", the bins' table says %3")
                     .arg(group, body, expected));
    }
}

QImage render(const QByteArray& svg, QSize size) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        fail(QStringLiteral("the SVG source cannot be rendered"));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

// The scene with only one of its top-level groups visible.
QImage renderGroup(QDomDocument document, const QString& group, QSize size) {
    document = document.cloneNode(true).toDocument();
    bool found = false;
    for (QDomElement child = document.documentElement().firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QStringLiteral("defs"))
            continue;
        const bool wanted = child.attribute(QStringLiteral("id")) == group;
        found = found || wanted;
        if (!wanted)
            child.setAttribute(QStringLiteral("display"), QStringLiteral("none"));
    }
    if (!found)
        fail(QStringLiteral("the scene has no top-level group \"%1\"").arg(group));
    return render(document.toByteArray(), size);
}

void save(const QImage& image, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        fail(QStringLiteral("cannot write %1").arg(path));
}

// The pixels exactly as a QImage of Format_RGB32 holds them in memory, row after row.
void savePixels(const QImage& image, const QString& path) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const auto size = static_cast<qint64>(pixels.sizeInBytes());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(pixels.constBits()), size) != size ||
        !file.commit())
        fail(QStringLiteral("cannot write %1").arg(path));
}

// The scene with the named bins (indices into vekkiro::bins) in full colour, the others faded, and
// with or without the cannot-classify line; opaque 8-bit colour, as the screen shows it and the
// loader stores it.
QImage composed(const QImage& background, const std::array<QImage, vekkiro::bins.size()>& bins,
                const QImage& noticeLayer, const std::vector<std::size_t>& fullColour,
                bool notice) {
    QImage image = background;
    {
        QPainter painter(&image);
        for (std::size_t i = 0; i < bins.size(); ++i) {
            const bool full =
                std::find(fullColour.begin(), fullColour.end(), i) != fullColour.end();
            painter.setOpacity(full ? 1.0 : fadedOpacity);
            painter.drawImage(0, 0, bins[i]);
        }
        painter.setOpacity(1.0);
        if (notice)
            painter.drawImage(0, 0, noticeLayer);
    }
    return image.convertToFormat(QImage::Format_RGB888).convertToFormat(QImage::Format_RGB32);
}

// An answer as the loader puts it together: the start-up picture with its parts drawn over it.
QImage rebuilt(const layout::AnswerPicture& answer,
               const std::map<const layout::StoredPicture*, QImage>& stored, int scale) {
    QImage image = stored.at(&layout::startupPicture);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const layout::Part& part : answer.parts)
        painter.drawImage(part.area.scaled(scale).topLeft(), stored.at(part.from),
                          part.area.within(part.from->area).scaled(scale));
    return image;
}

// The installer's pictures, in the sizes its pages (NSIS's modern interface) show them at 100 per
// cent: the picture down the left of the welcome and finish pages, and the one at the right of
// every other page's white header.
constexpr QSize welcomePictureSize(164, 314);
constexpr QSize headerPictureSize(150, 57);
constexpr std::array installerScales = {100, 150, 200};

QDomElement elementWithId(const QDomDocument& document, const QString& id) {
    for (const QDomElement& element : allElements(document))
        if (element.attribute(QStringLiteral("id")) == id)
            return element;
    fail(QStringLiteral("the scene has no element \"%1\"").arg(id));
}

// The scene with only the named element drawn (in its place, with its ancestors' transforms).
QByteArray onlyElement(const QDomDocument& scene, const QString& id) {
    QDomDocument document = scene.cloneNode(true).toDocument();
    for (QDomElement kept = elementWithId(document, id); kept != document.documentElement();
         kept = kept.parentNode().toElement())
        for (QDomElement sibling = kept.parentNode().firstChildElement(); !sibling.isNull();
             sibling = sibling.nextSiblingElement())
            if (sibling != kept && sibling.tagName() != QStringLiteral("defs"))
                sibling.setAttribute(QStringLiteral("display"), QStringLiteral("none"));
    return document.toByteArray();
}

// The scene with the named elements left out.
QByteArray withoutElements(const QDomDocument& scene, const QStringList& ids) {
    QDomDocument document = scene.cloneNode(true).toDocument();
    for (const QString& id : ids)
        elementWithId(document, id).setAttribute(QStringLiteral("display"), QStringLiteral("none"));
    return document.toByteArray();
}

// Draws the part of the scene inside `source` into `target`, as vectors at the painter's scale.
void drawRegion(QPainter& painter, const QByteArray& svg, const QRectF& source,
                const QRectF& target) {
    QSvgRenderer renderer(svg);
    renderer.setViewBox(source);
    renderer.render(&painter, target);
}

// One element of the scene on its own, and where it lies in the scene's coordinates.
struct SceneElement {
    QByteArray svg;
    QRectF bounds;

    SceneElement(const QDomDocument& scene, const QString& id)
        : svg(onlyElement(scene, id)) {
        QSvgRenderer renderer(svg);
        bounds = renderer.transformForElement(id).mapRect(renderer.boundsOnElement(id));
    }

    // Its width when drawn at the given height, in proportion.
    [[nodiscard]] qreal widthAt(qreal height) const {
        return bounds.width() * height / bounds.height();
    }

    // Draws it at the given height, its top left corner at `at`.
    void draw(QPainter& painter, QPointF at, qreal height) const {
        drawRegion(painter, svg, bounds, QRectF(at, QSizeF(widthAt(height), height)));
    }
};

// The installer's pictures are 24-bit bitmaps, which every Windows version loads.
void saveBitmap(const QImage& image, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        !image.convertToFormat(QImage::Format_RGB888).save(&file, "BMP") || !file.commit())
        fail(QStringLiteral("cannot write %1").arg(path));
}

// The welcome picture: the sky and hills, the four tiles of the logo and the four bins; the
// header picture: the four bins in a row on the header's white.
void renderInstallerPictures(const QDomDocument& scene, const QString& outputDir) {
    QStringList besideTheLandscape = {QStringLiteral("logo"), QStringLiteral("fist"),
                                      QStringLiteral("slogan"), QStringLiteral("search-panel"),
                                      QString::fromLatin1(noticeGroup)};
    std::vector<SceneElement> bins;
    for (std::size_t i = 0; i < vekkiro::bins.size(); ++i) {
        besideTheLandscape.append(binGroup(i));
        bins.emplace_back(scene, binGroup(i));
    }
    const QByteArray landscape = withoutElements(scene, besideTheLandscape);
    const SceneElement logo(scene, QStringLiteral("logo"));
    const qreal sceneHeight = layout::pictureHeight;
    const QRectF landscapeSource(
        0, 0, sceneHeight * welcomePictureSize.width() / welcomePictureSize.height(), sceneHeight);

    for (const int percent : installerScales) {
        const qreal scale = percent / 100.0;
        const auto prepared = [scale](QImage& image, QPainter& painter) {
            image.fill(Qt::white);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.scale(scale, scale);
        };
        const auto path = [&](const char* name) {
            return QStringLiteral("%1/installer/%2-%3.bmp")
                .arg(outputDir, QLatin1String(name))
                .arg(percent);
        };

        QImage welcome(welcomePictureSize * scale, QImage::Format_RGB32);
        {
            QPainter painter(&welcome);
            prepared(welcome, painter);
            drawRegion(painter, landscape, landscapeSource,
                       QRectF(QPointF(0, 0), QSizeF(welcomePictureSize)));
            const qreal logoHeight = 100;
            logo.draw(painter,
                      QPointF((welcomePictureSize.width() - logo.widthAt(logoHeight)) / 2, 36),
                      logoHeight);
            for (std::size_t i = 0; i < bins.size(); ++i)
                bins[i].draw(painter, QPointF(i % 2 == 0 ? 16 : 86, i < 2 ? 152 : 232), 74);
        }
        saveBitmap(welcome, path("welcome"));

        QImage header(headerPictureSize * scale, QImage::Format_RGB32);
        {
            QPainter painter(&header);
            prepared(header, painter);
            // As tall as fits four abreast with a little room between and at the sides.
            const qreal gap = 3;
            const qreal margin = 2;
            qreal widthPerHeight = 0;
            for (const SceneElement& bin : bins)
                widthPerHeight += bin.widthAt(1);
            const qreal binHeight =
                (headerPictureSize.width() - 2 * margin - gap * qreal(bins.size() - 1)) /
                widthPerHeight;
            qreal x = margin;
            for (const SceneElement& bin : bins) {
                bin.draw(painter, QPointF(x, (headerPictureSize.height() - binHeight) / 2),
                         binHeight);
                x += bin.widthAt(binHeight) + gap;
            }
        }
        saveBitmap(header, path("header"));
    }
}

void renderPictures(const QDomDocument& scene, const QString& outputDir) {
    for (const int scale : {1, 2}) {
        const QSize size(layout::pictureWidth * scale, layout::pictureHeight * scale);
        const QImage background = renderGroup(scene, QString::fromLatin1(sceneGroup), size);
        std::array<QImage, vekkiro::bins.size()> bins;
        for (std::size_t i = 0; i < bins.size(); ++i)
            bins[i] = renderGroup(scene, binGroup(i), size);
        const QImage noticeLayer = renderGroup(scene, QString::fromLatin1(noticeGroup), size);
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        const auto reference = [&](const QString& name) {
            return QStringLiteral("%1/reference/%2%3.png").arg(outputDir, name, suffix);
        };

        // Every picture whole, as the checks compare the screen with it.
        const QImage startup =
            composed(background, bins, noticeLayer, {0, 1, 2, 3}, /*notice=*/false);
        save(startup, reference(QStringLiteral("startup")));
        std::vector<QImage> answers;
        const QImage* withoutBin = nullptr;
        for (const layout::AnswerPicture& answer : layout::answerPictures) {
            std::vector<std::size_t> fullColour;
            if (answer.bin)
                fullColour.push_back(static_cast<std::size_t>(*answer.bin));
            answers.push_back(composed(background, bins, noticeLayer, fullColour, !answer.bin));
            save(answers.back(), reference(QString::number(int(answer.id))));
        }
        for (std::size_t i = 0; i < answers.size(); ++i)
            if (!layout::answerPictures[i].bin)
                withoutBin = &answers[i];
        if (!withoutBin)
            fail(QStringLiteral("no answer shows every bin faded"));

        // The stored pictures: the start-up picture, and the areas of the answer that has every
        // bin faded and the line that the others hold.
        std::map<const layout::StoredPicture*, QImage> stored;
        for (const layout::StoredPicture* picture : layout::storedPictures) {
            stored[picture] = picture == &layout::startupPicture
                                  ? startup
                                  : withoutBin->copy(picture->area.scaled(scale));
            savePixels(stored[picture], QStringLiteral("%1/pictures/%2%3.rgb32")
                                            .arg(outputDir, QLatin1String(picture->name), suffix));
        }
        // A scene whose answers the loader would put together otherwise fails the build
        // instead of showing wrongly.
        for (std::size_t i = 0; i < answers.size(); ++i)
            if (rebuilt(layout::answerPictures[i], stored, scale) != answers[i])
                fail(QStringLiteral("picture %1 differs from the start-up picture outside the "
                                    "parts it is rebuilt from")
                         .arg(int(layout::answerPictures[i].id)));
    }
}

// An .ico holding every size as PNG, which Windows reads from Vista on.
void writeIco(const std::vector<QByteArray>& pngs, const QString& path) {
    QByteArray ico;
    auto put16 = [&ico](int v) {
        ico.append(static_cast<char>(v & 0xff)).append(static_cast<char>((v >> 8) & 0xff));
    };
    auto put32 = [&](qint64 v) {
        put16(static_cast<int>(v & 0xffff));
        put16(static_cast<int>((v >> 16) & 0xffff));
    };
    put16(0);
    put16(1);
    put16(static_cast<int>(pngs.size()));
    qint64 offset = 6 + 16 * static_cast<qint64>(pngs.size());
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        const int size = layout::iconSizes[i];
        ico.append(static_cast<char>(size >= 256 ? 0 : size));
        ico.append(static_cast<char>(size >= 256 ? 0 : size));
        ico.append('\0').append('\0');
        put16(1);
        put16(32);
        put32(pngs[i].size());
        put32(offset);
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs)
        ico.append(png);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ico) != ico.size() || !file.commit())
        fail(QStringLiteral("cannot write %1").arg(path));
}

void renderIcons(const QDomDocument& icon, const QString& outputDir) {
    const QByteArray svg = icon.toByteArray();
    std::vector<QByteArray> pngs;
    for (const int size : layout::iconSizes) {
        const QImage image = render(svg, QSize(size, size));
        save(image, QStringLiteral("%1/icons/%2.png").arg(outputDir).arg(size));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        pngs.push_back(png);
    }
    writeIco(pngs, outputDir + QStringLiteral("/vekkiro.ico"));
}

} // namespace

int main(int argc, char* argv[]) {
    // No window system is needed to draw into images, and a build machine may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        fail(QStringLiteral("usage: render_artwork <scene.svg> <icon.svg> <output-dir>"));

    const QDomDocument scene = readSvg(args[1]);
    const QDomDocument icon = readSvg(args[2]);
    requireFonts(scene);
    requireFonts(icon);
    requireBinColours(scene);

    const QString outputDir = args[3];
    for (const char* sub : {"pictures", "reference", "icons", "installer"})
        if (!QDir().mkpath(outputDir + QLatin1Char('/') + QLatin1String(sub)))
            fail(QStringLiteral("cannot create %1").arg(outputDir));
    renderPictures(scene, outputDir);
    renderIcons(icon, outputDir);
    renderInstallerPictures(scene, outputDir);
    return 0;
}
