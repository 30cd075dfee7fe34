#pragma once

#include "TransitionInput.h"

#include <QDialog>

#include <memory>

class ModelObject;
class ObjectSink;
class PairListEditor;
class QComboBox;
class QLineEdit;
class QRadioButton;
class clsTransition;

// The transition editor: fills a new transition and hands it to the sink on OK.
class frmTrans : public QDialog
{
    Q_OBJECT
public:
    frmTrans(QWidget* owner, ObjectSink* sink);
    ~frmTrans() override;

    // The transition being built, until OK hands it over (nullptr afterwards).
    const clsTransition* transition() const { return m_transition.get(); }
    // Edits a copy of the transition, pairs included; see frmDisplay::loadObject.
    void loadObject(const clsTransition& object);
    std::unique_ptr<ModelObject> takeObject();

private:
    void Form_Load();
    void cmdOK_Click();
    TransitionInput readInput() const;
    void showInput(const TransitionInput& input);

    ObjectSink* m_sink;
    std::unique_ptr<clsTransition> m_transition;
    PairListEditor* m_pairs = nullptr;
    QLineEdit* m_txtVarName = nullptr;
    QLineEdit* m_txtDuration = nullptr;
    QLineEdit* m_txtDelay = nullptr;
    QLineEdit* m_txtOnStart = nullptr;
    QLineEdit* m_txtOnComplete = nullptr;
    QRadioButton* m_optFrom = nullptr;
    QRadioButton* m_optTo = nullptr;
    QComboBox* m_cboEasing = nullptr;
};
