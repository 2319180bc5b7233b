#include "engine/modMayanNumerology.h"

#include <QDate>
#include <QTest>

#include <array>
#include <string_view>

using kinwise::Reading;
namespace engine = kinwise::modMayanNumerology;

namespace {

struct FamousPerson
{
    int row;
    const char* name;
    int year;
    int month;
    int day;
};

// Both people of a row, in the order the catalogue lists them.
constexpr std::array<FamousPerson, 40> People{{
    {1, "Neil Armstrong", 1930, 8, 5},      {1, "Grace Hopper", 1906, 12, 9},
    {2, "Ayrton Senna", 1960, 3, 21},       {2, "Stevie Wonder", 1950, 5, 13},
    {3, "Audrey Hepburn", 1929, 5, 4},      {3, "Nadia Comaneci", 1961, 11, 12},
    {4, "Alan Turing", 1912, 6, 23},        {4, "Muhammad Ali", 1942, 1, 17},
    {5, "Michael Jordan", 1963, 2, 17},     {5, "Gene Kelly", 1912, 8, 23},
    {6, "Albert Camus", 1913, 11, 7},       {6, "Ingrid Bergman", 1915, 8, 29},
    {7, "Edmund Hillary", 1919, 7, 20},     {7, "Hayao Miyazaki", 1941, 1, 5},
    {8, "Maya Angelou", 1928, 4, 4},        {8, "Johan Cruyff", 1947, 4, 25},
    {9, "Desmond Tutu", 1931, 10, 7},       {9, "Leonard Cohen", 1934, 9, 21},
    {10, "Frida Kahlo", 1907, 7, 6},        {10, "Jesse Owens", 1913, 9, 12},
    {11, "David Attenborough", 1926, 5, 8}, {11, "Usain Bolt", 1986, 8, 21},
    {12, "Richard Feynman", 1918, 5, 11},   {12, "Roger Federer", 1981, 8, 8},
    {13, "Yuri Gagarin", 1934, 3, 9},       {13, "Wayne Gretzky", 1961, 1, 26},
    {14, "Tim Berners-Lee", 1955, 6, 8},    {14, "Michael Phelps", 1985, 6, 30},
    {15, "Stephen Hawking", 1942, 1, 8},    {15, "Luciano Pavarotti", 1935, 10, 12},
    {16, "Freddie Mercury", 1946, 9, 5},    {16, "Robin Williams", 1951, 7, 21},
    {17, "Mother Teresa", 1910, 8, 26},     {17, "Meryl Streep", 1949, 6, 22},
    {18, "Jane Goodall", 1934, 4, 3},       {18, "Carl Sagan", 1934, 11, 9},
    {19, "Salvador Dali", 1904, 5, 11},     {19, "Zinedine Zidane", 1972, 6, 23},
    {20, "Nelson Mandela", 1918, 7, 18},    {20, "Bob Marley", 1945, 2, 6},
}};

constexpr std::array<const char*, 12> MonthNames{"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

std::int16_t SignRow(int row)
{
    return static_cast<std::int16_t>(row);
}

} // namespace

class TestFamous : public QObject
{
    Q_OBJECT

private slots:
    void bornUnderTheirSign_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDate>("birthDate");
        QTest::addColumn<int>("row");
        for (const FamousPerson& person : People) {
            QTest::newRow(person.name)
                << QString::fromUtf8(person.name) << QDate(person.year, person.month, person.day)
                << person.row;
        }
    }

    void bornUnderTheirSign()
    {
        QFETCH(QString, name);
        QFETCH(QDate, birthDate);
        QFETCH(int, row);

        QVERIFY(birthDate.isValid());
        QVERIFY(birthDate >= QDate(engine::FirstYear, 1, 1));
        QVERIFY(birthDate <= QDate(engine::LastYear, 12, 31));

        Reading reading;
        reading.BirthDay = static_cast<std::int16_t>(birthDate.day());
        reading.BirthMonth = MonthNames[birthDate.month() - 1];
        reading.BirthYear = static_cast<std::int16_t>(birthDate.year());
        engine::ComputeReading(reading);

        QCOMPARE(QString::fromStdString(reading.DaySignName),
                 QString::fromUtf8(engine::DaySignRow(SignRow(row)).DaySignName));
        QVERIFY(QString::fromStdString(reading.FamousPersonalities).contains(name));
    }

    void catalogueListsTheTablesPeople_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("names");
        for (int row = 1; row <= engine::DaySignCount; ++row) {
            QStringList names;
            for (const FamousPerson& person : People) {
                if (person.row == row) {
                    names << QString::fromUtf8(person.name);
                }
            }
            QTest::addRow("row %d", row) << row << names;
        }
    }

    void catalogueListsTheTablesPeople()
    {
        QFETCH(int, row);
        QFETCH(QStringList, names);

        QCOMPARE(names.size(), 2);
        const std::string_view text = engine::DaySignRow(SignRow(row)).FamousPersonalities;
        QCOMPARE(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                 names.join(QStringLiteral(", ")));
    }
};

QTEST_GUILESS_MAIN(TestFamous)
#include "tst_famous.moc"
