#include <vekkiro/dictionary.h>

#include <algorithm>

namespace vekkiro {

std::vector<std::u16string> otherNamesOf(std::u16string_view name) {
    std::vector<std::u16string> names;
    const auto add = [&names](std::u16string other) {
        if (std::find(names.begin(), names.end(), other) == names.end())
            names.push_back(std::move(other));
    };
    for (const OtherWord& other : otherWords()) {
        const std::u16string_view meaning = other.meaning;
        if (name == meaning)
            add(std::u16string(other.word));
        else if (name.starts_with(meaning))
            add(std::u16string(other.word) + std::u16string(name.substr(meaning.size())));
        else if (name.ends_with(meaning))
            add(std::u16string(name.substr(0, name.size() - meaning.size())) +
                std::u16string(other.word));
    }
    return names;
}

} // namespace vekkiro
