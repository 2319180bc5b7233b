#include "files/modHelp.h"

#include <QStringDecoder>
#include <QTest>

namespace help = kinwise::modHelp;
using namespace Qt::StringLiterals;

class TestScramble : public QObject
{
    Q_OBJECT

private slots:
    void bytesShiftAndDropOutOfRange_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("scrambled");
        QTest::addColumn<QByteArray>("unscrambled");

        QTest::newRow("empty") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("ascii") << QByteArray("Ab9") << QByteArray("KlC") << QByteArray("7X/");
        QTest::newRow("top edge") << QByteArray("\xf5\xf6\xff", 3) << QByteArray("\xff", 1)
                                  << QByteArray("\xeb\xec\xf5", 3);
        QTest::newRow("bottom edge")
            << QByteArray("\x00\x09\x0a\x0b", 4) << QByteArray("\x0a\x13\x14\x15", 4)
            << QByteArray("\x00\x01", 2);
    }

    void bytesShiftAndDropOutOfRange()
    {
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, scrambled);
        QFETCH(QByteArray, unscrambled);
        QCOMPARE(help::ScrambleText(plain), scrambled);
        QCOMPARE(help::UnscrambleText(plain), unscrambled);
    }

    void everyByteRoundTrips()
    {
        QByteArray low;
        QByteArray high;
        for (int code = 0; code < 256; ++code)
            (code <= 255 - help::ScrambleShift ? low : high).append(static_cast<char>(code));
        QCOMPARE(help::UnscrambleText(help::ScrambleText(low)), low);
        QVERIFY(help::ScrambleText(high).isEmpty());
    }

    void multiMegabyteText()
    {
        const QByteArray plain = QByteArray("Kinwise\x01\x7f", 9).repeated(1 << 20);
        const QByteArray scrambled = help::ScrambleText(plain);
        QCOMPARE(scrambled.size(), plain.size());
        QCOMPARE(scrambled.left(9), QByteArray("Usx\x81s}o\x0b\x89", 9));
        QCOMPARE(help::UnscrambleText(scrambled), plain);
    }

    void textLevel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("scrambled");

        QTest::newRow("settings key") << "Duration" << QStringLiteral("N\x7f|k~syx");
        QTest::newRow("empty") << QString() << QString();
        // U+00E9 is C3 A9 in UTF-8, so two Latin-1 characters come out.
        QTest::newRow("accent") << QStringLiteral(u"é") << QStringLiteral(u"\u00cd\u00b3");
        QTest::newRow("emoji") << QStringLiteral(u"\U0001F600")
                               << QStringLiteral(u"\u00fa\u00a9\u00a2\u008a");
    }

    void textLevel()
    {
        QFETCH(QString, text);
        QFETCH(QString, scrambled);
        QCOMPARE(help::ScrambleText(text), scrambled);
        QCOMPARE(help::UnscrambleText(scrambled), text);
        // Characters beyond Latin-1 cannot come from ScrambleText and are left out.
        QCOMPARE(help::UnscrambleText(QStringLiteral(u"\u0100") + scrambled +
                                      QStringLiteral(u"\U0001F600")),
                 text);
    }

    void decodeChoosesEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");

        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("utf8 accents") << QByteArray("Jos\xc3\xa9 \xc3\x91u\xc3\xb1"
                                                    "ez")
                                      << u"José Ñuñez"_s;
        QTest::newRow("utf8 euro") << QByteArray("\xe2\x82\xac") << u"€"_s;
        QTest::newRow("utf8 bom kept") << QByteArray("\xef\xbb\xbf"
                                                     "a")
                                       << u"\ufeffa"_s;
        QTest::newRow("cp1252 accents") << QByteArray("Jos\xe9 M\xfcller") << u"José Müller"_s;
        QTest::newRow("cp1252 0x80") << QByteArray("\x80") << u"€"_s;
        QTest::newRow("cp1252 0x9f") << QByteArray("\x9f") << u"Ÿ"_s;
        QTest::newRow("cp1252 quotes") << QByteArray("\x93x\x94\x96") << u"\u201cx\u201d\u2013"_s;
        QTest::newRow("cp1252 undefined")
            << QByteArray("\x81\x8d\x8f\x90\x9d") << u"\u0081\u008d\u008f\u0090\u009d"_s;
        QTest::newRow("cut sequence") << QByteArray("ab\xc3") << u"ab\u00c3"_s;
        QTest::newRow("overlong") << QByteArray("\xc0\x80") << u"\u00c0\u20ac"_s;
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << u"\u00ed\u00a0\u20ac"_s;
    }

    void decodeChoosesEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(help::DecodeText(bytes), text);
    }

    void windows1252AgreesWithIcu()
    {
        QStringDecoder icu("windows-1252");
        if (!icu.isValid())
            QSKIP("Qt was built without ICU");
        for (int code = 0x80; code <= 0xFF; ++code) {
            const QByteArray byte(1, static_cast<char>(code));
            QCOMPARE(help::DecodeText(byte), icu.decode(byte).operator QString());
        }
    }
};

QTEST_GUILESS_MAIN(TestScramble)
#include "tst_scramble.moc"
