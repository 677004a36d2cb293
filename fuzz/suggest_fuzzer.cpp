// Feeds suggestItems arbitrary UTF-16 and checks what must hold for any text: never more names
// than asked for, never the sentinel nor a name twice, the same answer every time, a shorter
// list the start of a longer one, and a text that is a name offering that name first. Half the
// inputs are catalogue names with a small edit; some are turned into letters, as pinyin.
#include "fuzz_input.h"

#include <vekkiro/item_catalogue.h>
#include <vekkiro/suggestions.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

using vekkiro::ItemCatalogue;

void require(bool holds) {
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text = vekkiro::fuzzing::textOf(data, size);
    const std::size_t limit = size > 0 ? (data[0] >> 1) % 16 : 8;
    if (size > 0 && (data[0] & 0x80) != 0)
        for (char16_t& unit : text)
            unit = static_cast<char16_t>(u'a' + unit % 26);

    const std::vector<int> found = vekkiro::suggestItems(text, limit);
    require(found.size() <= limit);
    require(std::set<int>(found.begin(), found.end()).size() == found.size());
    for (const int position : found)
        require(position >= ItemCatalogue::firstPosition &&
                position < ItemCatalogue::sentinelPosition);
    require(vekkiro::suggestItems(text, limit) == found);
    // The same names with what led to them: English words, if any, from the first on, without
    // a gap.
    const std::vector<vekkiro::Suggestion> suggested = vekkiro::suggest(text, limit);
    require(suggested.size() == found.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        require(suggested[i].position == found[i]);
        const auto& english = suggested[i].english;
        const auto firstEmpty = std::find_if(english.begin(), english.end(),
                                             [](std::string_view word) { return word.empty(); });
        require(std::all_of(firstEmpty, english.end(),
                            [](std::string_view word) { return word.empty(); }));
    }

    const std::vector<int> more = vekkiro::suggestItems(text, ItemCatalogue::size);
    require(more.size() >= found.size() && std::equal(found.begin(), found.end(), more.begin()));

    const auto& names = ItemCatalogue::entries();
    const auto named = std::find(names.begin(), names.end() - 1, text);
    if (named != names.end() - 1)
        require(!more.empty() &&
                more.front() == ItemCatalogue::firstPosition + (named - names.begin()));
    return 0;
}
