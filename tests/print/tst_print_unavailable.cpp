#include "ReportDocument.h"

#include <QDir>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace kinwise::test;

// CTest points CUPS_SERVER at a socket that nobody listens on, while the private queue runs.
class TestPrintUnavailable : public QObject
{
    Q_OBJECT

private slots:
    void reportsWhyNothingPrints()
    {
        QVERIFY2(!qEnvironmentVariable("KINWISE_TEST_PRINT_OUTPUT").isEmpty(),
                 "run through CTest, which starts the private print queue");
        QVERIFY2(QPrinterInfo::availablePrinterNames().isEmpty(),
                 qPrintable(QPrinterInfo::availablePrinterNames().join(QLatin1Char(' '))));
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());

        // Anything written to a relative path would land here.
        QTemporaryDir work;
        QVERIFY(work.isValid());
        QVERIFY(QDir::setCurrent(work.path()));

        const FailedPrint print = PrintThatFails();
        QVERIFY2(print.wrong.isEmpty(), qPrintable(print.wrong));
        QVERIFY(print.reason.has_value());
        QVERIFY(!print.reason->trimmed().isEmpty());
        QVERIFY(QDir(work.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }
};

QTEST_MAIN(TestPrintUnavailable)
#include "tst_print_unavailable.moc"
