// Feeds classifyItem arbitrary UTF-16 and checks what must hold for any text: the answer is one
// of the six outcomes, and it agrees with an independent oracle (a hash map of every catalogue
// name). Half the inputs are catalogue names with a small edit, so near misses get explored.
#include <vekkiro/classification.h>
#include <vekkiro/item_catalogue.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>

namespace {

using vekkiro::ItemCatalogue;
using vekkiro::LookupOutcome;

const std::unordered_map<std::u16string, LookupOutcome>& oracle() {
    static const auto map = [] {
        std::unordered_map<std::u16string, LookupOutcome> names;
        for (int p = 1; p <= ItemCatalogue::size; ++p) {
            const auto category = ItemCatalogue::categoryOf(p);
            names.emplace(std::u16string(ItemCatalogue::entry(p)),
                          category ? vekkiro::outcomeFor(*category) : LookupOutcome::NoChange);
        }
        return names;
    }();
    return map;
}

// Raw bytes as UTF-16 code units; an odd last byte is dropped.
std::u16string unitsOf(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    if (!text.empty())
        std::memcpy(text.data(), data, text.size() * sizeof(char16_t));
    return text;
}

std::u16string nearCatalogueName(const std::uint8_t* data, std::size_t size) {
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text =
        size >= 4 && (data[0] & 1) ? nearCatalogueName(data, size) : unitsOf(data, size);
    const LookupOutcome outcome = vekkiro::classifyItem(text);
    if (static_cast<unsigned>(outcome) > static_cast<unsigned>(LookupOutcome::NoChange))
        std::abort();
    const auto known = oracle().find(text);
    const LookupOutcome expected =
        known == oracle().end() ? LookupOutcome::NotFound : known->second;
    if (outcome != expected)
        std::abort();
    if ((vekkiro::pictureForOutcome(outcome).has_value()) == (outcome == LookupOutcome::NoChange))
        std::abort();
    return 0;
}
