#include "chinesefonts.h"

#include <QStringList>

namespace vekkiro {

namespace {

QFont fontWithFamilies(const QStringList& families, int pointSize) {
    QFont font;
    font.setFamilies(families);
    font.setPointSize(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

// One list per face for every platform: a family that is not installed is skipped, so the
// Windows names come first (under their Chinese and English names, as Windows reports either),
// then what Linux distributions ship. Wine takes its fonts from fontconfig and lands on the
// latter.
QFont heitiFont(int pointSize) {
    return fontWithFamilies(
        {QStringLiteral("黑体"), QStringLiteral("SimHei"), QStringLiteral("Microsoft YaHei"),
         QStringLiteral("DengXian"), QStringLiteral("Noto Sans CJK SC"),
         QStringLiteral("Source Han Sans SC"), QStringLiteral("WenQuanYi Zen Hei"),
         QStringLiteral("WenQuanYi Micro Hei")},
        pointSize);
}

QFont songtiFont(int pointSize) {
    return fontWithFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                             QStringLiteral("NSimSun"), QStringLiteral("Noto Serif CJK SC"),
                             QStringLiteral("Source Han Serif SC"),
                             QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB")},
                            pointSize);
}

} // namespace vekkiro
