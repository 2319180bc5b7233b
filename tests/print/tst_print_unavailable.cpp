#include "ReportDocument.h"
#include "platform/QtPlatform.h"

#include <QDir>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace kinwise::test;

// CTest points CUPS_SERVER at a socket that nobody listens on, while the private queue runs.
class TestPrintUnavailable : public QObject
{
    Q_OBJECT

private slots:
    void reportsWhyNothingPrints();
};

void TestPrintUnavailable::reportsWhyNothingPrints()
{
    QVERIFY2(!qEnvironmentVariable("KINWISE_TEST_PRINT_OUTPUT").isEmpty(),
             "run through CTest, which starts the private print queue");
    QVERIFY2(QPrinterInfo::availablePrinterNames().isEmpty(),
             qPrintable(QPrinterInfo::availablePrinterNames().join(QLatin1Char(' '))));
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());

    QString error;
    const QueueState before = QueueStateNow(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // Anything written to a relative path would land here.
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(QDir::setCurrent(work.path()));

    QTextDocument document;
    FillReport(document,
               {QStringLiteral("Mayan reading for Ixchel Balam"), QStringLiteral("Day sign:"),
                QStringLiteral("Ahau"), QStringLiteral("Nothing of this reaches paper.")});
    kinwise::QtPlatform platform;
    const std::optional<QString> reason = platform.printDocument(document);
    QVERIFY(reason.has_value());
    QVERIFY(!reason->trimmed().isEmpty());

    QVERIFY(QDir(work.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    const QueueState after = QueueStateNow(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(after == before, after.jobs.constData());
}

QTEST_MAIN(TestPrintUnavailable)
#include "tst_print_unavailable.moc"
