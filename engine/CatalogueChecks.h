// Fixed openings and lengths of the catalogue's long texts, checked at compile time.
#pragma once

#include "engine/Catalogue.h"
#include "engine/CatalogueSpanish.h"

namespace kinwise::modMayanNumerology {

struct TextShape
{
    std::string_view opening;
    std::size_t length;
};

inline constexpr std::array<TextShape, DaySignCount> SignDescriptionShapes{{
    {"The eleventh sign of Mayan astrology is the Monkey who", 954},
    {"Road also known as the Grass is the twelfth sign", 873},
    {"Reed - the thirteenth sign of Mayan astrology and the", 857},
    {"Jaguar is the fourteenth sign of Mayan astrology and represents", 640},
    {"As the name implies, the fifteenth sign of Mayan zodiac", 617},
    {"Wisdom is the sixteenth sign of Mayan astrology.", 492},
    {"Earth or the earthquake is the seventeenth sign of Mayan", 593},
    {"The eighteenth sign of the Mayan zodiac - the Flint", 692},
    {"The nineteenth sign of the Mayan zodiac - the storm", 563},
    {"This is the twentieth sign of the Mayan astrology.", 704},
    {"According to Mayan Astrology, crocodile is the first day sign.", 826},
    {"Wind is the second day sign as per the Mayan", 746},
    {"The third sign of Mayan astrology, Night is the", 847},
    {"Seed is the fourth sign of Mayan astrology and signifies", 932},
    {"The fifth sign of the Mayan astrology, the Serpent is", 637},
    {"Transformer is the sixth sign of Mayan astrology.", 756},
    {"The seventh sign of Mayan astrology - the deer is", 910},
    {"The eighth sign of the Mayan astrology - the Star", 885},
    {"Offering or Water - the ninth sign of Mayan zodiac", 869},
    {"Dogs are well known for the most loyal and helpful", 839},
}};

inline constexpr std::array<TextShape, DayNumberCount> ToneDescriptionShapes{{
    {"Power and great force are the keywords describing this day", 412},
    {"Balance is the keyword describing this day number of Mayan", 457},
    {"Versatile and communicative are the keywords describing this day number", 461},
    {"Again balance is the keyword for this day number of", 419},
    {"Five is the 'elevation of all creation.'", 448},
    {"Imbalance is the keyword describing this day numbers of Mayan", 400},
    {"'Energy to catalyze' is what describes this day number of", 435},
    {"Male authority is the keyword describing this day number of", 528},
    {"Female authority is the keyword that best describes this day", 391},
    {"The keyword describing this particular day number of Mayan astrology", 360},
    {"Resolution is the keyword that best describes this day number", 215},
    {"Strong and abundant energy is the keyword for birth number", 271},
    {"Realization is the keyword that best describes this birth number", 429},
}};

constexpr bool IsPlainParagraph(std::string_view text)
{
    for (const char c : text) {
        if (c < 0x20 || c > 0x7e) {
            return false;
        }
    }
    return true;
}

template <std::size_t N>
constexpr bool TextsHaveShapes(const std::array<std::string_view, N>& texts,
                               const std::array<TextShape, N>& shapes)
{
    for (std::size_t row = 0; row < N; ++row) {
        if (texts[row].size() != shapes[row].length ||
            !texts[row].starts_with(shapes[row].opening) || !IsPlainParagraph(texts[row])) {
            return false;
        }
    }
    return true;
}

constexpr bool FamousPersonalitiesAreWellFormed()
{
    for (const std::string_view pair : FamousPersonalities) {
        const auto comma = pair.find(", ");
        if (pair.size() < 22 || pair.size() > 35 || comma == std::string_view::npos ||
            pair.find(", ", comma + 1) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

// A translated text is present, has no stray blanks or control characters, and repeats another
// row's text exactly where the English one does.
constexpr bool IsTidyText(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            return false;
        }
    }
    return !text.empty() && !text.starts_with(' ') && !text.ends_with(' ') &&
           text.find("  ") == std::string_view::npos;
}

template <std::size_t N>
constexpr bool TranslatesRowForRow(const std::array<std::string_view, N>& english,
                                   const std::array<std::string_view, N>& translated)
{
    for (std::size_t row = 0; row < N; ++row) {
        if (!IsTidyText(translated[row])) {
            return false;
        }
        for (std::size_t other = 0; other < row; ++other) {
            if ((english[row] == english[other]) != (translated[row] == translated[other])) {
                return false;
            }
        }
    }
    return true;
}

template <typename Row, std::size_t N>
constexpr std::array<std::string_view, N> Column(const std::array<Row, N>& rows,
                                                 std::string_view Row::*field)
{
    std::array<std::string_view, N> column{};
    for (std::size_t row = 0; row < N; ++row) {
        column[row] = rows[row].*field;
    }
    return column;
}

static_assert(TextsHaveShapes(SignDescriptions, SignDescriptionShapes));
static_assert(TextsHaveShapes(ToneDescriptions, ToneDescriptionShapes));
static_assert(FamousPersonalitiesAreWellFormed());
static_assert(TranslatesRowForRow(ToneNames, ToneNamesEs));
static_assert(TranslatesRowForRow(ToneDescriptions, ToneDescriptionsEs));
static_assert(TranslatesRowForRow(SignDescriptions, SignDescriptionsEs));
static_assert(TranslatesRowForRow(Column(DaySigns, &DaySignEntry::EnglishName),
                                  Column(SignWordsEs, &SpanishSignWords::Name)));
static_assert(TranslatesRowForRow(Column(DaySigns, &DaySignEntry::Keywords),
                                  Column(SignWordsEs, &SpanishSignWords::Keywords)));
static_assert(TranslatesRowForRow(Column(DaySigns, &DaySignEntry::Gemstone),
                                  Column(SignWordsEs, &SpanishSignWords::Gemstone)));
static_assert(TranslatesRowForRow(Column(DaySigns, &DaySignEntry::Significance),
                                  Column(SignWordsEs, &SpanishSignWords::Significance)));

} // namespace kinwise::modMayanNumerology
