#pragma once

// UTF-16 texts, as the program holds them, to and from UTF-8, as failure messages and data
// files write them: for the tests and the programs that measure the suggestions.
#include <string>
#include <string_view>

namespace vekkiro::testing {

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

// Characters beyond the Basic Multilingual Plane become surrogate pairs; a sequence cut short
// at the end is left out.
inline std::u16string fromUtf8(std::string_view text) {
    std::u16string out;
    for (std::size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        const std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        if (at + length > text.size())
            break;
        char32_t code = length == 1   ? c
                        : length == 2 ? c & 0x1F
                        : length == 3 ? c & 0x0F
                                      : c & 0x07;
        for (std::size_t i = 1; i < length; ++i)
            code = (code << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
        at += length;
    }
    return out;
}

} // namespace vekkiro::testing
