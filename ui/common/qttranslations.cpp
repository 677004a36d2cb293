#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vekkiro {

bool installQtTranslations(QCoreApplication& app) {
    return installQtTranslations(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool installQtTranslations(QCoreApplication& app, const QString& directory) {
    auto* translator = new QTranslator(&app);
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    if (!translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"), directory)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace vekkiro
