#pragma once

// Turns a fuzzer's bytes into a text to look up: raw UTF-16, or, for half the inputs, a
// catalogue name with a small edit, so that near misses get explored too.
#include <vekkiro/item_catalogue.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace vekkiro::fuzzing {

// Raw bytes as UTF-16 code units; an odd last byte is dropped.
inline std::u16string unitsOf(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    if (!text.empty())
        std::memcpy(text.data(), data, text.size() * sizeof(char16_t));
    return text;
}

inline std::u16string nearCatalogueName(const std::uint8_t* data, std::size_t size) {
    const int position = 1 + (data[1] | (data[2] << 8)) % ItemCatalogue::size;
    std::u16string text(ItemCatalogue::entry(position));
    const std::u16string extra = unitsOf(data + 4, size - 4);
    switch (data[3] % 5) {
    case 0:
        break; // the name itself
    case 1:
        text += extra;
        break;
    case 2:
        text.insert(0, extra);
        break;
    case 3:
        text.resize(text.size() - std::min(text.size(), std::size_t{data[3] / 5u % 4u}));
        break;
    case 4:
        if (!extra.empty())
            text[data[3] / 5u % text.size()] = extra[0];
        break;
    }
    return text;
}

/// Raw UTF-16 when the first byte is even, else a catalogue name with an edit.
inline std::u16string textOf(const std::uint8_t* data, std::size_t size) {
    return size >= 4 && (data[0] & 1) ? nearCatalogueName(data, size) : unitsOf(data, size);
}

} // namespace vekkiro::fuzzing
