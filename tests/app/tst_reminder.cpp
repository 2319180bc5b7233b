#include "app/Language.h"
#include "app/StartApplication.h"
#include "app/UpdateReminder.h"
#include "assets/AssetPaths.h"
#include "files/ReminderValue.h"
#include "files/modHelp.h"
#include "platform/Identity.h"
#include "platform/QtPlatform.h"
#include "support/Driver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace kinwise;
using namespace kinwise::test;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(kinwise::MessageAnswer)

namespace {

const QString Section = u"Settings"_s;
// "Duration" with every character moved up by ten.
const QString Key = u"N\x7f|k~syx"_s;
const QString StoreKey = Section + u'/' + Key;
QString Question()
{
    return QCoreApplication::translate(
        "kinwise::UpdateReminder",
        "There maybe an update to this software available\rDo you want to check for an "
        "update?");
}
const QString DownloadPage = PageBase + u"download-web-page"_s;

QString Scrambled(const QString& plain)
{
    return modHelp::ScrambleText(plain);
}

QString Iso(const QDate& date)
{
    return date.toString(u"yyyy-MM-dd"_s);
}

// Notes whether the main window existed, and what was stored, when each question was asked.
struct RecordingSession : Session
{
    QList<bool> mainWindowAtQuestion;
    QStringList storedAtQuestion;

    MessageAnswer showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override
    {
        mainWindowAtQuestion.append(FindWindow(MainName) != nullptr);
        storedAtQuestion.append(settings.value(StoreKey));
        return Session::showMessage(parent, text, icon, buttons);
    }
};

// No key or value of the store shows the name or a date in the clear.
void VerifyNothingPlain(const FakePlatform& fake, const QStringList& dates)
{
    for (auto it = fake.settings.cbegin(); it != fake.settings.cend(); ++it) {
        QVERIFY2(!it.key().contains(u"Duration"_s, Qt::CaseInsensitive), qPrintable(it.key()));
        for (const QString& date : dates) {
            QVERIFY2(!it.key().contains(date), qPrintable(it.key()));
            QVERIFY2(!it.value().contains(date), qPrintable(it.value()));
        }
    }
}

// The update question was asked once, and the download page opened on Yes only.
void VerifyAsked(const FakePlatform& fake, MessageAnswer answer)
{
    QCOMPARE(fake.messages.size(), 1);
    QCOMPARE(fake.messages.first().text, Question());
    QCOMPARE(fake.messages.first().icon, MessageIcon::Information);
    QCOMPARE(fake.messages.first().buttons, MessageButtons::YesNo);
    QCOMPARE(fake.openedUrls,
             answer == MessageAnswer::Yes ? QStringList{DownloadPage} : QStringList{});
}

// The fake desktop, but with the real settings store on disk.
struct RealStoreSession : Session
{
    QtPlatform store;

    QString readSetting(const QString& section, const QString& key) override
    {
        return store.readSetting(section, key);
    }
    bool writeSetting(const QString& section, const QString& key, const QString& value) override
    {
        return store.writeSetting(section, key, value);
    }
};

enum class Damage
{
    RandomBytes,
    EmptyFile,
    Folder,
    ReadOnly,
    ParentIsFile,
    NotADate,
    LongAgo
};

// Leaves the store at conf as something else left it.
bool Damaged(Damage damage, const QString& conf)
{
    const QString folder = QFileInfo(conf).path();
    if (damage == Damage::ParentIsFile) {
        QFile parent(folder);
        return parent.open(QIODevice::WriteOnly) && parent.write("not a folder\n") > 0;
    }
    if (!QDir().mkpath(damage == Damage::Folder ? conf : folder))
        return false;
    if (damage == Damage::NotADate || damage == Damage::LongAgo) {
        QSettings settings(conf, QSettings::IniFormat);
        settings.setValue(
            StoreKey, Scrambled(damage == Damage::NotADate ? u"soon, maybe"_s : u"2001-02-03"_s));
        settings.sync();
        return settings.status() == QSettings::NoError;
    }
    if (damage == Damage::Folder)
        return true;
    QFile file(conf);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (damage == Damage::RandomBytes) {
        QByteArray bytes(4096, '\0');
        QRandomGenerator(1517).fillRange(reinterpret_cast<quint32*>(bytes.data()),
                                         bytes.size() / 4);
        file.write(bytes);
    }
    return damage != Damage::ReadOnly || file.setPermissions(QFile::ReadOwner);
}

} // namespace

Q_DECLARE_METATYPE(Damage)

class TestReminder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        LoadDesktopLanguage();
        InitAssets();
        QVERIFY(m_config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    }

    void key() { QCOMPARE(modHelp::ReminderKey(), Key); }

    void storedDateReadsBack_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QDate>("date"); // invalid: no date

        for (const QDate& date : {QDate(2026, 12, 8), QDate(2000, 2, 29), QDate(1999, 12, 31)})
            QTest::newRow(qPrintable(Iso(date))) << Scrambled(Iso(date)) << date;
        QTest::newRow("empty") << QString() << QDate();
        QTest::newRow("garbage") << u"garbage"_s << QDate();
        QTest::newRow("month 13") << Scrambled(u"2026-13-45"_s) << QDate();
        QTest::newRow("30 February") << Scrambled(u"2024-02-30"_s) << QDate();
        QTest::newRow("plain date") << u"2026-12-08"_s << QDate();
        QTest::newRow("local format") << Scrambled(u"08/12/2026"_s) << QDate();
    }

    void storedDateReadsBack()
    {
        QFETCH(QString, stored);
        QFETCH(QDate, date);
        const std::optional<QDate> read = modHelp::ReadReminderDate(stored);
        QCOMPARE(read.has_value(), date.isValid());
        if (read)
            QCOMPARE(*read, date);
        if (date.isValid())
            QCOMPARE(modHelp::ReminderValueFor(date), stored);
    }

    void reminder_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("hasStored");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("becomesToday");

        const QDate today(2026, 12, 8);
        const auto daysFromToday = [&](int days) { return Scrambled(Iso(today.addDays(days))); };
        const MessageAnswer yes = MessageAnswer::Yes;
        const MessageAnswer no = MessageAnswer::No;

        QTest::newRow("first run") << today << false << QString() << yes << false << true;
        // Asked, and today stored, from 15 days either way.
        for (const int days : {0, -14, 14})
            QTest::addRow("%d days from today", days)
                << today << true << daysFromToday(days) << yes << false << false;
        for (const int days : {-15, 15, -20}) {
            for (const MessageAnswer answer : {yes, no})
                QTest::addRow("%d days from today, %s", days, answer == yes ? "yes" : "no")
                    << today << true << daysFromToday(days) << answer << true << true;
        }
        QTest::newRow("years before")
            << today << true << Scrambled(u"1999-01-01"_s) << no << true << true;
        QTest::newRow("15 days across new year")
            << QDate(2027, 1, 5) << true << Scrambled(u"2026-12-21"_s) << yes << true << true;
        QTest::newRow("14 days across new year")
            << QDate(2027, 1, 4) << true << Scrambled(u"2026-12-21"_s) << yes << false << false;
        QTest::newRow("15 days across leap day")
            << QDate(2024, 3, 15) << true << Scrambled(u"2024-02-29"_s) << yes << true << true;
        QTest::newRow("garbage") << today << true << u"garbage"_s << yes << false << true;
        QTest::newRow("empty value") << today << true << QString() << yes << false << true;
        QTest::newRow("month 13") << today << true << Scrambled(u"2026-13-45"_s) << yes << false
                                  << true;
        QTest::newRow("old date in the clear")
            << today << true << Iso(today.addDays(-20)) << yes << false << true;
    }

    void reminder()
    {
        QFETCH(QDate, today);
        QFETCH(bool, hasStored);
        QFETCH(QString, stored);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, asks);
        QFETCH(bool, becomesToday);

        Session fake;
        fake.todayValue = today;
        if (hasStored)
            fake.settings.insert(StoreKey, stored);
        fake.messageAnswers.enqueue(answer);

        modHelp::UpdateReminder();

        if (asks) {
            VerifyAsked(fake, answer);
        } else {
            QVERIFY(fake.messages.isEmpty());
            QVERIFY(fake.openedUrls.isEmpty());
        }

        QCOMPARE(fake.settings.keys(), QStringList{StoreKey});
        const QString value = fake.settings.value(StoreKey);
        if (becomesToday) {
            QCOMPARE(value, modHelp::ReminderValueFor(today));
            QCOMPARE(modHelp::UnscrambleText(value), Iso(today));
        } else {
            QCOMPARE(value, stored);
        }
        VerifyNothingPlain(fake, {Iso(today)});
        if (asks || !becomesToday)
            VerifyNothingPlain(fake, {modHelp::UnscrambleText(stored)});
    }

    void unwritableStore_data()
    {
        QTest::addColumn<bool>("hasStored");
        QTest::addColumn<int>("daysAgo");
        QTest::newRow("first run") << false << 0;
        QTest::newRow("due") << true << 20;
    }

    void unwritableStore()
    {
        QFETCH(bool, hasStored);
        QFETCH(int, daysAgo);
        Session fake;
        fake.settingsWritable = false;
        const QString stored = Scrambled(Iso(fake.todayValue.addDays(-daysAgo)));
        if (hasStored)
            fake.settings.insert(StoreKey, stored);
        fake.messageAnswers.enqueue(MessageAnswer::Yes);

        modHelp::UpdateReminder();

        QCOMPARE(fake.messages.size(), hasStored ? 1 : 0);
        QCOMPARE(fake.openedUrls.size(), hasStored ? 1 : 0);
        QCOMPARE(fake.settings.size(), hasStored ? 1 : 0);
        if (hasStored)
            QCOMPARE(fake.settings.value(StoreKey), stored);
    }

    void questionBeforeMainWindow_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("yes") << MessageAnswer::Yes;
        QTest::newRow("no") << MessageAnswer::No;
    }

    void questionBeforeMainWindow()
    {
        QFETCH(MessageAnswer, answer);
        RecordingSession fake;
        const QString before = Scrambled(Iso(fake.todayValue.addDays(-20)));
        fake.settings.insert(StoreKey, before);
        fake.messageAnswers.enqueue(answer);

        QVERIFY(StartApplication());

        // A program ended while the question is open must ask again at its next start.
        QCOMPARE(fake.storedAtQuestion, QStringList{before});
        VerifyAsked(fake, answer);
        QCOMPARE(fake.mainWindowAtQuestion.first(), false);
        QWidget* main = FindWindow(MainName);
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QCOMPARE(fake.settings.value(StoreKey), modHelp::ReminderValueFor(fake.todayValue));
        QCOMPARE(fake.endProcessCalls, 0);
    }

    void damagedStore_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("storesToday"); // false: may stay unusable, but quietly

        QTest::newRow("random bytes") << Damage::RandomBytes << false << false;
        QTest::newRow("empty file") << Damage::EmptyFile << false << true;
        QTest::newRow("folder in place of the file") << Damage::Folder << false << false;
        QTest::newRow("read-only file") << Damage::ReadOnly << false << false;
        QTest::newRow("parent folder is a file") << Damage::ParentIsFile << false << false;
        QTest::newRow("value not a date") << Damage::NotADate << false << true;
        // The question really is asked over the real store, so its absence above means something.
        QTest::newRow("date long ago") << Damage::LongAgo << true << true;
    }

    void damagedStore()
    {
        QFETCH(Damage, damage);
        QFETCH(bool, asks);
        QFETCH(bool, storesToday);
        const QString conf = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                       Identity::OrganizationName, Identity::ExecutableName)
                                 .fileName();
        QVERIFY(conf.startsWith(m_config.path()));
        const auto cleanUp = qScopeGuard([&] {
            QFile::remove(QFileInfo(conf).path());
            QDir(QFileInfo(conf).path()).removeRecursively();
        });
        QVERIFY(Damaged(damage, conf));
        RealStoreSession fake;

        modHelp::UpdateReminder();

        QCOMPARE(fake.messages.size(), asks ? 1 : 0);
        if (damage == Damage::Folder)
            QVERIFY(QFileInfo(conf).isDir());
        if (storesToday) {
            QFile file(conf);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(!file.readAll().contains(Iso(fake.todayValue).toUtf8()));
            QCOMPARE(QSettings(conf, QSettings::IniFormat).value(StoreKey).toString(),
                     modHelp::ReminderValueFor(fake.todayValue));
        }
    }

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(TestReminder)
#include "tst_reminder.moc"
