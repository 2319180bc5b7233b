// frmSave: a reading laid out as a formatted report, to print or save.
#pragma once

#include "engine/modMayanNumerology.h"
#include "platform/Platform.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace kinwise {

class BrandPanel;
class LinkLabel;

class ReportWindow : public QDialog
{
    Q_OBJECT

public:
    ReportWindow(QWidget* resultWindow, const Reading& reading);

    LinkLabel* Label14;
    LinkLabel* Label1;
    QTextEdit* RTB;
    QPushButton* cmdSave;
    QPushButton* cmdPrint;
    BrandPanel* fraFullBrand;
    // The save dialog, which has no visible area of its own.
    FileDialogRequest CD;

private:
    void print();
    void saveAsPdf();

    Reading m_reading;
};

// Appends the report of the reading to the box, in the box's font.
void BuildReport(QTextEdit* box, const Reading& reading);

} // namespace kinwise
