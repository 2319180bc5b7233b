// The desktop side of the real platform: the single-instance lock and the file dialogs.
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QLockFile>
#include <QMessageBox>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
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

// Every key of a settings file with its value; nothing when there is no file.
std::optional<QVariantMap> SettingsIn(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        return std::nullopt;
    }
    const QSettings settings(path, QSettings::IniFormat);
    QVariantMap values;
    for (const QString& key : settings.allKeys()) {
        values.insert(key, settings.value(key));
    }
    return values;
}

// Runs the real dialog of that kind; act gets it once it shows. Gives what the dialog returned.
std::optional<QString> ChooseFile(bool saving, const std::function<void(QFileDialog&)>& act)
{
    QTimer::singleShot(0, [&act] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            act(*dialog);
        }
    });
    QtPlatform platform;
    const FileDialogRequest request{saving ? FileDialogRequest::Kind::Save
                                           : FileDialogRequest::Kind::Open,
                                    QStringLiteral("Kinwise"),
                                    QStringLiteral("Readings (*.man)"),
                                    QStringLiteral("man"),
                                    {}};
    return platform.chooseFile(nullptr, request);
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void instanceLock_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<bool>("claimed");

        QTest::newRow("no other copy") << "none" << true;
        QTest::newRow("a live copy") << "live" << false;
        QTest::newRow("a live copy running for a minute") << "old" << false;
        QTest::newRow("a killed copy") << "killed" << true;
        QTest::newRow("a folder that cannot be written") << "unwritable" << true;
    }

    void instanceLock()
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
            const qint64 pid = holder == QLatin1String("old") ? QCoreApplication::applicationPid()
                                                              : EndedProcessId();
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

    void fileDialogsLeaveNoSettings_data()
    {
        QTest::addColumn<bool>("saving");
        QTest::addColumn<QByteArray>("before"); // empty: no settings file
        QTest::addColumn<QByteArray>(
            "meanwhile"); // another program adds it while the dialog is open

        const QByteArray theirs = "[Other]\nkept=by another program\n";
        const QByteArray earlier = "[FileDialog]\nlastVisited=file:///nowhere\nviewMode=List\n";
        const QByteArray added = "[Another]\nadded=while the dialog was open\n";
        QTest::newRow("open, no settings yet") << false << QByteArray() << QByteArray();
        QTest::newRow("save, no settings yet") << true << QByteArray() << QByteArray();
        QTest::newRow("open, no settings yet, another writes") << false << QByteArray() << added;
        QTest::newRow("open, settings of others") << false << theirs << QByteArray();
        QTest::newRow("save, an earlier dialog's settings, another writes")
            << true << theirs + earlier << added;
    }

    // CTest points XDG_CONFIG_HOME at a folder of the build, so the user's own settings stay apart.
    void fileDialogsLeaveNoSettings()
    {
        QFETCH(bool, saving);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, meanwhile);

        const QString path =
            QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName();
        QVERIFY2(path.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")) &&
                     !qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"),
                 qPrintable(path));
        QFile::remove(path);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        if (!before.isEmpty()) {
            QVERIFY(WriteBytes(path, before));
        }
        // The file should end as it was with the other program's keys added.
        QTemporaryDir dir;
        const QString expectedPath = dir.filePath(QStringLiteral("expected.conf"));
        if (!(before + meanwhile).isEmpty()) {
            QVERIFY(WriteBytes(expectedPath, before + meanwhile));
        }

        bool dialogSeen = false;
        const auto chosen = ChooseFile(saving, [&](QFileDialog& dialog) {
            dialogSeen = true;
            QFile other(path);
            if (!meanwhile.isEmpty() && other.open(QIODevice::Append)) {
                other.write(meanwhile);
            }
            dialog.reject();
        });
        QCOMPARE(chosen, std::nullopt);
        QVERIFY(dialogSeen);
        QCOMPARE(SettingsIn(path), SettingsIn(expectedPath));
    }

    void saveIntoMissingFolderIsRefused_data()
    {
        // Typed below a folder that holds the folder "folder" and the file "plain"; an empty choice
        // means the dialog warns and stays open.
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("missing folder") << "missing/ana" << QString();
        QTest::newRow("below a file") << "plain/ana" << QString();
        QTest::newRow("existing folder") << QStringLiteral("folder/ana") << "folder/ana.man";
    }

    void saveIntoMissingFolderIsRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QVERIFY(WriteBytes(dir.filePath(QStringLiteral("plain")), "x"));

        bool warned = false;
        bool stayedOpen = false;
        const auto answer = ChooseFile(true, [&](QFileDialog& dialog) {
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(dir.filePath(typed));
            QTimer::singleShot(0, &dialog, [&warned] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    warned = true;
                    box->accept();
                }
            });
            QTest::keyClick(name, Qt::Key_Return);
            stayedOpen = dialog.isVisible();
            if (stayedOpen) {
                dialog.reject();
            }
        });
        QCOMPARE(warned && stayedOpen, chosen.isEmpty());
        QCOMPARE(answer, chosen.isEmpty() ? std::nullopt : std::optional(dir.filePath(chosen)));
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
