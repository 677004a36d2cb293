#pragma once

// Slips of the fingers in Latin letters: a letter missing, one too many (or doubled), two
// swapped, or one hit for a key next to it on a QWERTY keyboard. What the suggestion list
// forgives in pinyin and English, and what the dictionary's writer keeps apart from real words.

#include <array>
#include <cstddef>
#include <string_view>

namespace vekkiro {

/// Texts shorter than this are never read as mistyped: any short string of letters is one slip
/// from something.
inline constexpr std::size_t shortestMistypedText = 4;

namespace detail {

// Each letter's neighbours on a QWERTY keyboard: the keys beside it and those touching it in
// the rows above and below.
inline constexpr std::array<std::string_view, 26> neighbourKeys{
    "qwsz",   "vghn",  "xdfv", "serfcx", "wrsd", "drtgvc", "ftyhbv", "gyujnb", "ujko",
    "huikmn", "jiolm", "kop",  "njk",    "bhjm", "iklp",   "ol",     "wa",     "edft",
    "awedxz", "rfgy",  "yhji", "cfgb",   "qeas", "zsdc",   "tghu",   "asx",
};

constexpr bool restMatches(std::string_view rest, std::string_view restMeant,
                           bool startOnly) noexcept {
    return startOnly ? restMeant.starts_with(rest) : rest == restMeant;
}

} // namespace detail

/// Whether two lower-case letters are keys next to each other on a QWERTY keyboard.
constexpr bool areNeighbourKeys(char a, char b) noexcept {
    return a >= 'a' && a <= 'z' && b >= 'a' && b <= 'z' &&
           detail::neighbourKeys[static_cast<std::size_t>(a - 'a')].find(b) !=
               std::string_view::npos;
}

/// Whether `typed` is `meant` (or, with `startOnly`, the start of it) with one slip of the
/// fingers. A text typed right is not.
constexpr bool isOneSlip(std::string_view typed, std::string_view meant,
                         bool startOnly = false) noexcept {
    using detail::restMatches;
    std::size_t at = 0;
    while (at < typed.size() && at < meant.size() && typed[at] == meant[at])
        ++at;
    if (at == typed.size())
        // All typed right: a slip only if the last letter meant is missing.
        return !startOnly && meant.size() == typed.size() + 1;
    const std::string_view rest = typed.substr(at);
    const std::string_view restMeant = meant.substr(at);
    // One letter too many, or doubled.
    if (restMatches(rest.substr(1), restMeant, startOnly))
        return true;
    if (restMeant.empty())
        return false;
    // One letter missing.
    if (restMatches(rest, restMeant.substr(1), startOnly))
        return true;
    // A key next to the one meant.
    if (areNeighbourKeys(rest[0], restMeant[0]) &&
        restMatches(rest.substr(1), restMeant.substr(1), startOnly))
        return true;
    // Two letters swapped.
    return rest.size() >= 2 && restMeant.size() >= 2 && rest[0] == restMeant[1] &&
           rest[1] == restMeant[0] && restMatches(rest.substr(2), restMeant.substr(2), startOnly);
}

} // namespace vekkiro
