#pragma once

#include <vekkiro/bins.h>

#include <QString>
#include <QStringView>

#include <string_view>

// Between the core's texts (UTF-16 views, UTF-8 labels) and Qt's, in one place: where whatever
// is built on Qt (the pictures, the windows, the artwork renderer) meets the core.
namespace vekkiro {

[[nodiscard]] inline QString toQString(std::u16string_view text) {
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

[[nodiscard]] inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

/// The text's UTF-16 units, valid as long as the text is not changed or destroyed.
[[nodiscard]] inline std::u16string_view toU16View(QStringView text) {
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

/// The bin's label as the artwork writes it.
[[nodiscard]] inline QString binLabelText(Category category) {
    return toQString(binOf(category).label);
}

} // namespace vekkiro
