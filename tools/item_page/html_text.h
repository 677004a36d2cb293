#pragma once

#include <string>
#include <string_view>

namespace vekkiro {

/// UTF-16 text as UTF-8 for an HTML page, with the five characters that mean something in HTML
/// (& < > " ') escaped. A lone surrogate becomes U+FFFD rather than invalid UTF-8.
[[nodiscard]] std::string escapedHtml(std::u16string_view text);

} // namespace vekkiro
