// frmAbout: what the program is, with links to the vendor's site.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace kinwise {

class LinkLabel;

class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    AboutWindow();

    QLabel* picIcon;
    QLabel* Label2;
    QLabel* Label1;
    LinkLabel* lblHomePage;
    QLabel* Label3;
    LinkLabel* lblCoBrand;
    QFrame* Line1;
    QPushButton* cmdOK;
};

// Creates the window afresh and shows it modal, with no owner.
void ShowAboutWindow();

} // namespace kinwise
