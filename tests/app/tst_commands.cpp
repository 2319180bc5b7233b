#include "app/Language.h"
#include "files/ReadingFile.h"
#include "files/modHelp.h"
#include "support/Driver.h"
#include "support/WidgetSuite.h"
#include "ui/MainWindow.h"
#include "ui/ReadingCommands.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

#include <sys/stat.h>

using namespace kinwise;
using namespace kinwise::test;
using namespace Qt::StringLiterals;

namespace {

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// One line of a reading file as the program writes it: shifted bytes and CR LF.
QByteArray Line(const QByteArray& plain)
{
    return modHelp::ScrambleText(plain) + "\r\n";
}

QByteArray FileOf(const QString& name, const QString& year, const QString& month,
                  const QString& day)
{
    return Line(name.toUtf8()) + Line(year.toUtf8()) + Line(month.toUtf8()) + Line(day.toUtf8());
}

MainWindow* ShowMain()
{
    ShowMainWindow();
    return FindWindow<MainWindow>(MainName);
}

// Clicks cmdOpen of the main window, answering the open dialog with the path.
void ClickOpen(MainWindow* main, FakePlatform& fake, const std::optional<QString>& path)
{
    fake.fileAnswers.enqueue(path);
    QTest::mouseClick(Find<QPushButton>(main, u"cmdOpen"_s), Qt::LeftButton);
}

// Clicks cmdSave of the report window, answering the save dialog with the path.
void ClickSave(FakePlatform& fake, QWidget* report, const QString& path)
{
    fake.fileAnswers.enqueue(path);
    QTest::mouseClick(Find<QPushButton>(report, u"cmdSave"_s), Qt::LeftButton);
}

// Writes the bytes to the path, then opens that file from a fresh main window; null if either
// could not be done.
MainWindow* OpenFileOf(FakePlatform& fake, const QString& path, const QByteArray& bytes)
{
    MainWindow* main = WriteBytes(path, bytes) ? ShowMain() : nullptr;
    if (main)
        ClickOpen(main, fake, path);
    return main;
}

QStringList Entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

void CompareReadings(const Reading& shown, const Reading& expected)
{
    QCOMPARE(Text(shown.PersonName), Text(expected.PersonName));
    QCOMPARE(shown.BirthYear, expected.BirthYear);
    QCOMPARE(Text(shown.BirthMonth), Text(expected.BirthMonth));
    QCOMPARE(shown.BirthDay, expected.BirthDay);
    QCOMPARE(shown.DayNumber, expected.DayNumber);
    QCOMPARE(Text(shown.DaySignName), Text(expected.DaySignName));
}

// The main window is still the one on screen, showing the request it showed, with no result.
void VerifyMainKept(MainWindow* main, const QStringList& request)
{
    QCOMPARE(FindWindow<MainWindow>(MainName), main);
    QVERIFY(!FindWindow(ResultName));
    QCOMPARE(ShownRequest(main), request);
}

// The name in Windows-1252, shifted as an old reading file holds it; empty if it cannot be stored.
QByteArray OldScrambledLine(const QString& name)
{
    QStringEncoder cp1252("windows-1252");
    const QByteArray nameBytes = cp1252.encode(name);
    QByteArray scrambled;
    for (const char byte : nameBytes) {
        const int code = static_cast<unsigned char>(byte) + 10;
        if (code > 255)
            return {};
        scrambled.append(static_cast<char>(code));
    }
    return cp1252.isValid() && !cp1252.hasError() ? scrambled + "\r\n" : QByteArray();
}

} // namespace

class TestCommands : public WidgetSuite
{
    Q_OBJECT

private slots:
    void saveCancelled()
    {
        // The working folder, where a file saved under a bare name would land.
        QTemporaryDir dir;
        const QString wasCurrent = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const auto restore = qScopeGuard([&wasCurrent] { QDir::setCurrent(wasCurrent); });
        ReportWindow* report =
            OpenReportWindow(RequestedReading(u"Ana Lopez"_s, 1980, u"January"_s, 5));
        QVERIFY(report);
        QTest::mouseClick(Find<QPushButton>(report, u"cmdSave"_s), Qt::LeftButton);

        QCOMPARE(fake().fileRequests.size(), 1);
        const FileDialogRequest& request = fake().fileRequests.first();
        QCOMPARE(request.kind, FileDialogRequest::Kind::Save);
        QCOMPARE(request.title, u"Kinwise"_s);
        QCOMPARE(request.filter, Shown(Context::Commands, "Rich Text Format (*.man)"));
        QVERIFY(request.filter.endsWith(u" (*.man)"_s)); // in every language
        QCOMPARE(request.defaultSuffix, u"man"_s);
        QVERIFY(fake().messages.isEmpty());
        QVERIFY(Entries(dir).isEmpty());
    }

    void saveFails_data()
    {
        QTest::addColumn<QString>("target"); // "<dir>" stands for the temporary folder
        QTest::addColumn<QString>("reason"); // empty: whatever the system says when writing there
        QTest::addColumn<bool>("deviceStays");

        const QString notRegular = u"<not regular>"_s; // the program's own message
        QTest::newRow("under a regular file") << u"<dir>/keep.man/x.man"_s << QString() << false;
        QTest::newRow("missing folder") << u"<dir>/missing/x.man"_s << QString() << false;
        QTest::newRow("a folder") << u"<dir>"_s << notRegular << false;
        QTest::newRow("full device") << u"/dev/full"_s << notRegular << true;
    }

    void saveFails()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QFETCH(bool, deviceStays);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString keep = dir.filePath(u"keep.man"_s);
        const QByteArray kept = FileOf(u"Someone Else"_s, u"1975"_s, u"July"_s, u"15"_s);
        QVERIFY(WriteBytes(keep, kept));
        const QString path = QString(target).replace(u"<dir>"_s, dir.path());
        if (deviceStays && !QFileInfo::exists(path))
            QSKIP("no /dev/full here");
        if (reason == u"<not regular>"_s) {
            reason = Shown("kinwise::ReadingFile", "It is not a regular file.");
        } else if (reason.isEmpty()) {
            QFile probe(path);
            QVERIFY(!probe.open(QIODevice::WriteOnly));
            reason = probe.errorString();
        }

        ReportWindow* report =
            OpenReportWindow(RequestedReading(u"Ana Lopez"_s, 1980, u"January"_s, 5));
        QVERIFY(report);
        ClickSave(fake(), report, path);

        QCOMPARE(fake().messages.size(), 1);
        const ShownMessage& message = fake().messages.first();
        QCOMPARE(message.icon, MessageIcon::Critical);
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QCOMPARE(message.parentName, u"frmSave"_s);
        QVERIFY2(message.text.contains(path), qPrintable(message.text));
        QVERIFY2(message.text.contains(reason), qPrintable(message.text + u" / "_s + reason));

        QCOMPARE(ReadBytes(keep), kept);
        QCOMPARE(Entries(dir), QStringList{u"keep.man"_s});
        if (deviceStays) {
            const QFileInfo device(path);
            QVERIFY(device.exists());
            QVERIFY(!device.isFile());
        }
    }

    void savedRequestIsTheEnglishFile_data()
    {
        QTest::addColumn<QString>("month");
        for (const QString& month : MonthNames) {
            QTest::newRow(qPrintable(month)) << month;
        }
    }

    // The month list shows the desktop's language, yet the file holds the English month name: a
    // file saved under any language is the one saved under English.
    void savedRequestIsTheEnglishFile()
    {
        QFETCH(QString, month);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"reading.man"_s);
        const int day = static_cast<int>(MonthNames.indexOf(month)) + 1;
        QWidget* result = ShowReadingFor(u"Ana Lopez"_s, month, day, 1990);
        QVERIFY(result);
        QTest::mouseClick(Find<QPushButton>(result, u"cmdSave"_s), Qt::LeftButton);
        auto* report = result->findChild<ReportWindow*>(u"frmSave"_s);
        QVERIFY(report);
        ClickSave(fake(), report, path);

        QVERIFY(fake().messages.isEmpty());
        QCOMPARE(ReadBytes(path), FileOf(u"Ana Lopez"_s, u"1990"_s, month, QString::number(day)));
    }

    void openCancelled()
    {
        MainWindow* main = ShowMain();
        QVERIFY(main);
        main->txtName->setText(u"Kept Name"_s);
        main->cboMonth->setCurrentIndex(2);

        ClickOpen(main, fake(), std::nullopt);

        QCOMPARE(fake().fileRequests.size(), 1);
        const FileDialogRequest& request = fake().fileRequests.first();
        QCOMPARE(request.kind, FileDialogRequest::Kind::Open);
        QCOMPARE(request.title, Shown(Context::Commands, "Select the source file"));
        QCOMPARE(request.filter, Shown(Context::Commands, "Mayan Astrology (*.man)"));
        QVERIFY(request.filter.endsWith(u" (*.man)"_s)); // in every language
        QCOMPARE(request.defaultSuffix, u"man"_s);
        QVERIFY(fake().messages.isEmpty());
        VerifyMainKept(main, {u"Kept Name"_s, u"March"_s, u"1"_s, u"1900"_s});
    }

    void openRefusesOtherNames_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("refusal");
        const QString checkTheFile = u"Please Check The File."_s;
        const QString unreadable = u"The file %1 could not be read.\n\n%2"_s;
        QTest::newRow("upper-case suffix") << u"reading.MAN"_s << u"file"_s << checkTheFile;
        QTest::newRow("text file") << u"x.txt"_s << u"file"_s << checkTheFile;
        QTest::newRow("suffix not last") << u"reading.man.txt"_s << u"file"_s << checkTheFile;
        QTest::newRow("fifo") << u"reading.man"_s << u"fifo"_s << unreadable;
        QTest::newRow("directory") << u"reading.man"_s << u"directory"_s << unreadable;
    }

    // A refused file leaves the main window as it was, and says why.
    void openRefusesOtherNames()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, kind);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(fileName);
        if (kind == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == u"directory")
            QVERIFY(QDir().mkdir(path));
        else
            QVERIFY(WriteBytes(path, FileOf(u"From File"_s, u"1975"_s, u"July"_s, u"15"_s)));
        MainWindow* main = ShowMain();
        QVERIFY(main);
        main->txtName->setText(u"Typed"_s);

        ClickOpen(main, fake(), path);

        QCOMPARE(fake().messages.size(), 1);
        QString expected = Shown(Context::Commands, refusal);
        if (expected.contains(u"%1"))
            expected = expected.arg(path, QString());
        QVERIFY2(fake().messages.first().text.startsWith(expected),
                 qPrintable(fake().messages.first().text));
        QVERIFY(fake().messages.first().text.size() > expected.size() || kind == u"file");
        QCOMPARE(fake().messages.first().icon, MessageIcon::Critical);
        VerifyMainKept(main, {u"Typed"_s, u"January"_s, u"1"_s, u"1900"_s});
    }

    void saveThenOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QByteArray>("earlier"); // the file already there, if any

        const QByteArray none;
        QTest::newRow("new file") << u"Ana Lopez"_s << 1980 << u"January"_s << 5 << none;
        QTest::newRow("over a longer file")
            << u"Ana Lopez"_s << 1975 << u"July"_s << 15 << QByteArray(4096, 'z');
        QTest::newRow("over a shorter file")
            << u"Björk Guðmundsdóttir"_s << 2016 << u"December"_s << 31 << QByteArray("a\r\n");
        QTest::newRow("latin accents")
            << u"José Müller-Ñúñez Øst"_s << 1980 << u"January"_s << 5 << none;
        QTest::newRow("cyrillic") << u"Анна Лопес"_s << 1975 << u"July"_s << 15 << none;
        QTest::newRow("greek") << u"Άννα Λόπεζ"_s << 1900 << u"February"_s << 28 << none;
        QTest::newRow("arabic") << u"آنا لوبيز"_s << 2016 << u"December"_s << 31 << none;
        QTest::newRow("cjk") << u"李小龍 さくら 김민준"_s << 1940 << u"November"_s << 27 << none;
        QTest::newRow("emoji") << u"Ana 🌞🌽 López"_s << 1996 << u"February"_s << 29 << none;
        QTest::newRow("plain") << u"Ana Lopez"_s << 1955 << u"October"_s << 1 << none;
    }

    // The saved file holds the request, alone in its folder, and opens to the same reading.
    void saveThenOpen()
    {
        QFETCH(QString, name);
        QFETCH(int, year);
        QFETCH(QString, month);
        QFETCH(int, day);
        QFETCH(QByteArray, earlier);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"round trip.man"_s);
        if (!earlier.isEmpty())
            QVERIFY(WriteBytes(path, earlier));
        const Reading original = RequestedReading(name, year, month, day);
        QVERIFY(original.DayNumber != 0);

        ReportWindow* report = OpenReportWindow(original);
        QVERIFY(report);
        ClickSave(fake(), report, path);
        QVERIFY(fake().messages.isEmpty());
        const ReadingFile::Request request{name, QString::number(year), month,
                                           QString::number(day)};
        QCOMPARE(ReadBytes(path), ReadingFile::Encode(request));
        QCOMPARE(ReadBytes(path), FileOf(name, QString::number(year), month, QString::number(day)));
        // Nothing left beside it, such as a temporary file.
        QCOMPARE(Entries(dir), QStringList{u"round trip.man"_s});
        QVERIFY(FindWindow(ResultName));
        DestroyAllWindows();

        MainWindow* main = ShowMain();
        QVERIFY(main);
        ClickOpen(main, fake(), path);

        QVERIFY2(fake().messages.isEmpty(),
                 qPrintable(fake().messages.isEmpty() ? QString() : fake().messages.first().text));
        QVERIFY(FindWindow(ResultName));
        QVERIFY(!FindWindow(MainName));
        CompareReadings(ShownReading(), original);
    }

    void openOddFile_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: the name could not be stored
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("day");

        const QByteArray ana = Line("Ana Lopez");
        QTest::newRow("two lines")
            << ana + Line("1980") << u"Ana Lopez"_s << 1980 << u"January"_s << 1;
        QTest::newRow("two lines, last unended")
            << ana + modHelp::ScrambleText("1980") << u"Ana Lopez"_s << 1980 << u"January"_s << 1;
        // Only characters whose Windows-1252 code stays at or below 255 after the shift can be
        // stored.
        const QString oldNames[] = {u"José MÜLLER"_s, u"José Ñuñez"_s, u"Œdipe Šárka €"_s};
        for (const QString& name : oldNames) {
            const QByteArray line = OldScrambledLine(name);
            QTest::addRow("Windows-1252 %s", qPrintable(name))
                << (line.isEmpty() ? line : line + Line("1975") + Line("July") + Line("15")) << name
                << 1975 << u"July"_s << 15;
        }
    }

    // Files other than the program writes today: short ones and old Windows-1252 ones.
    void openOddFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(int, year);
        QFETCH(QString, month);
        QFETCH(int, day);
        QVERIFY2(!bytes.isEmpty(), "the name cannot be stored");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());

        QVERIFY(OpenFileOf(fake(), dir.filePath(u"odd.man"_s), bytes));

        QVERIFY(fake().messages.isEmpty());
        QVERIFY(FindWindow(ResultName));
        CompareReadings(ShownReading(), RequestedReading(name, year, month, day));
    }

    void openImpossibleDate_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("message");

        const QString no31 = Shown(Context::Main, "Please Enter Correct Date Or Month !");
        const QString no29 = Shown(Context::Main, "Please Enter Correct Date Or Month!");
        QTest::newRow("31 April") << u"1980"_s << u"April"_s << u"31"_s << no31;
        QTest::newRow("31 November") << u"1975"_s << u"November"_s << u"31"_s << no31;
        QTest::newRow("29 February, common year") << u"1981"_s << u"February"_s << u"29"_s << no29;
        QTest::newRow("29 February 1900") << u"1900"_s << u"February"_s << u"29"_s << no29;
    }

    void openImpossibleDate()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, message);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        MainWindow* main = OpenFileOf(fake(), dir.filePath(u"impossible.man"_s),
                                      FileOf(u"Ana Lopez"_s, year, month, day));
        QVERIFY(main);

        QCOMPARE(fake().messages.size(), 1);
        QCOMPARE(fake().messages.first().text, message);
        QCOMPARE(fake().messages.first().icon, MessageIcon::Information);
        VerifyMainKept(main, {u"Ana Lopez"_s, month, day, year});
    }

    void printClearsSelection()
    {
        ReportWindow* report =
            OpenReportWindow(RequestedReading(u"Ana Lopez"_s, 1980, u"January"_s, 5));
        QVERIFY(report);
        auto* box = report->findChild<QTextEdit*>(u"RTB"_s);
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(40, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
        QVERIFY(box->textCursor().hasSelection());

        QTest::mouseClick(Find<QPushButton>(report, u"cmdPrint"_s), Qt::LeftButton);

        QVERIFY(!box->textCursor().hasSelection());
        QVERIFY(fake().messages.isEmpty());
        QCOMPARE(fake().printedTexts.size(), 1);
        const QString printed = fake().printedTexts.first();
        QCOMPARE(printed, box->toPlainText());
        QVERIFY(printed.startsWith(Shown(Context::Report, "Name: ") + u"Ana Lopez\n"_s + Footer() +
                                   u"\n\n"_s + Shown(Context::Report, "Date of Birth: ")));
        QVERIFY(printed.endsWith(u'\n' + Footer()));
        QCOMPARE(printed.count(Footer()), 12);
    }

    void printFailure_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("choosesPdf");  // or OK, which ends the command
        QTest::addColumn<QString>("namePart"); // what of the name the suggested file name holds
        QTest::addColumn<QString>("target");   // answer of the save dialog; "<dir>" is a temporary
                                               // folder, empty cancels
        const QString ana = u"Ana Lopez"_s;
        QTest::newRow("OK") << ana << false << QString() << QString();
        QTest::newRow("saved") << ana << true << ana << u"<dir>/ana.pdf"_s;
        QTest::newRow("missing folder") << ana << true << ana << u"<dir>/missing/ana.pdf"_s;
        QTest::newRow("accents") << u"José Núñez"_s << true << u"José Núñez"_s << QString();
        QTest::newRow("slash, NUL, line ends")
            << u"Ana/Luis\r\nde\0la\u2028Cruz\t"_s << true << u"AnaLuisdelaCruz"_s << QString();
        QTest::newRow("leading dots") << u" .. .Ana."_s << true << u"Ana."_s << QString();
        QTest::newRow("nothing left") << u"../.."_s << true << u"Kinwise"_s << QString();
        QTest::newRow("long") << u"Ixchel "_s.repeated(20) << true
                              << u"Ixchel "_s.repeated(8) + u"Ixch"_s << QString();
        QTest::newRow("long, three bytes a character")
            << u"日"_s.repeated(80) << true << u"日"_s.repeated(50) << QString();
        QTest::newRow("long, two UTF-16 units a character")
            << u"😀"_s.repeated(80) << true << u"😀"_s.repeated(37) << QString();
    }

    void printFailure()
    {
        QFETCH(QString, name);
        QFETCH(bool, choosesPdf);
        QFETCH(QString, namePart);
        QFETCH(QString, target);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = QString(target).replace(u"<dir>"_s, dir.path());
        ReportWindow* report = OpenReportWindow(RequestedReading(name, 1980, u"January"_s, 5));
        QVERIFY(report);
        fake().printAnswers.enqueue(u"No default printer is set up"_s);
        fake().messageAnswers.enqueue(choosesPdf ? MessageAnswer::Action : MessageAnswer::Ok);
        fake().fileAnswers.enqueue(path.isEmpty() ? std::nullopt : std::optional(path));

        QTest::mouseClick(Find<QPushButton>(report, u"cmdPrint"_s), Qt::LeftButton);

        QCOMPARE(fake().printedTexts.size(), 1);
        const ShownMessage& offer = fake().messages.first();
        QCOMPARE(offer.icon, MessageIcon::Critical);
        QCOMPARE(offer.parentName, u"frmSave"_s);
        QVERIFY(offer.text.contains(u"No default printer is set up"_s));
        QCOMPARE(offer.action, Shown(Context::Report, "Save as &PDF..."));
        QVERIFY(FindWindow(ResultName));
        if (!choosesPdf) {
            QVERIFY(fake().fileRequests.isEmpty());
            return;
        }
        QCOMPARE(fake().fileRequests.size(), 1);
        const FileDialogRequest& request = fake().fileRequests.first();
        QCOMPARE(request.kind, FileDialogRequest::Kind::Save);
        QVERIFY(request.filter.endsWith(u" (*.pdf)"_s));
        QCOMPARE(request.defaultSuffix, u"pdf"_s);
        QCOMPARE(request.suggestedName,
                 Shown(Context::Report, "%1 - Mayan numerology reading.pdf").arg(namePart));

        const QStringList left = Entries(dir);
        if (path.isEmpty() || !QFileInfo(path).dir().exists()) {
            QCOMPARE(fake().messages.size(), path.isEmpty() ? 1 : 2);
            QVERIFY(path.isEmpty() || fake().messages.last().text.contains(path));
            QVERIFY(left.isEmpty());
            return;
        }
        QCOMPARE(fake().messages.size(), 1);
        QCOMPARE(left, QStringList{QFileInfo(path).fileName()});
        QVERIFY(ReadBytes(path).startsWith("%PDF-"));
    }

    // Qt's own texts in the file dialogs and a failed save use the program's word for a file.
    void qtDialogTextsSayArchivo_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("text");
        const char* const texts[][2] = {
            {"QFileDialog", "File &name:"},
            {"QFileDialog", "Files of type:"},
            {"QFileDialog", "All Files (*)"},
            {"QFileDialog", "%1 already exists.\nDo you want to replace it?"},
            {"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given."},
            {"QFileSystemModel", "Invalid filename"},
            {"QIODevice", "No such file or directory"},
        };
        for (const auto& [context, text] : texts) {
            QTest::addRow("%s", QByteArray(text).replace('\n', ' ').constData())
                << QString::fromLatin1(context) << QString::fromLatin1(text);
        }
    }

    void qtDialogTextsSayArchivo()
    {
        QFETCH(QString, context);
        QFETCH(QString, text);
        if (CatalogueLanguage() != modMayanNumerology::Language::Spanish) {
            QSKIP("Qt's English is the program's");
        }
        const QString shown = QCoreApplication::translate(context.toLatin1().constData(),
                                                          text.toLatin1().constData());
        QVERIFY2(shown.contains(u"archivo"_s, Qt::CaseInsensitive), qPrintable(shown));
        QVERIFY2(!shown.contains(u"fichero"_s, Qt::CaseInsensitive), qPrintable(shown));
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
