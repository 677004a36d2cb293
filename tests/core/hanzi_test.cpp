// The tables written at build time from Unicode's Unihan database, held against the Unihan
// lines they came from (Unicode 15.0, as Debian 12's unicode-data ships it).
#include <vekkiro/hanzi.h>
#include <vekkiro/item_catalogue.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> readingsOf(char16_t character) {
    const vekkiro::Pinyin pinyin = vekkiro::pinyinOf(character);
    std::vector<std::string> readings;
    for (std::size_t k = 0; k < pinyin.size(); ++k)
        readings.emplace_back(pinyin[k]);
    return readings;
}

struct Readings {
    const char* label;
    char16_t character;
    std::vector<std::string> readings;
};

void PrintTo(const Readings& row, std::ostream* out) {
    *out << row.label;
}

class PinyinOf : public testing::TestWithParam<Readings> {};

TEST_P(PinyinOf, AgreesWithUnihan) {
    EXPECT_EQ(readingsOf(GetParam().character), GetParam().readings);
}

INSTANTIATE_TEST_SUITE_P(
    UnihanLines, PinyinOf,
    testing::Values(
        // U+7535 kMandarin diàn; kXHC1983 0243.060:diàn
        Readings{"one_reading", u'电', {"dian"}},
        // U+957F kMandarin zhǎng; kXHC1983 0121.040:cháng 1456.020:zhǎng. The common reading
        // first, then the dictionary's order, tones gone.
        Readings{"polyphone", u'长', {"zhang", "chang"}},
        // U+8840 kMandarin xuè; kXHC1983 1276.040:xiě 1311.030:xuè
        Readings{"polyphone_of_the_catalogue", u'血', {"xue", "xie"}},
        // U+7EFF kMandarin lǜ; kXHC1983 0740.100:lù 0743.010:lǜ. ü is typed v.
        Readings{"u_umlaut", u'绿', {"lv", "lu"}},
        // U+9AD8 kMandarin gāo; kXHC1983 0363.030:gāo. Not in a name, but sounds like 膏.
        Readings{"sound_alike_of_a_catalogue_character", u'高', {"gao"}},
        // U+4F5B kMandarin fú; kXHC1983 0332.090:fó 0339.120:fú. Of a character outside the
        // catalogue only the readings that a catalogue character shares are kept: no name
        // has a character read fo.
        Readings{"sound_alike_keeps_shared_readings", u'佛', {"fu"}}, Readings{"letter", u'a', {}},
        Readings{"kana", u'あ', {}}));

struct Simplified {
    const char* label;
    char16_t character;
    char16_t simplified;
};

void PrintTo(const Simplified& row, std::ostream* out) {
    *out << row.label;
}

class SimplifiedForm : public testing::TestWithParam<Simplified> {};

TEST_P(SimplifiedForm, AgreesWithUnihan) {
    EXPECT_EQ(vekkiro::simplifiedForm(GetParam().character), GetParam().simplified);
}

INSTANTIATE_TEST_SUITE_P(
    UnihanLines, SimplifiedForm,
    testing::Values(Simplified{"traditional", u'舊', u'旧'},   // U+820A kSimplifiedVariant U+65E7
                    Simplified{"traditional_2", u'電', u'电'}, // U+96FB kSimplifiedVariant U+7535
                    // U+4E7E kSimplifiedVariant U+4E7E U+5E72: 乾 is its own simplified form too.
                    Simplified{"also_simplified", u'乾', u'乾'},
                    Simplified{"already_simplified", u'电', u'电'},
                    // U+9EBC kSimplifiedVariant U+4E48: 么 is in no name, so it stays.
                    Simplified{"simplified_form_in_no_name", u'麼', u'麼'},
                    Simplified{"letter", u'A', u'A'}));

TEST(HanziTables, EveryCharacterOfTheCatalogueHasAReading) {
    for (const std::u16string_view name : vekkiro::ItemCatalogue::entries())
        for (const char16_t unit : name) {
            if (unit < 0x80)
                continue;
            EXPECT_FALSE(vekkiro::pinyinOf(unit).empty()) << "U+" << std::hex << int(unit);
        }
}

} // namespace
