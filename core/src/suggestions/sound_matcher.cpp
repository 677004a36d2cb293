#include "sound_matcher.h"

namespace vekkiro::suggestions {

namespace {

std::optional<Match> bySound(const Name& name, const TypedText& text) noexcept {
    if (text.spellable() || text.size() < 2 || text.size() > name.size() ||
        !text.filter().mayShareAny(name.filter()))
        return std::nullopt;
    for (std::size_t at = 0; at + text.size() <= name.size(); ++at) {
        bool anySame = false;
        std::size_t i = 0;
        for (; i < text.size(); ++i) {
            if (name.compared(at + i) == text.compared(i))
                anySame = true;
            else if (!name.pinyin(at + i).sharesReadingWith(text.pinyin(i)))
                break;
        }
        if (i == text.size() && anySame)
            return atPlace(at, text.size(), name.size(), Match::SoundsEqual,
                           Match::SoundsStartsWith, Match::SoundsContains);
    }
    return std::nullopt;
}

} // namespace

bool SoundMatcher::match(const Name& name, int, Found& found) const noexcept {
    return answer(bySound(name, m_text), found);
}

} // namespace vekkiro::suggestions
