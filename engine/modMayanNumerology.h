// The reading engine: a birth date becomes a day number (galactic tone) and a day sign of the
// 260-day count, with the catalogue texts that belong to them. No user interface, no Qt.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kinwise {

// The one current reading: the request typed by the user, what the engine computes from it and
// the catalogue texts selected for it. Texts are UTF-8.
struct Reading
{
    std::string PersonName;
    std::int16_t BirthDay = 0;
    std::string BirthMonth;
    std::int16_t BirthYear = 0;

    std::int16_t DayNumber = 0;
    std::string DaySignName;

    std::string NumberDescription;
    std::string EnglishName; // the sign's name in the language of the texts
    std::string SignDescription;
    std::string Keywords;
    std::string Gemstone;
    std::string Significance;
    std::string FamousPersonalities;
};

struct DaySignEntry
{
    std::string_view DaySignName;
    std::string_view EnglishName;
    std::string_view SignDescription;
    std::string_view Keywords;
    std::string_view Gemstone;
    std::string_view Significance;
    std::string_view FamousPersonalities;
};

struct DayNumberEntry
{
    std::string_view NumberDescription;
    std::string_view ToneName;
};

namespace modMayanNumerology {

inline constexpr std::int16_t FirstYear = 1900;
inline constexpr std::int16_t LastYear = 2016;
inline constexpr std::int16_t DaySignCount = 20;
inline constexpr std::int16_t DayNumberCount = 13;
inline constexpr std::int16_t MonthCount = 12;

// The month names a request holds, in calendar order.
inline constexpr std::array<std::string_view, MonthCount> MonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The languages of the catalogue's texts. The Mayan names and the famous people stay the same in
// every language, and so does everything a request holds.
enum class Language
{
    English,
    Spanish
};

// Computes DayNumber and DaySignName from BirthDay, BirthMonth and BirthYear, then selects the
// texts. A year outside FirstYear..LastYear leaves the reading as it was.
void ComputeReading(Reading& reading, Language language = Language::English);

// Copies the catalogue texts of the reading's DayNumber and DaySignName into it; a number or
// name that matches no row leaves the corresponding texts as they were.
void SelectReadingTexts(Reading& reading, Language language = Language::English);

// The row (1..20) whose DaySignName equals the text exactly, case and blanks included.
std::optional<std::int16_t> FindDaySign(std::string_view daySignName);

// Catalogue rows; daySign 1..20, dayNumber 1..13. Out-of-range arguments are a programming error.
const DaySignEntry& DaySignRow(std::int16_t daySign, Language language = Language::English);
const DayNumberEntry& DayNumberRow(std::int16_t dayNumber, Language language = Language::English);

} // namespace modMayanNumerology
} // namespace kinwise
