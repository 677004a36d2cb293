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

QFont heitiFont(int pointSize) {
    return fontWithFamilies(
        {QStringLiteral("黑体"), QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC"),
         QStringLiteral("Source Han Sans SC"), QStringLiteral("WenQuanYi Zen Hei"),
         QStringLiteral("WenQuanYi Micro Hei")},
        pointSize);
}

QFont songtiFont(int pointSize) {
    return fontWithFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                             QStringLiteral("Noto Serif CJK SC"),
                             QStringLiteral("Source Han Serif SC"),
                             QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB")},
                            pointSize);
}

} // namespace vekkiro
