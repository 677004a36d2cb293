#include "itempagelocation.h"

#include <QCoreApplication>
#include <QDir>

namespace vekkiro {

QUrl itemPageUrl(const QString& publisherHost, const QString& executableDir) {
    if (!publisherHost.isEmpty()) {
        QUrl url;
        url.setScheme(QStringLiteral("https"));
        url.setHost(publisherHost);
        url.setPath(QStringLiteral("/winpj/qbljfl.html"));
        return url;
    }
    // The build tree mirrors the installed layout, so this finds the page in both.
    const QString path =
        QDir(executableDir).filePath(QStringLiteral(VEKKIRO_ITEM_PAGE_FROM_BINDIR));
    return QUrl::fromLocalFile(QDir::cleanPath(path));
}

QUrl defaultItemPageUrl() {
    return itemPageUrl(QStringLiteral(VEKKIRO_PUBLISHER_HOST),
                       QCoreApplication::applicationDirPath());
}

} // namespace vekkiro
