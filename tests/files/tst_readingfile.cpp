#include "files/ReadingFile.h"
#include "files/modHelp.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

using kinwise::ReadingFile::Request;
namespace file = kinwise::ReadingFile;
using namespace Qt::StringLiterals;

namespace {

QByteArray Line(const QByteArray& plain)
{
    return kinwise::modHelp::ScrambleText(plain) + "\r\n";
}

// Gives its bytes, then fails as a disk with a bad sector does.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(const QByteArray& bytes) : m_bytes(bytes)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (m_at >= m_bytes.size())
            return -1;
        const qint64 count = std::min(maxSize, m_bytes.size() - m_at);
        std::copy_n(m_bytes.constData() + m_at, count, data);
        m_at += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_at = 0;
};

QByteArray Contents(const QString& path)
{
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<unreadable>");
}

QString WriteRaw(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(u"raw.man"_s);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// The kernel's count of bytes this process has read, or -1 where it is not kept.
qint64 BytesReadSoFar()
{
    QFile io(u"/proc/self/io"_s);
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& row : io.readAll().split('\n')) {
        if (row.startsWith("rchar:"))
            return row.mid(6).trimmed().toLongLong();
    }
    return -1;
}

// Runs ReadFromPath on its own thread so a blocking open fails the test instead of hanging it.
std::optional<file::ReadResult> ReadWithin(const QString& path, int seconds)
{
    auto promise = std::make_shared<std::promise<file::ReadResult>>();
    auto result = promise->get_future();
    std::thread([promise, path] { promise->set_value(file::ReadFromPath(path)); }).detach();
    if (result.wait_for(std::chrono::seconds(seconds)) != std::future_status::ready)
        return std::nullopt;
    return result.get();
}

QStringList Entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

class TestReadingFile : public QObject
{
    Q_OBJECT

private slots:
    void savedFileByteForByte()
    {
        const Request request{u"Ana Lopez"_s, u"1975"_s, u"July"_s, u"15"_s};
        const QByteArray expected("Kxk*Vyzo\x84\r\n;CA?\r\nT\x7fv\x83\r\n;?\r\n");
        QCOMPARE(file::Encode(request), expected);

        QTemporaryDir dir;
        const QString path = dir.filePath(u"ana.man"_s);
        QCOMPARE(file::WriteToPath(path, file::Encode(request)), std::nullopt);
        QCOMPARE(Contents(path), expected);
        QCOMPARE(file::ReadFromPath(path), file::ReadResult(request));
    }

    void namesRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("latin accents") << u"Zoë Ñúñez-Åström Łukasz Çelik"_s;
        QTest::newRow("cyrillic") << u"Анастасия Петровна"_s;
        QTest::newRow("greek") << u"Ελευθέριος Βενιζέλος"_s;
        QTest::newRow("arabic") << u"محمد بن موسى"_s;
        QTest::newRow("cjk") << u"山田 太郎 김민준"_s;
        QTest::newRow("emoji") << u"Ana 👩🏽‍🚀 🌮"_s;
        QTest::newRow("combining marks") << u"Jose\u0301 A\u030a\u0323"_s;
        QTest::newRow("leading bom") << u"\ufeffAna"_s;
        QTest::newRow("tab") << u"Ana\tLopez"_s;
        QTest::newRow("other controls") << u"Tab\there\nnew\rline\u001besc\u007fdel\u0085nel"_s;
        QTest::newRow("10000 characters") << u"Ñandú 山"_s.repeated(10000 / 7 + 1).left(10000);
        QTest::newRow("right to left with bidi marks") << u"\u202eשׁוֹשַׁנָּה\u202c \u200fفاطمة\u200e"_s;
        QTest::newRow("joiners") << u"a\u200db\u200cc\u2060d"_s;
        QTest::newRow("planes 2, 14, 15 and 16")
            << u"𠀋𠮷 🏴\U000E0067\U000E0062\U000E007F \U000F0000\U0010FFFD"_s;
        QTest::newRow("non-characters") << u"\ufffd\ufffe\uffff"_s;
        QTest::newRow("empty") << QString();
    }

    void namesRoundTrip()
    {
        QFETCH(QString, name);
        const Request request{name, u"2012"_s, u"December"_s, u"21"_s};
        QCOMPARE(file::Decode(file::Encode(request)), request);

        QTemporaryDir dir;
        const QString path = dir.filePath(u"name.man"_s);
        QCOMPARE(file::WriteToPath(path, file::Encode(request)), std::nullopt);
        QCOMPARE(file::ReadFromPath(path), file::ReadResult(request));
    }

    void lineEndCharactersAreDropped()
    {
        // Scrambled, they would be LF and CR.
        const QByteArray bytes =
            file::Encode({u"A\u0000n\u0003a"_s, u"1975"_s, u"July"_s, u"15"_s});
        QCOMPARE(bytes.count('\r'), file::LineCount);
        QCOMPARE(bytes.count('\n'), file::LineCount);
        QCOMPARE(file::Decode(bytes), (Request{u"Ana"_s, u"1975"_s, u"July"_s, u"15"_s}));
    }

    void layouts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Request>("expected");

        const QByteArray ana = Line("Ana") + Line("1975") + Line("July") + Line("15");
        const QByteArray full(file::MaxLineBytes, 'a');
        // 1 + 2 * n bytes of a line end just before the cap, which falls inside the next character.
        const qsizetype beforeCap = (file::MaxLineBytes - 1) / 2;

        QTest::newRow("empty file") << QByteArray() << Request{};
        QTest::newRow("one line") << Line("Ana") << Request{u"Ana"_s, {}, {}, {}};
        QTest::newRow("two lines")
            << Line("Ana") + Line("1975") << Request{u"Ana"_s, u"1975"_s, {}, {}};
        QTest::newRow("no final line end")
            << ana.chopped(2) << Request{u"Ana"_s, u"1975"_s, u"July"_s, u"15"_s};
        QTest::newRow("extra lines ignored") << ana + Line("more") + Line("lines")
                                             << Request{u"Ana"_s, u"1975"_s, u"July"_s, u"15"_s};
        // Byte 10 unscrambles to U+0000 and stays inside the line.
        QTest::newRow("lone lf kept")
            << kinwise::modHelp::ScrambleText(QByteArray("An")) + "\n" + Line("a") + Line("1975")
            << Request{u"An\u0000a"_s, u"1975"_s, {}, {}};
        QTest::newRow("bare cr ends lines")
            << kinwise::modHelp::ScrambleText(QByteArray("Ana")) + "\r\r" + Line("July")
            << Request{u"Ana"_s, {}, u"July"_s, {}};
        QTest::newRow("cp1252 file") << Line("Jos\xe9 Mu\xf1oz \x80") + Line("1975")
                                     << Request{u"José Muñoz €"_s, u"1975"_s, {}, {}};
        QTest::newRow("crlf split across reads")
            << Line(full.chopped(1)) + Line("1975")
            << Request{QString(full.chopped(1)), u"1975"_s, {}, {}};
        QTest::newRow("huge line capped")
            << Line(full + QByteArray(40000, 'b')) + Line("1975") + Line("July") + Line("15")
            << Request{QString(full), u"1975"_s, u"July"_s, u"15"_s};
        QTest::newRow("cap inside a character")
            << Line("a" + QByteArray("\xc3\xa9").repeated(beforeCap + 1000)) + Line("1975")
            << Request{u"a"_s + u"é"_s.repeated(beforeCap), u"1975"_s, {}, {}};
        QTest::newRow("skip runs past the read limit")
            << Line(QByteArray(file::MaxReadBytes, 'a')) + Line("1975")
            << Request{QString(full), {}, {}, {}};
    }

    void layouts()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Request, expected);
        QCOMPARE(file::Decode(bytes), expected);

        QTemporaryDir dir;
        QCOMPARE(file::ReadFromPath(WriteRaw(dir, bytes)), file::ReadResult(expected));
    }

    void readFailureKeepsTheLinesRead_data()
    {
        QTest::addColumn<QByteArray>("beforeFailure");
        QTest::addColumn<Request>("expected");

        QTest::newRow("at once") << QByteArray() << Request{};
        QTest::newRow("after two lines")
            << Line("Ana") + Line("1975") << Request{u"Ana"_s, u"1975"_s, {}, {}};
        QTest::newRow("inside the third line")
            << Line("Ana") + Line("1975") + "T\x7f" << Request{u"Ana"_s, u"1975"_s, {}, {}};
    }

    void readFailureKeepsTheLinesRead()
    {
        QFETCH(QByteArray, beforeFailure);
        QFETCH(Request, expected);
        FailingDevice device(beforeFailure);
        QCOMPARE(file::ReadFrom(device), expected);
    }

    void hugeSparseFileIsReadOnlyAtItsStart()
    {
        QTemporaryDir dir;
        QFile out(dir.filePath(u"huge.man"_s));
        QVERIFY(out.open(QIODevice::WriteOnly));
        const QByteArray start =
            kinwise::modHelp::ScrambleText(QByteArray(file::MaxLineBytes + 1000, 'A'));
        QVERIFY(out.write(start) == start.size());
        QVERIFY(out.resize(qint64(1) << 30));
        out.close();

        const qint64 readBefore = BytesReadSoFar();
        QElapsedTimer timer;
        timer.start();
        const Request request = std::get<Request>(file::ReadFromPath(out.fileName()));
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        if (readBefore >= 0)
            QCOMPARE_LT(BytesReadSoFar() - readBefore, file::MaxReadBytes + 64 * 1024);
        QCOMPARE(request, (Request{QString(file::MaxLineBytes, u'A'), {}, {}, {}}));
    }

    void notRegularFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        const QString notRegular = u"is not a regular file."_s;
        QTest::newRow("fifo") << u"fifo"_s << notRegular;
        QTest::newRow("fifo held open with lines waiting") << u"fifo with a writer"_s << notRegular;
        QTest::newRow("dev zero") << u"/dev/zero"_s << notRegular;
        QTest::newRow("directory") << u"directory"_s << notRegular;
        QTest::newRow("missing") << u"missing"_s << u"No such file or directory"_s;
        QTest::newRow("unreadable") << u"unreadable"_s << u"Permission denied"_s;
    }

    void notRegularFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString path = dir.filePath(u"x.man"_s);
        QFile heldOpen;
        if (kind.startsWith(u"fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            // A writer that keeps the pipe open and full of lines, which a reader that took it for
            // a file would read or wait on.
            if (kind == u"fifo with a writer") {
                QVERIFY(heldOpen.open(
                    ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK),
                    QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle));
                while (heldOpen.write(QByteArray("x\r\n").repeated(20000)) > 0) {
                }
            }
        } else if (kind == u"directory") {
            QVERIFY(QDir().mkdir(path));
        } else if (kind == u"unreadable") {
            if (::geteuid() == 0)
                QSKIP("root reads any file");
            WriteRaw(dir, Line("Ana"));
            path = dir.filePath(u"raw.man"_s);
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        } else if (kind.startsWith(u'/')) {
            path = kind;
        }

        const std::optional<file::ReadResult> request = ReadWithin(path, 5);
        if (!request && kind == u"fifo") {
            // Opening the writing end releases the blocked reader before failing.
            QFile writer(path);
            (void)writer.open(QIODevice::WriteOnly);
        }
        QVERIFY2(request.has_value(), "ReadFromPath blocked");
        QVERIFY2(std::holds_alternative<QString>(*request), "read as a reading file");
        QVERIFY2(std::get<QString>(*request).contains(reason),
                 qPrintable(std::get<QString>(*request)));
    }

    void writeReplacesExistingFile()
    {
        QTemporaryDir dir;
        const QString path = WriteRaw(dir, "old contents that are longer");
        QCOMPARE(file::WriteToPath(path, "new"), std::nullopt);
        QCOMPARE(Contents(path), "new");
        QCOMPARE(Entries(dir), QStringList{u"raw.man"_s});
    }

    void writeFailuresKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("size");         // of what is written
        QTest::addColumn<bool>("sizeLimited"); // to 10 bytes a file
        QTest::newRow("under a regular file") << u"raw.man/x.man"_s << 3 << false;
        QTest::newRow("missing folder") << u"nowhere/x.man"_s << 3 << false;
        QTest::newRow("directory") << u"folder"_s << 3 << false;
        QTest::newRow("read-only folder") << u"locked/x.man"_s << 3 << false;
        QTest::newRow("disk full device") << u"full"_s << 3 << false;
        // Small data waits in the write buffer and fails only when flushed, large data on write.
        QTest::newRow("size limit, fails on flush") << u"raw.man"_s << 100 << true;
        QTest::newRow("size limit, fails on write") << u"raw.man"_s << (1 << 20) << true;
    }

    void writeFailuresKeepTheOldFile()
    {
        QFETCH(QString, target);
        QFETCH(int, size);
        QFETCH(bool, sizeLimited);
        QTemporaryDir dir;
        const QString old = WriteRaw(dir, "old");
        QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
        QVERIFY(QDir(dir.path()).mkdir(u"locked"_s));
        QVERIFY(QFile::setPermissions(dir.filePath(u"locked"_s),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (target.startsWith(u"locked") && ::geteuid() == 0)
            QSKIP("root writes into any folder");
        if (target == u"full") {
            // Root could replace the real /dev/full by renaming over it, so root gets its own node.
            const QByteArray node = QFile::encodeName(dir.filePath(target));
            if (::geteuid() != 0 || ::mknod(node.constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
                target = u"/dev/full"_s;
        }
        const QStringList before = Entries(dir);

        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = saved;
        tight.rlim_cur = sizeLimited ? 10 : saved.rlim_cur;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tight), 0);
        const std::optional<QString> reason =
            file::WriteToPath(QDir(dir.path()).absoluteFilePath(target), QByteArray(size, 'x'));
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(reason.has_value());
        QVERIFY(!reason->isEmpty());
        QCOMPARE(Contents(old), "old");
        QCOMPARE(Entries(dir), before);
        QVERIFY(QDir(dir.filePath(u"locked"_s)).isEmpty());
        if (target.endsWith(u"full")) {
            struct stat info = {};
            const QByteArray node = QFile::encodeName(QDir(dir.path()).absoluteFilePath(target));
            QCOMPARE(::stat(node.constData(), &info), 0);
            QVERIFY(S_ISCHR(info.st_mode));
        }
    }
};

QTEST_GUILESS_MAIN(TestReadingFile)
#include "tst_readingfile.moc"
