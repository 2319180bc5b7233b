// The program's own captions and messages, in one place.
#pragma once

#include "platform/Identity.h"

#include <QString>

namespace kinwise::Texts {

// Main window
inline const QString PersonalDetails = QStringLiteral("Personal Details");
inline const QString NameLabel = QStringLiteral("Name");
inline const QString DateOfBirthLabel = QStringLiteral("Date of Birth");
inline const QString Invitation =
    QStringLiteral("Enter your date of birth and know more about your lucky Mayan Day Number!");
inline const QString Calculate = QStringLiteral("&Get My Mayan Numerology Reading");
inline const QString OpenSaved = QStringLiteral("&Open Previously Saved Reading");
inline const QString EnterYourName = QStringLiteral("Please Enter Your Name");
inline const QString CorrectDateOrMonth = QStringLiteral("Please Enter Correct Date Or Month!");
inline const QString CorrectDateOrMonthSpaced =
    QStringLiteral("Please Enter Correct Date Or Month !");

// Result window
inline const QString ResultFrame = QStringLiteral("Kinwise Result");
inline const QString MayanDayNumber = QStringLiteral("Mayan Day Number");
inline const QString Back = QStringLiteral("Back");
inline const QString Save = QStringLiteral("Save");

// Menus
inline const QString MenuFile = QStringLiteral("&File");
inline const QString MenuMayan = QStringLiteral("Get My &Mayan Astrology Sign");
inline const QString MenuBack = QStringLiteral("&Back");
inline const QString MenuExit = QStringLiteral("E&xit");
inline const QString MenuHelp = QStringLiteral("&Help");
inline const QString MenuOnline = QStringLiteral("&Online Help");
inline const QString MenuVisit = QStringLiteral("&Visit Us Online");
inline const QString MenuUpdate = QStringLiteral("Check for Software &Update");
inline const QString MenuAbout = QStringLiteral("&About Software");
inline const QString MenuDonate = QStringLiteral("&Donate");
inline const QString MenuMakeMoney = QStringLiteral("Make Money &Online");

// Branding panel and links
inline const QString Cobrand = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.");
inline const QString FullBrand = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.");
inline const QString ForumPraise =
    QStringLiteral("Talk it over with friendly readers in our Mayan forum!");
inline const QString ForumLink = ForumPraise + QStringLiteral(" Click Here To Visit ") +
                                 Identity::WebAddress + QStringLiteral(" Now.");
inline const QString SiteLink =
    QStringLiteral("Click Here To Visit ") + Identity::WebAddress + QStringLiteral(" Now");

// About window
inline const QString AboutText =
    QStringLiteral("Kinwise generates your Day Number based on your date of birth. This is based "
                   "on Mayan principles. Find more readings and news at ") +
    Identity::WebAddress + QStringLiteral(".");
inline const QString AboutHomePage = QStringLiteral("Click here to visit ") + Identity::WebAddress;
inline const QString AboutBusiness = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website.");
inline const QString AboutDetails = QStringLiteral("Click here for more details.");
inline const QString Ok = QStringLiteral("OK");

// Start-up
inline const QString AlreadyRunning = QStringLiteral("Application is already running");

} // namespace kinwise::Texts
