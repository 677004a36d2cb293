#pragma once

#include <QString>
#include <QUrl>

namespace vekkiro {

/// Where the page of all classifiable items lives: https://<host>/winpj/qbljfl.html when a
/// publisher host is given, otherwise the copy installed with the program, found relative to
/// the directory of the executable.
[[nodiscard]] QUrl itemPageUrl(const QString& publisherHost, const QString& executableDir);

/// The page's address for this build of the program.
[[nodiscard]] QUrl defaultItemPageUrl();

} // namespace vekkiro
