#include "frmAlert.h"

#include "ClearTextBoxes.h"
#include "clsAlert.h"
#include "FormBuilder.h"
#include "ObjectSink.h"
#include "PairListEditor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

frmAlert::frmAlert(QWidget* owner, ObjectSink* sink) : QDialog(owner), m_sink(sink)
{
    using F = FormBuilder;
    F::setupDialog(this, QStringLiteral("frmAlert"), QStringLiteral("Alert Window"), 5265, 4335);
    F::banner(this, QStringLiteral("lblHeader"), QStringLiteral("  Add new Alert Window"));
    m_txtVarName = F::textField(this, QStringLiteral("txtVarName"), QRect(1320, 720, 3735, 285));
    F::label(this, QStringLiteral("lblVarName"), QStringLiteral("Variable Name : "),
             QRect(120, 720, 1170, 195));
    m_txtTitle = F::textField(this, QStringLiteral("txtTitle"), QRect(1320, 1080, 3735, 285));
    F::label(this, QStringLiteral("lblTitle"), QStringLiteral("Title : "), QRect(840, 1080, 450, 195));
    m_txtMsg = F::textField(this, QStringLiteral("txtMsg"), QRect(1320, 1440, 3735, 285));
    F::label(this, QStringLiteral("lblMsg"), QStringLiteral("Message : "), QRect(510, 1440, 780, 195));
    F::label(this, QStringLiteral("lblButtons"), QStringLiteral("Buttons : "), QRect(585, 1800, 705, 195));
    QTreeWidget* list = PairListEditor::createList(this, QRect(1320, 1800, 3135, 1575),
                                                   {QStringLiteral("btnName"), QStringLiteral("Button Name")},
                                                   {QStringLiteral("btnID"), QStringLiteral("Button ID")});
    auto* add = F::button(this, QStringLiteral("cmdAdd"), QStringLiteral("+"), QRect(4560, 1800, 525, 285));
    auto* rem = F::button(this, QStringLiteral("cmdRem"), QStringLiteral("-"), QRect(4560, 2160, 525, 285));
    auto* cancel =
        F::button(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), QRect(3240, 3720, 1215, 495));
    auto* ok = F::button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(960, 3720, 1215, 495));
    F::separator(this, QStringLiteral("Line1"), 3480, 5280);
    ok->setDefault(true);
    rem->setEnabled(false);
    for (QLineEdit* field : {m_txtVarName, m_txtTitle, m_txtMsg})
        field->setText(QStringLiteral("Text1"));

    const QList<QWidget*> order{m_txtVarName, m_txtTitle, m_txtMsg, list, add, rem, cancel, ok};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    // The key field of the key/value dialog becomes the caption, the value field the id.
    PairListEditor::Target target;
    target.pairs = [this]() -> const PairList& { return m_alert->buttons(); };
    target.add = [this](const QString& value, const QString& key) { m_alert->addButton(value, key); };
    target.remove = [this](qsizetype position) { m_alert->removeButton(position); };
    target.clear = [this] { m_alert->clearButtons(); };
    m_pairs = new PairListEditor(this, list, add, rem, std::move(target),
                                 {{QStringLiteral("mnuOKButton"),
                                   QStringLiteral("OK"),
                                   {clsData(QStringLiteral("OK"), QStringLiteral("btnOK"))}},
                                  {QStringLiteral("mnuOKCancel"),
                                   QStringLiteral("OK, Cancel"),
                                   {clsData(QStringLiteral("OK"), QStringLiteral("btnOK")),
                                    clsData(QStringLiteral("Cancel"), QStringLiteral("btnCancel"))}}});

    connect(ok, &QPushButton::clicked, this, &frmAlert::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &frmAlert::reject);
    Form_Load();
}

frmAlert::~frmAlert() = default;

void frmAlert::Form_Load()
{
    ClearTextBoxes(this);
    m_alert = std::make_unique<clsAlert>();
    m_pairs->refill();
    m_txtVarName->setFocus();
}

void frmAlert::loadObject(const clsAlert& object)
{
    m_alert = std::make_unique<clsAlert>(object);
    setWindowTitle(FormBuilder::editCaption(windowTitle(), object.varName()));
    findChild<QLabel*>(QStringLiteral("lblHeader"))->setText(QStringLiteral("  Edit Alert Window"));
    const AlertInput input = AlertInput::fromObject(object);
    m_txtVarName->setText(input.varName);
    m_txtTitle->setText(input.title);
    m_txtMsg->setText(input.message);
    m_pairs->refill();
}

std::unique_ptr<ModelObject> frmAlert::takeObject()
{
    if (result() != Accepted)
        return nullptr;
    return std::move(m_alert);
}

AlertInput frmAlert::readInput() const
{
    AlertInput input;
    input.varName = m_txtVarName->text();
    input.title = m_txtTitle->text();
    input.message = m_txtMsg->text();
    return input;
}

void frmAlert::cmdOK_Click()
{
    if (!m_alert)
        return;
    const AlertInput input = readInput();
    if (const std::optional<InputProblem> problem = input.validate(m_alert->buttonsCount())) {
        problem->report(this);
        return;
    }
    input.fillInto(*m_alert);
    if (m_sink)
        m_sink->addObject(std::move(m_alert));
    accept();
}
