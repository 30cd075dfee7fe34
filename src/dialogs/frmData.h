#pragma once

#include <QDialog>

class QLineEdit;

// Collects one key/value pair for the transition and alert editors. The caller shows it
// modally, asks isCancelled() and then reads the two texts.
class frmData : public QDialog
{
    Q_OBJECT
public:
    explicit frmData(QWidget* owner);

    // False after OK and until a button is pressed; true after Cancel, Esc or the close box.
    bool isCancelled() const { return m_cancelled; }
    QString keyText() const;
    QString valueText() const;
    void setKeyLimit(qsizetype characters);

    void reject() override;

private:
    void Form_Load();
    void cmdOK_Click();

    QLineEdit* m_txtKey = nullptr;
    QLineEdit* m_txtValue = nullptr;
    bool m_cancelled = false;
};
