#include "QtPlatform.h"
#include "ReportDocument.h"

#include <QFileInfo>
#include <QPrinterInfo>
#include <QTest>
#include <QTextDocument>

using namespace kinwise::test;

// CTest runs this with the private queue as the default printer, but where the print module can
// be found neither beside the executable nor on the library path: Print must say so, not succeed.
class TestPrintModuleMissing : public QObject
{
    Q_OBJECT

private slots:
    void saysPrintingIsNotAvailable();
};

void TestPrintModuleMissing::saysPrintingIsNotAvailable()
{
    QVERIFY2(!qEnvironmentVariable("KINWISE_TEST_PRINT_OUTPUT").isEmpty(),
             "run through CTest, which starts the private print queue");
    QVERIFY2(!QPrinterInfo::defaultPrinter().isNull(), "the private queue should be the default");
    const QFileInfo before(qEnvironmentVariable("KINWISE_TEST_PRINT_OUTPUT"));

    QTextDocument document;
    FillReport(document, {QStringLiteral("Mayan reading for Ixchel Balam"),
                          QStringLiteral("Day sign:"), QStringLiteral("Ahau"),
                          QStringLiteral("Nothing of this reaches paper.")});
    kinwise::QtPlatform platform;
    for (int attempt = 0; attempt < 2; ++attempt) { // the second from the remembered failure
        const std::optional<QString> reason = platform.printDocument(document);
        QVERIFY2(reason.has_value(), "printed without the print module");
        QVERIFY2(reason->startsWith(QStringLiteral("Printing is not available: ")),
                 qPrintable(*reason));
        QVERIFY2(reason->contains(QStringLiteral("kinwise_printing")), qPrintable(*reason));
    }

    QTest::qWait(500); // a job, had one gone out, would have reached the file by now
    const QFileInfo after(qEnvironmentVariable("KINWISE_TEST_PRINT_OUTPUT"));
    QCOMPARE(after.exists(), before.exists());
    QCOMPARE(after.lastModified(), before.lastModified());
}

QTEST_MAIN(TestPrintModuleMissing)
#include "tst_print_module_missing.moc"
