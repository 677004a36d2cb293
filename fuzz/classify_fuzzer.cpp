// Feeds classifyItem arbitrary UTF-16 and checks what must hold for any text: the answer agrees
// with an independent oracle (a hash map of every catalogue name), and a picture goes with every
// answer but NoChange. Half the inputs are catalogue names with a small edit, so near misses get
// explored.
#include "fuzz_input.h"

#include <vekkiro/classification.h>
#include <vekkiro/item_catalogue.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = vekkiro::fuzzing::textOf(data, size);
    const LookupOutcome outcome = vekkiro::classifyItem(text);
    const auto known = oracle().find(text);
    const LookupOutcome expected =
        known == oracle().end() ? LookupOutcome::NotFound : known->second;
    if (outcome != expected)
        std::abort();
    if ((vekkiro::pictureForOutcome(outcome).has_value()) == (outcome == LookupOutcome::NoChange))
        std::abort();
    return 0;
}
