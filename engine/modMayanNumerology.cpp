#include "engine/modMayanNumerology.h"

#include "engine/CalendarTables.h"
#include "engine/CatalogueChecks.h"

#include <cassert>

namespace kinwise::modMayanNumerology {

namespace {

std::optional<int> FindMonth(std::string_view monthName)
{
    for (int month = 0; month < MonthCount; ++month) {
        if (MonthNames[month] == monthName) {
            return month;
        }
    }
    return std::nullopt;
}

bool IsJanuaryOrFebruary(int month)
{
    return month < FirstCountedMonth;
}

bool MonthHasDay(int month, std::int16_t day)
{
    return day >= 1 && day <= MonthLength[month];
}

// January and February belong to the counted year that began on 1 March of the year before. A day
// that its month lacks adds nothing and so stays on 1 March of the birth year itself.
std::int16_t StartOfCountedYear(std::int16_t year, std::optional<int> month, std::int16_t day)
{
    const int slot = year - FirstYear;
    if (month && IsJanuaryOrFebruary(*month) && MonthHasDay(*month, day)) {
        return slot == 0 ? YearBaseBeforeFirstYear : YearBase[slot - 1];
    }
    return YearBase[slot];
}

const std::array<DaySignEntry, DaySignCount>& DaySignsIn(Language language)
{
    return language == Language::Spanish ? DaySignsEs : DaySigns;
}

const std::array<DayNumberEntry, DayNumberCount>& DayNumbersIn(Language language)
{
    return language == Language::Spanish ? DayNumbersEs : DayNumbers;
}

} // namespace

void ComputeReading(Reading& reading, Language language)
{
    if (reading.BirthYear < FirstYear || reading.BirthYear > LastYear) {
        return;
    }
    const std::optional<int> month = FindMonth(reading.BirthMonth);
    int cycleDay = StartOfCountedYear(reading.BirthYear, month, reading.BirthDay);
    if (month && reading.BirthDay >= 1 && reading.BirthDay <= MonthSlots - 1) {
        cycleDay += MonthOffset[*month][reading.BirthDay - 1];
    }
    if (cycleDay > CycleLength) {
        cycleDay -= CycleLength;
    }
    const int position = cycleDay - 1;
    reading.DayNumber = ToneTable[position];
    reading.DaySignName = SignNameTable[position];
    SelectReadingTexts(reading, language);
}

void SelectReadingTexts(Reading& reading, Language language)
{
    if (reading.DayNumber >= 1 && reading.DayNumber <= DayNumberCount) {
        reading.NumberDescription = DayNumberRow(reading.DayNumber, language).NumberDescription;
    }
    const std::optional<std::int16_t> daySign = FindDaySign(reading.DaySignName);
    if (!daySign) {
        return;
    }
    const DaySignEntry& row = DaySignRow(*daySign, language);
    reading.EnglishName = row.EnglishName;
    reading.SignDescription = row.SignDescription;
    reading.Keywords = row.Keywords;
    reading.Gemstone = row.Gemstone;
    reading.Significance = row.Significance;
    reading.FamousPersonalities = row.FamousPersonalities;
}

std::optional<std::int16_t> FindDaySign(std::string_view daySignName)
{
    for (std::int16_t row = 1; row <= DaySignCount; ++row) {
        if (DaySigns[row - 1].DaySignName == daySignName) {
            return row;
        }
    }
    return std::nullopt;
}

const DaySignEntry& DaySignRow(std::int16_t daySign, Language language)
{
    assert(daySign >= 1 && daySign <= DaySignCount);
    return DaySignsIn(language)[daySign - 1];
}

const DayNumberEntry& DayNumberRow(std::int16_t dayNumber, Language language)
{
    assert(dayNumber >= 1 && dayNumber <= DayNumberCount);
    return DayNumbersIn(language)[dayNumber - 1];
}

} // namespace kinwise::modMayanNumerology
