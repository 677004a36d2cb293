#pragma once

// What the suggestions' tests share: the list's length, catalogue names readable in a failure
// message, and the rows of texts that must offer a name on a given row (the test itself is in
// suggestions_test.cpp; other files add rows).

#include "utf8_text.h"

#include <vekkiro/item_catalogue.h>

#include <cstddef>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vekkiro::testing {

inline constexpr std::size_t listRows = 8;

// The offered names, readable in a failure message.
inline std::vector<std::string> namesOf(const std::vector<int>& positions) {
    std::vector<std::string> names;
    for (const int position : positions)
        names.push_back(utf8(vekkiro::ItemCatalogue::entry(position)));
    return names;
}

// A text a person might type, the name meant, and the row it must stand on.
struct Meant {
    const char* label;
    std::u16string text;
    std::u16string name;
    std::size_t row;
};

inline void PrintTo(const Meant& row, std::ostream* out) {
    *out << row.label;
}

class OffersTheNameMeant : public ::testing::TestWithParam<Meant> {};

} // namespace vekkiro::testing
