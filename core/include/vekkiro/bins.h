#pragma once

#include <vekkiro/classification.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vekkiro {

/// Everything the program says of a bin, wherever it is said: the program's windows, the page of
/// all items and the artwork.
struct Bin {
    Category category;
    /// Its name as the artwork writes it, UTF-8.
    std::string_view label;
    /// A name for it in ASCII, lower case: the page's section of its items.
    std::string_view identifier;
    /// The group that draws it in the artwork's scene.
    std::string_view artworkGroup;
    /// The colour of its body in the artwork, 0xRRGGBB.
    std::uint32_t colour;
    /// Its colour for text on white: the bin's own, or darkened from it, so that it reads at a
    /// contrast of at least 4.5:1 (WCAG AA for text of normal size), 0xRRGGBB.
    std::uint32_t textColour;
    /// How to put things out in it, in a line or two, UTF-8: what Chinese cities ask of
    /// households for this category (GB/T 19095-2019's names), in the program's own words.
    std::string_view howToPutOut;
};

/// The four bins, in the order of Category, which is the order they stand in in the artwork.
inline constexpr std::array<Bin, 4> bins = {
    Bin{Category::Recyclable, "可回收物", "recyclable", "bin-recyclable", 0x1f6fd1, 0x1f6fd1,
        "保持清洁干燥，不要弄脏。纸张压平叠好；瓶子、罐子和盒子倒空后压扁；玻璃轻放，碎玻璃的"
        "锋利边缘用纸包好。"},
    Bin{Category::KitchenWaste, "厨余垃圾", "kitchen", "bin-kitchen", 0x2f9e44, 0x2b803d,
        "先沥干水分；从袋子和包装里倒出来再投放，袋子和包装按各自的类别另投。"},
    Bin{Category::OtherWaste, "其他垃圾", "other", "bin-other", 0xf2b705, 0x946a00,
        "先沥干水分；分不清属于哪一类的，投放到这里。"},
    Bin{Category::HazardousWaste, "有害垃圾", "hazardous", "bin-hazardous", 0xd93025, 0xd93025,
        "轻拿轻放。灯管和药品连同包装一起投放；喷雾罐先用完里面的东西再投放。"},
};

[[nodiscard]] constexpr const Bin& binOf(Category category) noexcept {
    return bins[static_cast<std::size_t>(category)];
}

static_assert(
    [] {
        for (std::size_t i = 0; i < bins.size(); ++i)
            if (static_cast<std::size_t>(bins[i].category) != i)
                return false;
        return true;
    }(),
    "the bins stand in the order of Category");

} // namespace vekkiro
