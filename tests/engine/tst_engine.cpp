#include "engine/modMayanNumerology.h"

#include <QDate>
#include <QTest>

#include <set>

using kinwise::Reading;
namespace engine = kinwise::modMayanNumerology;

namespace {

// Julian Day Number 584283 is 4 Ahau, which sits at position 9 of the engine's count.
constexpr qint64 CorrelationJdn = 584283;
constexpr int CorrelationPosition = 9;

int TrueTzolkinPosition(const QDate& date)
{
    const qint64 offset = (date.toJulianDay() - CorrelationJdn + CorrelationPosition) % 260;
    return static_cast<int>(offset < 0 ? offset + 260 : offset);
}

Reading ReadingFor(int day, std::string_view month, int year,
                   engine::Language language = engine::Language::English)
{
    Reading reading;
    reading.BirthDay = static_cast<std::int16_t>(day);
    reading.BirthMonth = month;
    reading.BirthYear = static_cast<std::int16_t>(year);
    engine::ComputeReading(reading, language);
    return reading;
}

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    void everyDateFollowsTheTrueCount()
    {
        const QStringList months{"January",   "February", "March",    "April",
                                 "May",       "June",     "July",     "August",
                                 "September", "October",  "November", "December"};
        int checked = 0;
        for (QDate date(1900, 1, 1); date <= QDate(2016, 12, 31); date = date.addDays(1)) {
            const QByteArray month = months[date.month() - 1].toLatin1();
            const Reading reading = ReadingFor(date.day(), month.constData(), date.year());
            const int position = TrueTzolkinPosition(date);
            const int sign = position % 20 + 1;
            if (reading.DayNumber != (position + 7) % 13 + 1 ||
                reading.DaySignName !=
                    engine::DaySignRow(static_cast<std::int16_t>(sign)).DaySignName) {
                QFAIL(qPrintable(QStringLiteral("%1 gives %2 %3, expected position %4")
                                     .arg(date.toString(Qt::ISODate))
                                     .arg(reading.DayNumber)
                                     .arg(QString::fromStdString(reading.DaySignName))
                                     .arg(position)));
            }
            ++checked;
        }
        QCOMPARE(checked, 42734);
    }

    void workedExamples_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("dayNumber");
        QTest::addColumn<QString>("sign");

        QTest::newRow("first list year") << 1 << "March" << 1900 << 11 << "NOJ - (CABAN)";
        QTest::newRow("1 March 1970") << 1 << "March" << 1970 << 7 << "KAT - (KAN)";
        QTest::newRow("15 July 1975") << 15 << "July" << 1975 << 6 << "KAME - (CIMI)";
        QTest::newRow("25 December 1980") << 25 << "December" << 1980 << 7 << "AJMAK - (CIB)";
        QTest::newRow("1 March 1990") << 1 << "March" << 1990 << 6 << "TOJ - (MULUK)";
        QTest::newRow("16 November is 1 March") << 16 << "November" << 1990 << 6 << "TOJ - (MULUK)";
        QTest::newRow("260 is not reduced") << 17 << "November" << 1990 << 7 << "TZI - (OC)";
        QTest::newRow("1 March 2016") << 1 << "March" << 2016 << 13 << "KAME - (CIMI)";
        QTest::newRow("reduced once") << 31 << "October" << 2016 << 10 << "TZI - (OC)";
        QTest::newRow("below 261 kept") << 30 << "November" << 2016 << 1 << "AJPU - (AHUA)";
        QTest::newRow("last list day") << 31 << "December" << 2016 << 6 << "BATZ - (CHUEN)";
        QTest::newRow("1 January 1900 uses 42")
            << 1 << "January" << 1900 << 4 << "TIJASH - (ETZNAB)";
        QTest::newRow("28 February 1900") << 28 << "February" << 1900 << 10 << "AJMAK - (CIB)";
        QTest::newRow("12 January 1950") << 12 << "January" << 1950 << 12 << "BATZ - (CHUEN)";
        QTest::newRow("31 December to 1 January") << 1 << "January" << 1976 << 7 << "AJMAK - (CIB)";
    }

    void workedExamples()
    {
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(int, dayNumber);
        QFETCH(QString, sign);

        const Reading reading = ReadingFor(day, month.toLatin1().constData(), year);
        QCOMPARE(reading.DayNumber, dayNumber);
        QCOMPARE(QString::fromStdString(reading.DaySignName), sign);
    }

    void readingCarriesTheCatalogueTexts()
    {
        const Reading reading = ReadingFor(15, "July", 1975);
        QCOMPARE(reading.EnglishName, "Transformer");
        QCOMPARE(reading.Gemstone, "Carnelian");
        QCOMPARE(reading.Keywords, "Helpful and sacrificing");
        QCOMPARE(reading.Significance, "Understanding");
        QVERIFY(reading.SignDescription.starts_with("Transformer is the sixth sign"));
        QVERIFY(reading.NumberDescription.starts_with("Imbalance is the keyword"));
        QCOMPARE(reading.FamousPersonalities, engine::DaySignRow(16).FamousPersonalities);

        // Texts are carried as the catalogue writes them, trailing blank included.
        QCOMPARE(ReadingFor(2, "July", 1975).Gemstone, "Turquoise ");
    }

    // Over one whole count: the same number, Mayan names and famous people as in English, with the
    // texts of the Spanish rows of that number and sign.
    void spanishReadingTakesTheSpanishRows()
    {
        const auto spanish = engine::Language::Spanish;
        QCOMPARE(ReadingFor(15, "July", 1975, spanish).EnglishName, "Transformador");
        for (QDate date(1950, 1, 1); date < QDate(1950, 9, 18); date = date.addDays(1)) {
            const std::string_view month = engine::MonthNames[date.month() - 1];
            const Reading english = ReadingFor(date.day(), month, date.year());
            const Reading reading = ReadingFor(date.day(), month, date.year(), spanish);
            QCOMPARE(reading.DayNumber, english.DayNumber);
            QCOMPARE(reading.DaySignName, english.DaySignName);
            QCOMPARE(reading.FamousPersonalities, english.FamousPersonalities);
            const kinwise::DaySignEntry& row =
                engine::DaySignRow(*engine::FindDaySign(reading.DaySignName), spanish);
            QCOMPARE(reading.EnglishName, row.EnglishName);
            QCOMPARE(reading.SignDescription, row.SignDescription);
            QCOMPARE(reading.Keywords, row.Keywords);
            QCOMPARE(reading.Gemstone, row.Gemstone);
            QCOMPARE(reading.Significance, row.Significance);
            QCOMPARE(reading.NumberDescription,
                     engine::DayNumberRow(reading.DayNumber, spanish).NumberDescription);
            QVERIFY(reading.SignDescription != english.SignDescription);
            QVERIFY(reading.NumberDescription != english.NumberDescription);
        }
    }

    // Computing a reading again, with its own year or one outside the tables, changes nothing.
    void computingAgainLeavesTheReading_data()
    {
        QTest::addColumn<int>("year");
        QTest::newRow("same year") << 1975;
        QTest::newRow("before") << 1899;
        QTest::newRow("after") << 2017;
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -32768;
        QTest::newRow("largest") << 32767;
    }

    void computingAgainLeavesTheReading()
    {
        QFETCH(int, year);
        Reading reading = ReadingFor(15, "July", 1975);
        const Reading before = reading;
        reading.BirthYear = static_cast<std::int16_t>(year);
        engine::ComputeReading(reading);
        QCOMPARE(reading.DayNumber, before.DayNumber);
        QCOMPARE(reading.DaySignName, before.DaySignName);
        QCOMPARE(reading.NumberDescription, before.NumberDescription);
        QCOMPARE(reading.SignDescription, before.SignDescription);
    }

    void unknownMonthOrDayAddsNoOffset_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::newRow("lower-case month") << 15 << "july";
        QTest::newRow("empty month") << 15 << "";
        QTest::newRow("day 0") << 0 << "July";
        QTest::newRow("day 32") << 32 << "July";
        QTest::newRow("negative day") << -5 << "July";
        QTest::newRow("31 April") << 31 << "April";
        QTest::newRow("30 February") << 30 << "February";
        QTest::newRow("31 February") << 31 << "February";
    }

    void unknownMonthOrDayAddsNoOffset()
    {
        QFETCH(int, day);
        QFETCH(QString, month);
        const Reading reading = ReadingFor(day, month.toLatin1().constData(), 1990);
        const Reading firstOfMarch = ReadingFor(1, "March", 1990);
        QCOMPARE(reading.DayNumber, firstOfMarch.DayNumber);
        QCOMPARE(reading.DaySignName, firstOfMarch.DaySignName);
    }

    void findDaySignIsExact_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("row");
        QTest::newRow("first") << "BATZ - (CHUEN)" << 1;
        QTest::newRow("crocodile") << "IMOSH - (IMIX)" << 11;
        QTest::newRow("seed") << "KAT - (KAN)" << 14;
        QTest::newRow("serpent") << "KAN - (CHICCHAN)" << 15;
        QTest::newRow("last") << "TZI - (OC)" << 20;
        QTest::newRow("small letters") << "batz - (chuen)" << 0;
        QTest::newRow("leading blank") << " BATZ - (CHUEN)" << 0;
        QTest::newRow("trailing blank") << "BATZ - (CHUEN) " << 0;
        QTest::newRow("prefix only") << "KAT" << 0;
        QTest::newRow("contains a name") << "KAT - (KAN) and more" << 0;
        QTest::newRow("empty") << "" << 0;
    }

    void findDaySignIsExact()
    {
        QFETCH(QString, name);
        QFETCH(int, row);
        const std::optional<std::int16_t> found = engine::FindDaySign(name.toStdString());
        QCOMPARE(found.value_or(0), row);
    }

    void unmatchedSignKeepsThePreviousTexts()
    {
        Reading reading = ReadingFor(1, "March", 1900);
        reading.DaySignName = "NO SUCH SIGN";
        reading.DayNumber = 13;
        const Reading before = reading;
        engine::SelectReadingTexts(reading);
        QCOMPARE(reading.EnglishName, before.EnglishName);
        QCOMPARE(reading.SignDescription, before.SignDescription);
        QCOMPARE(reading.Gemstone, before.Gemstone);
        QCOMPARE(reading.FamousPersonalities, before.FamousPersonalities);
        QVERIFY(reading.NumberDescription.starts_with(
            "Realization is the keyword that best describes this birth number"));
    }

    void dayNumberOutsideTheCatalogueKeepsItsDescription()
    {
        Reading reading = ReadingFor(15, "July", 1975);
        const std::string before = reading.NumberDescription;
        for (const std::int16_t outside : {std::int16_t{0}, std::int16_t{14}, std::int16_t{-1}}) {
            reading.DayNumber = outside;
            engine::SelectReadingTexts(reading);
            QCOMPARE(reading.NumberDescription, before);
        }
    }

    void catalogueFixedFields()
    {
        QCOMPARE(engine::DaySignRow(1).EnglishName, "Monkey");
        QCOMPARE(engine::DaySignRow(1).Keywords, "Witty and demonstrative");
        QCOMPARE(engine::DaySignRow(1).Gemstone, "Aventurine");
        QCOMPARE(engine::DaySignRow(1).Significance, "Manifestation");
        QCOMPARE(engine::DaySignRow(3).Gemstone, "Turquoise ");
        QCOMPARE(engine::DaySignRow(5).Gemstone, "Unakite ");
        QCOMPARE(engine::DaySignRow(11).EnglishName, "Crocodile");
        QCOMPARE(engine::DaySignRow(20).EnglishName, "Dog");
        for (const std::int16_t row : {std::int16_t{5}, std::int16_t{11}, std::int16_t{18}}) {
            QCOMPARE(engine::DaySignRow(row).Significance, "Unity");
        }
        QCOMPARE(engine::DaySignRow(13).Significance, "Patience");
        QCOMPARE(engine::DaySignRow(20).Significance, "Patience");

        std::set<std::string_view> names;
        std::set<std::string_view> significances;
        for (std::int16_t row = 1; row <= engine::DaySignCount; ++row) {
            const auto& entry = engine::DaySignRow(row);
            names.insert(entry.DaySignName);
            significances.insert(entry.Significance);
            QVERIFY2(entry.DaySignName.find(" - (") != std::string_view::npos &&
                         entry.DaySignName.ends_with(')'),
                     entry.DaySignName.data());
            QVERIFY(entry.Keywords.size() >= 15 && entry.Keywords.size() <= 34);
            QCOMPARE(engine::FindDaySign(entry.DaySignName).value_or(0), row);
        }
        QCOMPARE(names.size(), std::size_t{20});
        QCOMPARE(significances.size(), std::size_t{12});

        QCOMPARE(engine::DayNumberRow(1).ToneName, "Magnetic");
        QCOMPARE(engine::DayNumberRow(4).ToneName, "Self-Existing");
        QCOMPARE(engine::DayNumberRow(13).ToneName, "Cosmic");
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
