#pragma once

#include "AlertInput.h"

#include <QDialog>

#include <memory>

class ModelObject;
class ObjectSink;
class PairListEditor;
class QLineEdit;
class clsAlert;

// The alert window editor: fills a new alert and hands it to the sink on OK.
class frmAlert : public QDialog
{
    Q_OBJECT
public:
    frmAlert(QWidget* owner, ObjectSink* sink);
    ~frmAlert() override;

    // The alert being built, until OK hands it over (nullptr afterwards).
    const clsAlert* alert() const { return m_alert.get(); }
    // Edits a copy of the alert, buttons included; see frmDisplay::loadObject.
    void loadObject(const clsAlert& object);
    std::unique_ptr<ModelObject> takeObject();

private:
    void Form_Load();
    void cmdOK_Click();
    AlertInput readInput() const;

    ObjectSink* m_sink;
    std::unique_ptr<clsAlert> m_alert;
    PairListEditor* m_pairs = nullptr;
    QLineEdit* m_txtVarName = nullptr;
    QLineEdit* m_txtTitle = nullptr;
    QLineEdit* m_txtMsg = nullptr;
};
