#pragma once

#include "InputProblem.h"
#include "PhysicsBody.h"

#include <QGroupBox>

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The display editor's "Physics" section: the body the object gets in the code.
class PhysicsSection : public QGroupBox
{
    Q_OBJECT
public:
    explicit PhysicsSection(QWidget* parent);

    void showBody(const PhysicsBody& body);
    // Disabled, with a tool tip saying why, for a kind that takes no body.
    void setKind(int kind);
    // The first refusal; nothing while no body is chosen or the kind takes none.
    std::optional<InputProblem> validate() const;
    // Expects input that validates; a body of None when none is chosen.
    PhysicsBody body() const;

private:
    QComboBox* m_cboBody;
    QLineEdit* m_txtDensity;
    QLineEdit* m_txtFriction;
    QLineEdit* m_txtBounce;
    QCheckBox* m_chkSensor;
    QComboBox* m_cboShape;
    bool m_takesBody = true;
};
