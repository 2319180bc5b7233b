// The program's own captions and messages, in one place. Each is looked up when it is asked for,
// so that it comes in the language that start-up loaded.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace kinwise {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(kinwise::Texts)

public:
    // Main window
    static QString PersonalDetails();
    static QString NameLabel();
    static QString DateOfBirthLabel();
    static QString Invitation();
    static QString Calculate();
    static QString OpenSaved();
    static QString EnterYourName();
    static QString CorrectDateOrMonth();
    static QString CorrectDateOrMonthSpaced();
    // The month list's entry for month 1..12; the reading keeps the English name.
    static QString MonthInList(int month);

    // Result window
    static QString ResultFrame();
    static QString MayanDayNumber();
    static QString Back();
    static QString Save();

    // Menus
    static QString MenuFile();
    static QString MenuMayan();
    static QString MenuBack();
    static QString MenuExit();
    static QString MenuHelp();
    static QString MenuOnline();
    static QString MenuVisit();
    static QString MenuUpdate();
    static QString MenuAbout();
    static QString MenuDonate();
    static QString MenuMakeMoney();

    // Branding panel and links
    static QString Cobrand();
    static QString FullBrand();
    static QString ForumPraise();
    static QString ForumLink();
    static QString SiteLink();

    // About window
    static QString AboutText();
    static QString AboutHomePage();
    static QString AboutBusiness();
    static QString AboutDetails();
    static QString Ok();

    // Report window
    static QString ReportName();
    static QString ReportDateOfBirth();
    // The birth date as the report writes it; an unknown month name is written as it is.
    static QString ReportBirthDate(const QString& englishMonth, int day, int year);
    static QString ReportNumberHeading();
    static QString ReportNumber();
    static QString ReportNumberDescription();
    static QString ReportSignsHeading();
    static QString ReportSign();
    static QString ReportGemstone();
    static QString ReportKeywords();
    static QString ReportSignificance();
    static QString ReportSignDescription();
    static QString ReportOtherHeading();
    static QString ReportSignNameInLanguage();
    static QString ReportFamous();
    static QString ReportFooter();
    static QString ReportSave();
    static QString ReportPrint();

    // Reading files and printing
    static QString SaveFilter();
    static QString OpenTitle();
    static QString OpenFilter();
    static QString CheckTheFile();
    static QString SaveFailed(const QString& path, const QString& reason);
    static QString OpenFailed(const QString& path, const QString& reason);
    static QString PrintFailed(const QString& reason);

    // Start-up
    static QString AlreadyRunning();
    static QString UpdateQuestion();
};

} // namespace kinwise
