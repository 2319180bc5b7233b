#include "ui/Texts.h"

#include "engine/modMayanNumerology.h"
#include "platform/Identity.h"

#include <array>

namespace kinwise {

namespace {

struct MonthText
{
    const char* name;
    const char* use; // tells the list's entry from the word inside a written date
};

using Months = std::array<MonthText, modMayanNumerology::MonthCount>;

// Marked here so that the translation tools see them; translated when shown.
constexpr Months ListMonths{{
    QT_TRANSLATE_NOOP3("kinwise::Texts", "January", "month list"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "February", "month list"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "March", "month list"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "April", "month list"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "May", "month list"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "June", "month list"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "July", "month list"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "August", "month list"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "September", "month list"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "October", "month list"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "November", "month list"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "December", "month list"),
}};

constexpr Months DateMonths{{
    QT_TRANSLATE_NOOP3("kinwise::Texts", "January", "in a written date"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "February", "in a written date"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "March", "in a written date"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "April", "in a written date"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "May", "in a written date"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "June", "in a written date"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "July", "in a written date"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "August", "in a written date"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "September", "in a written date"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "October", "in a written date"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "November", "in a written date"),
    QT_TRANSLATE_NOOP3("kinwise::Texts", "December", "in a written date"),
}};

// English shows the engine's own month names, which the reading and its file keep.
constexpr bool SameAsEngine(const Months& months)
{
    for (std::size_t i = 0; i < months.size(); ++i) {
        if (std::string_view(months[i].name) != modMayanNumerology::MonthNames[i]) {
            return false;
        }
    }
    return true;
}
static_assert(SameAsEngine(ListMonths) && SameAsEngine(DateMonths));

QString Translated(const MonthText& month)
{
    return QCoreApplication::translate("kinwise::Texts", month.name, month.use);
}

} // namespace

QString Texts::PersonalDetails()
{
    return tr("Personal Details");
}
QString Texts::NameLabel()
{
    return tr("Name");
}
QString Texts::DateOfBirthLabel()
{
    return tr("Date of Birth");
}
QString Texts::Invitation()
{
    return tr("Enter your date of birth and know more about your lucky Mayan Day Number!");
}
QString Texts::Calculate()
{
    return tr("&Get My Mayan Numerology Reading");
}
QString Texts::OpenSaved()
{
    return tr("&Open Previously Saved Reading");
}
QString Texts::EnterYourName()
{
    return tr("Please Enter Your Name");
}
QString Texts::CorrectDateOrMonth()
{
    return tr("Please Enter Correct Date Or Month!");
}
QString Texts::CorrectDateOrMonthSpaced()
{
    return tr("Please Enter Correct Date Or Month !");
}
QString Texts::MonthInList(int month)
{
    return Translated(ListMonths.at(month - 1));
}

QString Texts::ResultFrame()
{
    return tr("Kinwise Result");
}
QString Texts::MayanDayNumber()
{
    return tr("Mayan Day Number");
}
QString Texts::Back()
{
    return tr("Back");
}
QString Texts::Save()
{
    return tr("Save");
}

QString Texts::MenuFile()
{
    return tr("&File");
}
QString Texts::MenuMayan()
{
    return tr("Get My &Mayan Astrology Sign");
}
QString Texts::MenuBack()
{
    return tr("&Back");
}
QString Texts::MenuExit()
{
    return tr("E&xit");
}
QString Texts::MenuHelp()
{
    return tr("&Help");
}
QString Texts::MenuOnline()
{
    return tr("&Online Help");
}
QString Texts::MenuVisit()
{
    return tr("&Visit Us Online");
}
QString Texts::MenuUpdate()
{
    return tr("Check for Software &Update");
}
QString Texts::MenuAbout()
{
    return tr("&About Software");
}
QString Texts::MenuDonate()
{
    return tr("&Donate");
}
QString Texts::MenuMakeMoney()
{
    return tr("Make Money &Online");
}

QString Texts::Cobrand()
{
    return tr("Co-brand this software for your site.  Increase loyalty and traffic to your site. "
              "Put your site's name &&  link here. See \"Help\" for details.    Click Here for "
              "more info on co-branding.");
}
QString Texts::FullBrand()
{
    return tr("Home Business Opportunity. Start your own Internet business and make money online. "
              "Get this software fully branded for your website. Click here for more details.");
}
QString Texts::ForumPraise()
{
    return tr("Talk it over with friendly readers in our Mayan forum!");
}
QString Texts::ForumLink()
{
    return ForumPraise() + QLatin1Char(' ') +
           tr("Click Here To Visit %1 Now.").arg(Identity::WebAddress);
}
QString Texts::SiteLink()
{
    return tr("Click Here To Visit %1 Now").arg(Identity::WebAddress);
}

QString Texts::AboutText()
{
    return tr("Kinwise generates your Day Number based on your date of birth. This is based on "
              "Mayan principles. Find more readings and news at %1.")
        .arg(Identity::WebAddress);
}
QString Texts::AboutHomePage()
{
    return tr("Click here to visit %1").arg(Identity::WebAddress);
}
QString Texts::AboutBusiness()
{
    return tr("Home Business Opportunity. Start your own Internet business and make money online. "
              "Get this software fully branded for your website.");
}
QString Texts::AboutDetails()
{
    return tr("Click here for more details.");
}
QString Texts::Ok()
{
    return tr("OK");
}

QString Texts::ReportName()
{
    return tr("Name: ");
}
QString Texts::ReportDateOfBirth()
{
    return tr("Date of Birth: ");
}
QString Texts::ReportBirthDate(const QString& englishMonth, int day, int year)
{
    QString month = englishMonth;
    for (std::size_t i = 0; i < DateMonths.size(); ++i) {
        if (englishMonth == QLatin1String(DateMonths[i].name)) {
            month = Translated(DateMonths[i]);
        }
    }
    return tr("%1 %2, %3", "birth date: month, day, year").arg(month).arg(day).arg(year);
}
QString Texts::ReportNumberHeading()
{
    return tr("Mayan Day Number / Galactic Tone");
}
QString Texts::ReportNumber()
{
    return tr("Mayan Number: ");
}
QString Texts::ReportNumberDescription()
{
    return tr("Mayan Day Number's Description: ");
}
QString Texts::ReportSignsHeading()
{
    return tr("Mayan Day Signs");
}
QString Texts::ReportSign()
{
    return tr("Mayan Day Sign: ");
}
QString Texts::ReportGemstone()
{
    return tr("Mayan Gemstone: ");
}
QString Texts::ReportKeywords()
{
    return tr("Mayan Keywords: ");
}
QString Texts::ReportSignificance()
{
    return tr("Mayan Significance: ");
}
QString Texts::ReportSignDescription()
{
    return tr("Mayan Day Sign's Description: ");
}
QString Texts::ReportOtherHeading()
{
    return tr("Other Mayan Details");
}
QString Texts::ReportSignNameInLanguage()
{
    return tr("Mayan English Name: ", "the sign's name in the reader's language");
}
QString Texts::ReportFamous()
{
    return tr("Famous Personalities born under this sign: ");
}
QString Texts::ReportFooter()
{
    return tr("Report Generated By %1").arg(Identity::SiteBaseAddress);
}
QString Texts::ReportSave()
{
    return tr("&Save");
}
QString Texts::ReportPrint()
{
    return tr("&Print");
}

QString Texts::SaveFilter()
{
    return tr("Rich Text Format (*.man)");
}
QString Texts::OpenTitle()
{
    return tr("Select the source file");
}
QString Texts::OpenFilter()
{
    return tr("Mayan Astrology (*.man)");
}
QString Texts::CheckTheFile()
{
    return tr("Please Check The File.");
}
QString Texts::SaveFailed(const QString& path, const QString& reason)
{
    return tr("The reading could not be saved to %1.\n\n%2").arg(path, reason);
}
QString Texts::OpenFailed(const QString& path, const QString& reason)
{
    return tr("The file %1 could not be read.\n\n%2").arg(path, reason);
}
QString Texts::PrintFailed(const QString& reason)
{
    return tr("The report could not be printed.\n\n%1").arg(reason);
}

QString Texts::AlreadyRunning()
{
    return tr("Application is already running");
}
QString Texts::UpdateQuestion()
{
    return tr("There maybe an update to this software available\rDo you want to check for an "
              "update?");
}

} // namespace kinwise
