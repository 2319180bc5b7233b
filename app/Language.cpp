#include "app/Language.h"

#include "ui/ReadingCommands.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <array>

// Q_INIT_RESOURCE declares a function and so must be used outside any namespace.
static void RegisterKinwiseTranslations()
{
    Q_INIT_RESOURCE(kinwise_app_translations);
    Q_INIT_RESOURCE(kinwise_app_plurals);
}

namespace kinwise {

namespace {

namespace engine = modMayanNumerology;

struct Translation
{
    QLocale::Language language;
    const char* code; // of translations/kinwise_<code>.ts and Qt's qtbase_<code>.qm
    engine::Language catalogue;
};

// Add a language here, with its .ts file and the engine's catalogue in that language.
constexpr std::array Translations{
    Translation{QLocale::Spanish, "es", engine::Language::Spanish},
};

void Install(const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace

void LoadDesktopLanguage()
{
    RegisterKinwiseTranslations();
    // The English plural forms ("1 bar", "2 bars"); a language loaded below comes before them.
    Install(QStringLiteral("kinwise_en"), QStringLiteral(":/i18n"));
    const QStringList languages = QLocale::system().uiLanguages();
    if (languages.isEmpty()) {
        return;
    }
    const QLocale::Language first = QLocale(languages.first()).language();
    for (const Translation& translation : Translations) {
        if (translation.language == first) {
            const QString code = QString::fromLatin1(translation.code);
            // The translator installed last is asked first: the program's own words for some of
            // Qt's texts come before Qt's.
            Install(QStringLiteral("qtbase_") + code,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            Install(QStringLiteral("kinwise_") + code, QStringLiteral(":/i18n"));
            SetCatalogueLanguage(translation.catalogue);
            return;
        }
    }
}

} // namespace kinwise
