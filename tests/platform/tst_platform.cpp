// The desktop side of the real platform: the single-instance lock and the file dialogs.
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

using namespace kinwise;

namespace {

// Makes the lock look as old as a copy that has run for a minute.
bool Backdate(const QString& path)
{
    const qint64 minuteAgo = QDateTime::currentSecsSinceEpoch() - 60;
    const utimbuf times{minuteAgo, minuteAgo};
    return ::utime(QFile::encodeName(path).constData(), &times) == 0;
}

// The id of a process that has ended, as a killed copy leaves in its lock.
qint64 EndedProcessId()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void instanceLock_data();
    void instanceLock();
    void fileDialogsLeaveNoSettings_data();
    void fileDialogsLeaveNoSettings();
};

void TestPlatform::instanceLock_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<bool>("claimed");

    QTest::newRow("no other copy") << "none" << true;
    QTest::newRow("a live copy") << "live" << false;
    QTest::newRow("a live copy running for a minute") << "old" << false;
    QTest::newRow("a killed copy") << "killed" << true;
    QTest::newRow("a folder that cannot be written") << "unwritable" << true;
}

void TestPlatform::instanceLock()
{
    QFETCH(QString, holder);
    QFETCH(bool, claimed);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = dir.filePath(QStringLiteral("copy.lock"));
    QLockFile first(path);
    if (holder == QLatin1String("live")) {
        QVERIFY(ClaimInstanceLock(first));
        QVERIFY(first.isLocked());
    }
    if (holder == QLatin1String("old") || holder == QLatin1String("killed")) {
        // The lock a copy on this machine wrote, without the kernel lock that would keep anyone
        // from removing it: still running, or killed before it could remove the file.
        const qint64 pid =
            holder == QLatin1String("old") ? QCoreApplication::applicationPid() : EndedProcessId();
        const QByteArray lock = QByteArray::number(pid) + '\n' +
                                QCoreApplication::applicationName().toUtf8() + '\n' +
                                QSysInfo::machineHostName().toUtf8() + '\n';
        QVERIFY(WriteBytes(path, lock));
        QVERIFY(Backdate(path));
    }
    if (holder == QLatin1String("unwritable")) {
        // Below a regular file no folder can be made, not even by root.
        QVERIFY(WriteBytes(dir.filePath(QStringLiteral("plain")), "x"));
        path = dir.filePath(QStringLiteral("plain/copy.lock"));
    }

    QLockFile second(path);
    QCOMPARE(ClaimInstanceLock(second), claimed);
}

void TestPlatform::fileDialogsLeaveNoSettings_data()
{
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QByteArray>("before"); // empty: no settings file

    const QByteArray theirs = "[Other]\nkept=by another program\n";
    QTest::newRow("open, no settings yet") << false << QByteArray();
    QTest::newRow("save, no settings yet") << true << QByteArray();
    QTest::newRow("open, settings of others") << false << theirs;
    QTest::newRow("save, settings of others") << true << theirs;
}

// CTest points XDG_CONFIG_HOME at a folder of the build, so the user's own settings stay apart.
void TestPlatform::fileDialogsLeaveNoSettings()
{
    QFETCH(bool, saving);
    QFETCH(QByteArray, before);

    const QString path = QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName();
    QVERIFY2(path.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")) &&
                 !qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"),
             qPrintable(path));
    QFile::remove(path);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    if (!before.isEmpty()) {
        QVERIFY(WriteBytes(path, before));
    }

    bool dialogSeen = false;
    QTimer::singleShot(0, this, [&dialogSeen] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialogSeen = true;
            dialog->reject();
        }
    });
    QtPlatform platform;
    const FileDialogRequest request{
        saving ? FileDialogRequest::Kind::Save : FileDialogRequest::Kind::Open,
        QStringLiteral("Kinwise"), QStringLiteral("Readings (*.man)"), QStringLiteral("man")};
    QCOMPARE(platform.chooseFile(nullptr, request), std::nullopt);
    QVERIFY(dialogSeen);

    QFile file(path);
    if (before.isEmpty()) {
        QVERIFY2(!file.exists(), "the dialog left Qt's settings file behind");
    } else {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
