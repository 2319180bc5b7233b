// frmMain: where a reading is asked for.
#pragma once

#include "ui/TopWindow.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kinwise {

class BrandPanel;
class LinkLabel;

class MainWindow : public TopWindow
{
    Q_OBJECT

public:
    MainWindow();

    QGroupBox* Frame1;
    std::array<QLabel*, 3> Label1;
    QLineEdit* txtName;
    QComboBox* cboMonth;
    QComboBox* cboDate;
    QComboBox* cboYear;
    QPushButton* cmdCalculate;
    QPushButton* cmdOpen;
    LinkLabel* Label14;
    BrandPanel* fraFullBrand;

    // The calculate command of the button and of File > Get My Mayan Astrology Sign.
    void calculate();
    bool ValidateRequest();
    // Puts the four texts of a reading file into the request and calculates.
    void openSavedReading();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildRequestFrame();
    void buildMenuBar();
    void setTabOrder();
    void fillLists();
};

} // namespace kinwise
