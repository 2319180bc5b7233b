// The 260-day count as lookup tables, generated at compile time from their defining rules.
#pragma once

#include "engine/Catalogue.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace kinwise::modMayanNumerology {

inline constexpr std::int16_t CycleLength = 260;
inline constexpr std::int16_t YearSlots = LastYear - FirstYear + 2;
inline constexpr std::int16_t MonthSlots = 32;

constexpr bool IsGregorianLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// 365 days leave 105 over two cycles, 366 leave 106.
constexpr std::int16_t YearStep(int year)
{
    return static_cast<std::int16_t>(105 + (IsGregorianLeapYear(year) ? 1 : 0));
}

constexpr std::int16_t WrapIntoCycle(int value)
{
    return static_cast<std::int16_t>(value > CycleLength ? value - CycleLength : value);
}

// Slot y - FirstYear: the count of 1 March of year y. The last slot stays 0.
constexpr std::array<std::int16_t, YearSlots> MakeYearBase()
{
    std::array<std::int16_t, YearSlots> table{};
    table[0] = 147;
    for (int year = FirstYear + 1; year <= LastYear; ++year) {
        table[year - FirstYear] = WrapIntoCycle(table[year - FirstYear - 1] + YearStep(year));
    }
    return table;
}

inline constexpr auto YearBase = MakeYearBase();

// The count of 1 March of the year before FirstYear, for January and February of FirstYear.
inline constexpr std::int16_t YearBaseBeforeFirstYear = [] {
    const int value = YearBase[0] - YearStep(FirstYear);
    return static_cast<std::int16_t>(value < 1 ? value + CycleLength : value);
}();

// Days per month, February always with its 29th day.
inline constexpr std::array<int, MonthCount> MonthLength{31, 29, 31, 30, 31, 30,
                                                         31, 31, 30, 31, 30, 31};

// Index into MonthNames of March, where the counted year begins.
inline constexpr int FirstCountedMonth = 2;

// The days of a year that starts on 1 March are numbered from 0; January and February come last.
constexpr int DaysFromFirstOfMarch(int monthIndex)
{
    int days = 0;
    for (int month = FirstCountedMonth; month != monthIndex; month = (month + 1) % MonthCount) {
        days += MonthLength[month];
    }
    return days;
}

using MonthTable = std::array<std::int16_t, MonthSlots>;

constexpr std::array<MonthTable, MonthCount> MakeMonthOffset()
{
    std::array<MonthTable, MonthCount> tables{};
    for (int month = 0; month < MonthCount; ++month) {
        const int first = DaysFromFirstOfMarch(month);
        for (int day = 0; day < MonthLength[month]; ++day) {
            tables[month][day] = WrapIntoCycle(first + day);
        }
    }
    return tables;
}

inline constexpr auto MonthOffset = MakeMonthOffset();

constexpr std::array<std::int16_t, CycleLength + 1> MakeToneTable()
{
    std::array<std::int16_t, CycleLength + 1> table{};
    for (int position = 0; position < CycleLength; ++position) {
        table[position] = static_cast<std::int16_t>((position + 7) % DayNumberCount + 1);
    }
    return table;
}

inline constexpr auto ToneTable = MakeToneTable();

constexpr std::array<std::string_view, CycleLength + 1> MakeSignNameTable()
{
    std::array<std::string_view, CycleLength + 1> table{};
    for (int position = 0; position < CycleLength; ++position) {
        table[position] = DaySigns[position % DaySignCount].DaySignName;
    }
    return table;
}

inline constexpr auto SignNameTable = MakeSignNameTable();

// Reference values that the rules above must reproduce.
static_assert(YearBase[1900 - FirstYear] == 147 && YearBase[1901 - FirstYear] == 252 &&
              YearBase[1902 - FirstYear] == 97 && YearBase[1903 - FirstYear] == 202 &&
              YearBase[1904 - FirstYear] == 48 && YearBase[1905 - FirstYear] == 153 &&
              YearBase[1927 - FirstYear] == 128 && YearBase[1928 - FirstYear] == 234 &&
              YearBase[1929 - FirstYear] == 79 && YearBase[1970 - FirstYear] == 234 &&
              YearBase[1990 - FirstYear] == 259 && YearBase[1999 - FirstYear] == 166 &&
              YearBase[2000 - FirstYear] == 12 && YearBase[2001 - FirstYear] == 117 &&
              YearBase[2012 - FirstYear] == 235 && YearBase[2015 - FirstYear] == 30 &&
              YearBase[2016 - FirstYear] == 136 && YearBase[YearSlots - 1] == 0);
static_assert(YearBaseBeforeFirstYear == 42);

constexpr bool MonthMatches(int month, int firstValue, int lastDay, int lastValue)
{
    const MonthTable& table = MonthOffset[month];
    for (int day = lastDay; day < MonthSlots; ++day) {
        if (table[day] != 0) {
            return false;
        }
    }
    return table[0] == firstValue && table[lastDay - 1] == lastValue;
}

static_assert(MonthMatches(0, 46, 31, 76) && MonthMatches(1, 77, 29, 105) &&
              MonthMatches(2, 0, 31, 30) && MonthMatches(3, 31, 30, 60) &&
              MonthMatches(4, 61, 31, 91) && MonthMatches(5, 92, 30, 121) &&
              MonthMatches(6, 122, 31, 152) && MonthMatches(7, 153, 31, 183) &&
              MonthMatches(8, 184, 30, 213) && MonthMatches(9, 214, 31, 244) &&
              MonthMatches(10, 245, 30, 14) && MonthMatches(11, 15, 31, 45));
static_assert(MonthOffset[10][15] == 260 && MonthOffset[10][16] == 1);

static_assert(ToneTable[0] == 8 && ToneTable[5] == 13 && ToneTable[6] == 1 && ToneTable[259] == 7 &&
              ToneTable[260] == 0);
static_assert(SignNameTable[0] == "BATZ - (CHUEN)" && SignNameTable[1] == "E - (EB)" &&
              SignNameTable[2] == "AJ - (BEN)" && SignNameTable[259] == "TZI - (OC)" &&
              SignNameTable[260].empty());

} // namespace kinwise::modMayanNumerology
