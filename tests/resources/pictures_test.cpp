// Judges the pictures by their pixels, loaded through the same functions the window uses.
#include "pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <optional>
#include <vector>

using vekkiro::PictureId;

Q_DECLARE_METATYPE(std::optional<PictureId>)

namespace {

// Where the window puts its two controls, in logical pixels; they must vanish into the pills.
constexpr QRect inputBox(424, 160, 289, 33);
constexpr QRect searchLabel(752, 160, 81, 35);
constexpr QRgb pillGreen = qRgb(0, 128, 0);

// The four bins, left to right, with a margin for their outlines, and the text line of 105.
constexpr std::array binAreas = {QRect(160, 444, 124, 156), QRect(326, 444, 124, 156),
                                 QRect(494, 444, 124, 156), QRect(658, 444, 124, 156)};
constexpr QRect noticeBox(532, 233, 214, 16);
constexpr int upperPartHeight = 260;

QRect scaled(const QRect& r, int scale) {
    return {r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale};
}

// A whole answer as the window shows it: its parts drawn over the start-up picture. Null if
// there are none.
QPixmap answerPicture(PictureId id, qreal devicePixelRatio) {
    const std::vector<vekkiro::PicturePart> parts = vekkiro::pictureParts(id, devicePixelRatio);
    QPixmap pixmap = vekkiro::loadStartupPicture(devicePixelRatio);
    if (parts.empty())
        return {};
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const vekkiro::PicturePart& part : parts)
        painter.drawImage(part.position, part.image);
    return pixmap;
}

// nullopt: the start-up picture.
QImage pixels(std::optional<PictureId> id, int scale) {
    const QPixmap pixmap = id ? answerPicture(*id, scale) : vekkiro::loadStartupPicture(scale);
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    // Address device pixels, whatever the rendering's density.
    image.setDevicePixelRatio(1.0);
    return image;
}

bool regionsEqual(const QImage& a, const QImage& b, const QRect& region) {
    return a.copy(region) == b.copy(region);
}

bool isNoticeRed(QRgb p) {
    return qRed(p) > 180 && qGreen(p) < 110 && qBlue(p) < 140;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyPictureIs960x600Logical_data();
    void everyPictureIs960x600Logical();
    void controlRectanglesArePillGreen_data();
    void controlRectanglesArePillGreen();
    void upperPartIsIdenticalInTheFourCategoryPictures_data();
    void upperPartIsIdenticalInTheFourCategoryPictures();
    void onlyTheBinOfTheCategoryIsInFullColour_data();
    void onlyTheBinOfTheCategoryIsInFullColour();
    void notFoundPictureHasItsRedLineAndNoFullColourBin_data();
    void notFoundPictureHasItsRedLineAndNoFullColourBin();
    void picturesDifferOnlyInTheBinsAndTheTextLine_data();
    void picturesDifferOnlyInTheBinsAndTheTextLine();
    void everyPictureIsTheSceneAsRendered_data();
    void everyPictureIsTheSceneAsRendered();
    void anUnknownIdentifierGivesNoPictureAndAWarning();
    void iconComesInEverySizeOnATransparentBackground();
};

namespace {
void addScaleColumnRows() {
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
}
} // namespace

void PicturesTest::initTestCase() {
    // As the program starts: the 2x start-up picture is decoded on another thread while the
    // first test asks for it, so every test below judges the picture that thread made.
    vekkiro::prepareStartupPicture(2.0);
}

void PicturesTest::everyPictureIs960x600Logical_data() {
    addScaleColumnRows();
}

void PicturesTest::everyPictureIs960x600Logical() {
    QFETCH(int, scale);
    const auto check = [scale](const QPixmap& pixmap) {
        QCOMPARE(pixmap.size(), QSize(960 * scale, 600 * scale));
        QCOMPARE(pixmap.devicePixelRatio(), qreal(scale));
        QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(960, 600));
    };
    check(vekkiro::loadStartupPicture(scale));
    for (const PictureId id : vekkiro::allPictureIds)
        check(answerPicture(id, scale));
    // A fractional ratio takes the denser rendering.
    QCOMPARE(answerPicture(PictureId::Recyclable, 1.25).size(), QSize(1920, 1200));
}

void PicturesTest::controlRectanglesArePillGreen_data() {
    addScaleColumnRows();
}

void PicturesTest::controlRectanglesArePillGreen() {
    QFETCH(int, scale);
    std::vector<std::optional<PictureId>> all = {std::nullopt};
    all.insert(all.end(), vekkiro::allPictureIds.begin(), vekkiro::allPictureIds.end());
    for (const auto& id : all) {
        const QImage image = pixels(id, scale);
        for (const QRect& control : {inputBox, searchLabel}) {
            const QRect area = scaled(control, scale);
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (image.pixel(x, y) != pillGreen)
                        QFAIL(qPrintable(QStringLiteral("picture %1, pixel (%2, %3) is #%4")
                                             .arg(id ? int(*id) : 0)
                                             .arg(x)
                                             .arg(y)
                                             .arg(image.pixel(x, y) & 0xffffff, 6, 16)));
        }
    }
}

void PicturesTest::upperPartIsIdenticalInTheFourCategoryPictures_data() {
    addScaleColumnRows();
}

void PicturesTest::upperPartIsIdenticalInTheFourCategoryPictures() {
    QFETCH(int, scale);
    const QRect upper(0, 0, 960 * scale, upperPartHeight * scale);
    const QImage first = pixels(PictureId::Recyclable, scale);
    for (const PictureId id :
         {PictureId::KitchenWaste, PictureId::OtherWaste, PictureId::HazardousWaste})
        QVERIFY2(regionsEqual(first, pixels(id, scale), upper),
                 qPrintable(QString::number(int(id))));
}

void PicturesTest::onlyTheBinOfTheCategoryIsInFullColour_data() {
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<int>("fullColourBin");
    QTest::addColumn<int>("scale");
    for (const int scale : {1, 2}) {
        for (int bin = 0; bin < 4; ++bin) {
            const auto id = vekkiro::allPictureIds[static_cast<std::size_t>(bin)];
            QTest::addRow("%d@%dx", int(id), scale) << id << bin << scale;
        }
    }
}

void PicturesTest::onlyTheBinOfTheCategoryIsInFullColour() {
    QFETCH(PictureId, id);
    QFETCH(int, fullColourBin);
    QFETCH(int, scale);
    const QImage startup = pixels(std::nullopt, scale);
    const QImage picture = pixels(id, scale);
    for (int bin = 0; bin < 4; ++bin) {
        const QRect area = scaled(binAreas[static_cast<std::size_t>(bin)], scale);
        QCOMPARE(regionsEqual(startup, picture, area), bin == fullColourBin);
    }
}

void PicturesTest::notFoundPictureHasItsRedLineAndNoFullColourBin_data() {
    addScaleColumnRows();
}

void PicturesTest::notFoundPictureHasItsRedLineAndNoFullColourBin() {
    QFETCH(int, scale);
    const QImage startup = pixels(std::nullopt, scale);
    const QImage notFound = pixels(PictureId::NotFound, scale);
    for (const QRect& bin : binAreas)
        QVERIFY(!regionsEqual(startup, notFound, scaled(bin, scale)));

    // Red text inside the box, and none of it spilling out of the box.
    const QRect box = scaled(noticeBox, scale);
    const QRect around = box.adjusted(-20 * scale, -12 * scale, 20 * scale, 10 * scale);
    int inside = 0;
    for (int y = around.top(); y <= around.bottom(); ++y) {
        for (int x = around.left(); x <= around.right(); ++x) {
            const QRgb p = notFound.pixel(x, y);
            if (!isNoticeRed(p))
                continue;
            QVERIFY2(box.contains(x, y), qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            ++inside;
        }
    }
    // Twelve characters leave far more than this many strongly red pixels.
    QVERIFY2(inside > 150 * scale * scale, qPrintable(QString::number(inside)));
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            QVERIFY(!isNoticeRed(startup.pixel(x, y)));
}

void PicturesTest::picturesDifferOnlyInTheBinsAndTheTextLine_data() {
    addScaleColumnRows();
}

void PicturesTest::picturesDifferOnlyInTheBinsAndTheTextLine() {
    QFETCH(int, scale);
    // Paint over the places allowed to differ, then compare what is left whole.
    const auto withoutBinsAndTextLine = [scale](QImage image) {
        QPainter painter(&image);
        for (const QRect& bin : binAreas)
            painter.fillRect(scaled(bin, scale), Qt::black);
        painter.fillRect(scaled(noticeBox, scale), Qt::black);
        return image;
    };
    const QImage reference = withoutBinsAndTextLine(pixels(std::nullopt, scale));
    for (const PictureId id : vekkiro::allPictureIds)
        QVERIFY2(withoutBinsAndTextLine(pixels(id, scale)) == reference,
                 qPrintable(QString::number(int(id))));
}

void PicturesTest::everyPictureIsTheSceneAsRendered_data() {
    QTest::addColumn<std::optional<PictureId>>("id");
    QTest::addColumn<int>("scale");
    std::vector<std::optional<PictureId>> all = {std::nullopt};
    all.insert(all.end(), vekkiro::allPictureIds.begin(), vekkiro::allPictureIds.end());
    for (const int scale : {1, 2})
        for (const auto& id : all)
            QTest::addRow("%s@%dx", id ? qPrintable(QString::number(int(*id))) : "startup", scale)
                << id << scale;
}

// The pictures are stored in pieces and put together by the loader; what comes out must be the
// scene exactly as the build rendered it whole.
void PicturesTest::everyPictureIsTheSceneAsRendered() {
    QFETCH(std::optional<PictureId>, id);
    QFETCH(int, scale);
    const QString path = QStringLiteral("%1/%2%3.png")
                             .arg(QStringLiteral(VEKKIRO_REFERENCE_PICTURES),
                                  id ? QString::number(int(*id)) : QStringLiteral("startup"),
                                  scale == 2 ? QStringLiteral("@2x") : QString());
    const QImage rendered = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!rendered.isNull(), qPrintable(path));
    const QImage loaded = pixels(id, scale);
    QCOMPARE(loaded.size(), rendered.size());
    for (int y = 0; y < loaded.height(); ++y)
        for (int x = 0; x < loaded.width(); ++x)
            if (loaded.pixel(x, y) != rendered.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is #%3, rendered #%4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(loaded.pixel(x, y) & 0xffffff, 6, 16)
                                     .arg(rendered.pixel(x, y) & 0xffffff, 6, 16)));
}

void PicturesTest::anUnknownIdentifierGivesNoPictureAndAWarning() {
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no picture.*106")));
    QVERIFY(answerPicture(static_cast<PictureId>(106), 1.0).isNull());
}

void PicturesTest::iconComesInEverySizeOnATransparentBackground() {
    const QIcon icon = vekkiro::applicationIcon();
    QVERIFY(!icon.isNull());
    for (const int size : {16, 24, 32, 48, 64, 128, 200, 256}) {
        QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                 qPrintable(QString::number(size)));
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size - 1, 0)), 0);
        // Something is drawn in the middle.
        QVERIFY(qAlpha(image.pixel(size / 2, size / 2)) > 0);
    }
}

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
