// The interpretation catalogue: one row per day sign, one per day number, in row order.
#pragma once

#include "engine/CatalogueSpanish.h"
#include "engine/FamousPersonalities.h"
#include "engine/SignDescriptions.h"
#include "engine/ToneDescriptions.h"
#include "engine/modMayanNumerology.h"

#include <array>

namespace kinwise::modMayanNumerology {

// Row order starts with the Monkey: the traditional sequence begun at its eleventh sign.
// clang-format off
inline constexpr std::array<DaySignEntry, DaySignCount> DaySigns{{
    {"BATZ - (CHUEN)", "Monkey", SignDescriptions[0], "Witty and demonstrative", "Aventurine",
     "Manifestation", FamousPersonalities[0]},
    {"E - (EB)", "Road", SignDescriptions[1], "Careful and useful", "Malachite", "Resolution",
     FamousPersonalities[1]},
    {"AJ - (BEN)", "Reed", SignDescriptions[2], "Crusading and wise", "Turquoise ",
     "Understanding", FamousPersonalities[2]},
    {"ISH - (IX)", "Jaguar", SignDescriptions[3], "Introvert and intelligent", "Moonstone",
     "Ascension", FamousPersonalities[3]},
    {"TZIKIN - (MEN)", "Eagle", SignDescriptions[4], "Free and independent", "Unakite ", "Unity",
     FamousPersonalities[4]},
    {"AJMAK - (CIB)", "Wisdom", SignDescriptions[5], "Knowledgeable and authoritative",
     "Smokey Quartz", "Duality", FamousPersonalities[5]},
    {"NOJ - (CABAN)", "Earth", SignDescriptions[6], "Practical and intellectual", "Agate",
     "Action", FamousPersonalities[6]},
    {"TIJASH - (ETZNAB)", "Flint", SignDescriptions[7], "Romantic and self sufficient",
     "Rhodonite", "Stability", FamousPersonalities[7]},
    {"KAWOK - (CAUAC)", "Storm", SignDescriptions[8], "Healing and helpful", "Jade",
     "Empowerment", FamousPersonalities[8]},
    {"AJPU - (AHUA)", "Sun", SignDescriptions[9], "Affectionate and creative", "Rose Quartz",
     "Flow", FamousPersonalities[9]},
    {"IMOSH - (IMIX)", "Crocodile", SignDescriptions[10], "Protective and dominating",
     "Red Jasper", "Unity", FamousPersonalities[10]},
    {"IK - (IK)", "Wind", SignDescriptions[11], "Clever, lively, and multifaceted", "Sodalite",
     "Justice", FamousPersonalities[11]},
    {"AKABAL - (AKBAL)", "Night", SignDescriptions[12], "Conservative and thoughtful",
     "Snowflake Obsidian", "Patience", FamousPersonalities[12]},
    {"KAT - (KAN)", "Seed", SignDescriptions[13], "Sexual, dynamic and energetic", "Dumortierite",
     "Manifestation", FamousPersonalities[13]},
    {"KAN - (CHICCHAN)", "Serpent", SignDescriptions[14], "Forceful, powerful and charismatic",
     "Amethyst", "Resolution", FamousPersonalities[14]},
    {"KAME - (CIMI)", "Transformer", SignDescriptions[15], "Helpful and sacrificing", "Carnelian",
     "Understanding", FamousPersonalities[15]},
    {"KIEJ - (MANIK)", "Deer", SignDescriptions[16], "Nomadic and cooperative", "Amazonite",
     "Ascension", FamousPersonalities[16]},
    {"KANIL - (LAMAT)", "Star", SignDescriptions[17], "Witty and jolly", "Hematite", "Unity",
     FamousPersonalities[17]},
    {"TOJ - (MULUK)", "Offering", SignDescriptions[18], "Emotional and imaginative",
     "Lapis Lazuli", "Duality", FamousPersonalities[18]},
    {"TZI - (OC)", "Dog", SignDescriptions[19], "Helpful and loyal", "Bloodstone", "Patience",
     FamousPersonalities[19]},
}};

inline constexpr std::array<std::string_view, DayNumberCount> ToneNames{
    "Magnetic", "Lunar",    "Electric", "Self-Existing", "Overtone", "Rhythmic", "Resonant",
    "Galactic", "Solar",    "Planetary", "Spectral",     "Crystal",  "Cosmic"};
// clang-format on

using ToneTexts = std::array<std::string_view, DayNumberCount>;

constexpr std::array<DayNumberEntry, DayNumberCount> MakeDayNumbers(const ToneTexts& descriptions,
                                                                    const ToneTexts& names)
{
    std::array<DayNumberEntry, DayNumberCount> rows{};
    for (int row = 0; row < DayNumberCount; ++row) {
        rows[row] = {descriptions[row], names[row]};
    }
    return rows;
}

inline constexpr auto DayNumbers = MakeDayNumbers(ToneDescriptions, ToneNames);
inline constexpr auto DayNumbersEs = MakeDayNumbers(ToneDescriptionsEs, ToneNamesEs);

// The Spanish rows keep the English rows' Mayan names and famous people.
constexpr std::array<DaySignEntry, DaySignCount> MakeSpanishDaySigns()
{
    std::array<DaySignEntry, DaySignCount> rows{};
    for (int row = 0; row < DaySignCount; ++row) {
        const DaySignEntry& english = DaySigns[row];
        const SpanishSignWords& words = SignWordsEs[row];
        rows[row] = {
            english.DaySignName, words.Name,         SignDescriptionsEs[row],    words.Keywords,
            words.Gemstone,      words.Significance, english.FamousPersonalities};
    }
    return rows;
}

inline constexpr auto DaySignsEs = MakeSpanishDaySigns();

} // namespace kinwise::modMayanNumerology
