#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: logo, title, version, a description and the maker's notice; OK closes it
// and "System Info..." starts the system information tool.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

private Q_SLOTS:
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void Form_Load();

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};
