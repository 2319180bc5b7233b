#include "platform/QtPrinting.h"

#include "platform/PdfReport.h"
#include "platform/PrintingModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPluginLoader>

#include <variant>

namespace kinwise {

namespace {

// The installed module sits with the program's own libraries, found from the program's folder
// so that any prefix works; an uninstalled one in a "kinwise" folder on Qt's plugin paths, which
// hold the program's folder and QT_PLUGIN_PATH.
QString ModuleFileName()
{
    const QString installed =
        QCoreApplication::applicationDirPath() +
        QStringLiteral("/" KINWISE_PRINTING_MODULE_DIR "/kinwise_printing.so");
    return QFileInfo(installed).isFile() ? installed : QStringLiteral("kinwise/kinwise_printing");
}

// The module, loaded once at the first print or PDF, or the reason it cannot be.
std::variant<PrintingModule*, QString> Module()
{
    static QPluginLoader loader(ModuleFileName());
    if (auto* module = qobject_cast<PrintingModule*>(loader.instance())) {
        return module;
    }
    return QCoreApplication::translate("kinwise::Printing",
                                       "The printing part of the program could not be loaded: %1")
        .arg(loader.errorString());
}

// What the call on the module gives, or the reason the module cannot be loaded.
template <typename Result, typename Call> Result WithModule(Call call)
{
    const auto module = Module();
    if (const auto* failure = std::get_if<QString>(&module)) {
        return *failure;
    }
    return call(*std::get<PrintingModule*>(module));
}

} // namespace

std::optional<QString> PrintOnDefaultPrinter(const QTextDocument& document)
{
    return WithModule<std::optional<QString>>(
        [&](PrintingModule& module) { return module.printOnDefaultPrinter(document); });
}

std::variant<QByteArray, QString> ReportAsPdf(const QTextDocument& document, const QString& title)
{
    return WithModule<std::variant<QByteArray, QString>>(
        [&](PrintingModule& module) { return module.reportAsPdf(document, title); });
}

} // namespace kinwise
