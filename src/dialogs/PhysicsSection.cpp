#include "PhysicsSection.h"

#include "clsDisplay.h"
#include "NumberReader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace {

template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

PhysicsSection::PhysicsSection(QWidget* parent)
    : QGroupBox(QStringLiteral("Physics"), parent), m_cboBody(named(new QComboBox(this), "cboBody")),
      m_txtDensity(named(new QLineEdit(this), "txtDensity")),
      m_txtFriction(named(new QLineEdit(this), "txtFriction")),
      m_txtBounce(named(new QLineEdit(this), "txtBounce")),
      m_chkSensor(named(new QCheckBox(QStringLiteral("Sensor"), this), "chkSensor")),
      m_cboShape(named(new QComboBox(this), "cboShape"))
{
    setObjectName(QStringLiteral("PhysicsSection"));
    m_cboBody->addItems({"None", "Static", "Dynamic", "Kinematic"});
    m_cboShape->addItems({"Box", "Circle"});
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Body :"), m_cboBody);
    form->addRow(QStringLiteral("Density :"), m_txtDensity);
    form->addRow(QStringLiteral("Friction :"), m_txtFriction);
    form->addRow(QStringLiteral("Bounce :"), m_txtBounce);
    form->addRow(QString(), m_chkSensor);
    form->addRow(QStringLiteral("Shape :"), m_cboShape);
    showBody(PhysicsBody());
}

void PhysicsSection::showBody(const PhysicsBody& body)
{
    m_cboBody->setCurrentIndex(body.type);
    m_txtDensity->setText(PhysicsBody::number(body.density));
    m_txtFriction->setText(PhysicsBody::number(body.friction));
    m_txtBounce->setText(PhysicsBody::number(body.bounce));
    m_chkSensor->setChecked(body.sensor);
    m_cboShape->setCurrentIndex(body.shape);
}

void PhysicsSection::setKind(int kind)
{
    // No kind picked yet: the section stays open.
    m_takesBody = clsDisplay::takesBody(kind) || kind < 0;
    setEnabled(m_takesBody);
    setToolTip(m_takesBody ? QString()
               : kind == clsDisplay::Group
                   ? QStringLiteral("A group takes no physics body: give bodies to the objects in it.")
                   : QStringLiteral("A line takes no physics body."));
}

std::optional<InputProblem> PhysicsSection::validate() const
{
    if (!m_takesBody || m_cboBody->currentIndex() <= 0)
        return std::nullopt;
    const std::optional<double> density = NumberReader::strict(m_txtDensity->text());
    if (!density || !(*density > 0))
        return InputProblem{QStringLiteral("The density has to be a number above 0"),
                            m_txtDensity->objectName()};
    const std::optional<double> friction = NumberReader::strict(m_txtFriction->text());
    if (!friction || !(*friction >= 0))
        return InputProblem{QStringLiteral("The friction has to be a number of 0 or more"),
                            m_txtFriction->objectName()};
    const std::optional<double> bounce = NumberReader::strict(m_txtBounce->text());
    if (!bounce || !(*bounce >= 0))
        return InputProblem{QStringLiteral("The bounce has to be a number of 0 or more"),
                            m_txtBounce->objectName()};
    return std::nullopt;
}

PhysicsBody PhysicsSection::body() const
{
    PhysicsBody b;
    if (!m_takesBody)
        return b;
    b.type = PhysicsBody::Type(std::max(0, m_cboBody->currentIndex()));
    b.density = NumberReader::strict(m_txtDensity->text()).value_or(b.density);
    b.friction = NumberReader::strict(m_txtFriction->text()).value_or(b.friction);
    b.bounce = NumberReader::strict(m_txtBounce->text()).value_or(b.bounce);
    b.sensor = m_chkSensor->isChecked();
    b.shape = m_cboShape->currentIndex() == 1 ? PhysicsBody::Circle : PhysicsBody::Box;
    return b;
}
