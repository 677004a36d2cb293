#pragma once

// What the suggestions' tests share: the list's length, and catalogue names readable in a
// failure message.

#include <vekkiro/item_catalogue.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vekkiro::testing {

inline constexpr std::size_t listRows = 8;

inline std::string utf8(std::u16string_view text) {
    std::string out;
    for (const char16_t unit : text) {
        const auto c = static_cast<unsigned>(unit);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The offered names, readable in a failure message.
inline std::vector<std::string> namesOf(const std::vector<int>& positions) {
    std::vector<std::string> names;
    for (const int position : positions)
        names.push_back(utf8(vekkiro::ItemCatalogue::entry(position)));
    return names;
}

} // namespace vekkiro::testing
