#include "frmTrans.h"

#include "ClearTextBoxes.h"
#include "clsTransition.h"
#include "CodeText.h"
#include "Easing.h"
#include "FormBuilder.h"
#include "ObjectSink.h"
#include "PairListEditor.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {
clsData changeThis(const char* name)
{
    return clsData(QString::fromLatin1(name), QStringLiteral("change_this"));
}
} // namespace

frmTrans::frmTrans(QWidget* owner, ObjectSink* sink) : QDialog(owner), m_sink(sink)
{
    using F = FormBuilder;
    F::setupDialog(this, QStringLiteral("frmTrans"), QStringLiteral("Transitions"), 5265, 5835);
    setWindowIcon(F::glyphIcon(QStringLiteral("\u00bb")));
    F::banner(this, QStringLiteral("lblHeader"), QStringLiteral("  Add new Transition"));
    m_txtVarName = F::textField(this, QStringLiteral("txtVarName"), QRect(1320, 720, 3735, 285));
    F::label(this, QStringLiteral("lblVarName"), QStringLiteral("Variable Name : "),
             QRect(120, 720, 1170, 195));
    m_txtDuration = F::textField(this, QStringLiteral("txtDuration"), QRect(1320, 1080, 3735, 285));
    F::label(this, QStringLiteral("lblDuration"), QStringLiteral("Duration : "), QRect(525, 1080, 765, 195));
    m_txtDelay = F::textField(this, QStringLiteral("txtDelay"), QRect(1320, 1440, 3735, 285));
    F::label(this, QStringLiteral("lblDelay"), QStringLiteral("Delay : "), QRect(735, 1440, 555, 195));
    m_txtOnStart = F::textField(this, QStringLiteral("txtOnStart"), QRect(1320, 1800, 3735, 285));
    F::label(this, QStringLiteral("lblOnStart"), QStringLiteral("onStart :"), QRect(645, 1800, 645, 195));
    m_txtOnComplete = F::textField(this, QStringLiteral("txtOnComplete"), QRect(1320, 2160, 3735, 285));
    F::label(this, QStringLiteral("lblOnComplete"), QStringLiteral("onComplete : "),
             QRect(285, 2160, 1005, 195));
    auto* ok = F::button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(960, 5220, 1215, 495));
    auto* cancel =
        F::button(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), QRect(3240, 5220, 1215, 495));
    auto* rem = F::button(this, QStringLiteral("cmdRem"), QStringLiteral("-"), QRect(4560, 3240, 525, 285));
    auto* add = F::button(this, QStringLiteral("cmdAdd"), QStringLiteral("+"), QRect(4560, 2880, 525, 285));
    QTreeWidget* list = PairListEditor::createList(
        this, QRect(1320, 2880, 3135, 1575), {QStringLiteral("propName"), QStringLiteral("Property Name")},
        {QStringLiteral("propID"), QStringLiteral("Property ID")});
    F::label(this, QStringLiteral("lblProperties"), QStringLiteral("Properties : "),
             QRect(405, 2880, 885, 195));
    m_optFrom = new QRadioButton(QStringLiteral("From"), this);
    m_optFrom->setObjectName(QStringLiteral("optFrom"));
    m_optFrom->setGeometry(F::rect(1320, 2520, 1215, 255));
    F::label(this, QStringLiteral("lblTransition"), QStringLiteral("transition : "),
             QRect(420, 2520, 825, 195));
    m_optTo = new QRadioButton(QStringLiteral("To"), this);
    m_optTo->setObjectName(QStringLiteral("optTo"));
    m_optTo->setGeometry(F::rect(2640, 2520, 1215, 255));
    auto* direction = new QButtonGroup(this);
    direction->addButton(m_optFrom);
    direction->addButton(m_optTo);
    F::label(this, QStringLiteral("lblEasing"), QStringLiteral("Easing : "), QRect(405, 4560, 885, 195));
    m_cboEasing = new QComboBox(this);
    m_cboEasing->setObjectName(QStringLiteral("cboEasing"));
    m_cboEasing->setGeometry(F::rect(1320, 4560, 3135, 315));
    m_cboEasing->addItems(Easing::names());
    F::separator(this, QStringLiteral("Line1"), 4980, 5280);
    ok->setDefault(true);
    rem->setEnabled(false);
    for (QLineEdit* field : {m_txtVarName, m_txtDuration, m_txtDelay, m_txtOnStart, m_txtOnComplete})
        field->setText(QStringLiteral("Text1"));

    const QList<QWidget*> order{m_txtVarName, m_txtDuration, m_txtDelay, m_txtOnStart, m_txtOnComplete,
                                ok,           cancel,        rem,        add,          list,
                                m_optFrom,    m_optTo,       m_cboEasing};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    PairListEditor::Target target;
    target.pairs = [this]() -> const PairList& { return m_transition->properties(); };
    target.add = [this](const QString& value, const QString& key) { m_transition->addProperty(value, key); };
    target.remove = [this](qsizetype position) { m_transition->removeProperty(position); };
    target.clear = [this] { m_transition->clearProperties(); };
    target.keyLimit = TextLimits::name;
    m_pairs = new PairListEditor(
        this, list, add, rem, std::move(target),
        {{QStringLiteral("mnuPos"), QStringLiteral("Position"), {changeThis("x"), changeThis("y")}},
         {QStringLiteral("mnuVis"), QStringLiteral("Visibility"), {changeThis("alpha")}},
         {QStringLiteral("mnuPosVis"),
          QStringLiteral("Pos+Visibility"),
          {changeThis("x"), changeThis("y"), changeThis("alpha")}}});

    connect(ok, &QPushButton::clicked, this, &frmTrans::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &frmTrans::reject);
    Form_Load();
}

frmTrans::~frmTrans() = default;

void frmTrans::Form_Load()
{
    ClearTextBoxes(this);
    m_transition = std::make_unique<clsTransition>();
    m_optTo->setChecked(true);
    m_cboEasing->setCurrentIndex(0);
    m_pairs->refill();
    m_txtVarName->setFocus();
}

void frmTrans::loadObject(const clsTransition& object)
{
    m_transition = std::make_unique<clsTransition>(object);
    setWindowTitle(FormBuilder::editCaption(windowTitle(), object.varName()));
    findChild<QLabel*>(QStringLiteral("lblHeader"))->setText(QStringLiteral("  Edit Transition"));
    showInput(TransitionInput::fromObject(object));
    m_pairs->refill();
}

std::unique_ptr<ModelObject> frmTrans::takeObject()
{
    if (result() != Accepted)
        return nullptr;
    return std::move(m_transition);
}

void frmTrans::showInput(const TransitionInput& input)
{
    m_txtVarName->setText(input.varName);
    m_txtDuration->setText(input.duration);
    m_txtDelay->setText(input.delay);
    m_txtOnStart->setText(input.onStart);
    m_txtOnComplete->setText(input.onComplete);
    (input.from ? m_optFrom : m_optTo)->setChecked(true);
    m_cboEasing->setCurrentIndex(std::max(0, int(Easing::names().indexOf(input.easing))));
}

TransitionInput frmTrans::readInput() const
{
    TransitionInput input;
    input.varName = m_txtVarName->text();
    input.duration = m_txtDuration->text();
    input.delay = m_txtDelay->text();
    input.onStart = m_txtOnStart->text();
    input.onComplete = m_txtOnComplete->text();
    input.from = m_optFrom->isChecked();
    input.easing = m_cboEasing->currentIndex() > 0 ? m_cboEasing->currentText() : QString();
    return input;
}

void frmTrans::cmdOK_Click()
{
    if (!m_transition)
        return;
    const TransitionInput input = readInput();
    if (const std::optional<InputProblem> problem = input.validate()) {
        problem->report(this);
        return;
    }
    // The first pair whose name or value is code, selected so that the user sees which.
    qsizetype row = 0;
    for (const clsData& p : m_transition->properties()) {
        std::optional<CodeText::Fault> fault = CodeText::checkPropertyName(p.clsKey());
        if (!fault)
            fault = CodeText::checkPropertyValue(p.clsKey(), p.clsValue());
        if (fault) {
            auto* list = findChild<QTreeWidget*>(QStringLiteral("lv1"));
            list->setCurrentItem(list->topLevelItem(int(row)));
            InputProblem{fault->message(), list->objectName()}.report(this);
            return;
        }
        ++row;
    }
    input.fillInto(*m_transition);
    if (m_sink)
        m_sink->addObject(std::move(m_transition));
    accept();
}
