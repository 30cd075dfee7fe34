#include "ViewMenu.h"

#include "BodiesAction.h"
#include "GraphicsTarget.h"
#include "StageDock.h"
#include "StagePane.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QComboBox>

namespace {

QString menuText(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

ViewMenu::ViewMenu(QComboBox* target, StageDock* stage, QWidget* parent)
    : QMenu(QStringLiteral("&View"), parent), m_target(target), m_stage(stage)
{
    setObjectName(QStringLiteral("mnuViewMenu"));
    addAction(stage->toggleAction());
    addAction(new BodiesAction(stage->view(), this));
    addSeparator();
    addTargetMenu();
    addScreenMenu();
}

void ViewMenu::addTargetMenu()
{
    QMenu* menu = addMenu(QStringLiteral("Graphics &Target"));
    menu->setObjectName(QStringLiteral("mnuTarget"));
    auto* group = new QActionGroup(menu);
    for (int i = 0; i < m_target->count(); ++i) {
        QAction* action = menu->addAction(menuText(m_target->itemText(i)));
        action->setObjectName(QStringLiteral("actTargetV%1").arg(int(GraphicsTarget::apiAt(i))));
        action->setCheckable(true);
        action->setChecked(i == m_target->currentIndex());
        group->addAction(action);
        connect(action, &QAction::triggered, m_target, [this, i] { m_target->setCurrentIndex(i); });
    }
    connect(m_target, &QComboBox::currentIndexChanged, group, [group](int index) {
        if (QAction* action = group->actions().value(index))
            action->setChecked(true);
    });
}

void ViewMenu::addScreenMenu()
{
    StagePane* pane = m_stage->pane();
    m_screens = pane->findChild<QComboBox*>(QStringLiteral("cboScreen"));
    m_landscape = pane->findChild<QAbstractButton*>(QStringLiteral("cmdLandscape"));
    m_fit = pane->findChild<QAbstractButton*>(QStringLiteral("cmdFit"));
    Q_ASSERT(m_screens && m_landscape && m_fit);

    m_screenMenu = addMenu(QStringLiteral("&Screen"));
    m_screenMenu->setObjectName(QStringLiteral("mnuScreen"));
    m_screenGroup = new QActionGroup(m_screenMenu);
    m_screenMenu->addSeparator();
    m_landscapeAction = m_screenMenu->addAction(QStringLiteral("&Landscape"));
    m_landscapeAction->setObjectName(QStringLiteral("actLandscape"));
    m_landscapeAction->setCheckable(true);
    connect(m_landscapeAction, &QAction::triggered, m_landscape, &QAbstractButton::setChecked);

    m_fitAction = addAction(QStringLiteral("&Fit Stage"));
    m_fitAction->setObjectName(QStringLiteral("actFitStage"));
    m_fitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(m_fitAction, &QAction::triggered, m_fit, &QAbstractButton::click);

    followScreen();
    // The stage sets its chooser quietly when it restores a screen, so the entries also look
    // again whenever they are about to be seen.
    connect(m_screens, &QComboBox::currentIndexChanged, this, &ViewMenu::followScreen);
    connect(m_landscape, &QAbstractButton::toggled, this, &ViewMenu::followScreen);
    connect(this, &QMenu::aboutToShow, this, &ViewMenu::followScreen);
    connect(m_screenMenu, &QMenu::aboutToShow, this, &ViewMenu::followScreen);

    QAction* toggle = m_stage->toggleAction();
    enableScreen(toggle->isChecked());
    connect(toggle, &QAction::toggled, this, &ViewMenu::enableScreen);
}

void ViewMenu::followScreen()
{
    while (m_screenActions.size() > m_screens->count())
        delete m_screenActions.takeLast();
    while (m_screenActions.size() < m_screens->count()) {
        const int index = int(m_screenActions.size());
        auto* action = new QAction(m_screenMenu);
        action->setObjectName(QStringLiteral("actScreen%1").arg(index));
        action->setCheckable(true);
        action->setEnabled(m_landscapeAction->isEnabled());
        m_screenGroup->addAction(action);
        m_screenMenu->insertAction(m_screenMenu->actions().value(index), action);
        // As a pick in the chooser's list, so that the stage takes it and remembers it.
        connect(action, &QAction::triggered, m_screens, [this, index] {
            m_screens->setCurrentIndex(index);
            emit m_screens->activated(index);
        });
        m_screenActions.append(action);
    }
    for (int i = 0; i < m_screenActions.size(); ++i) {
        m_screenActions.at(i)->setText(menuText(m_screens->itemText(i)));
        m_screenActions.at(i)->setChecked(i == m_screens->currentIndex());
    }
    m_landscapeAction->setChecked(m_landscape->isChecked());
}

void ViewMenu::enableScreen(bool shown)
{
    for (QAction* action : std::as_const(m_screenActions))
        action->setEnabled(shown);
    m_landscapeAction->setEnabled(shown);
    m_fitAction->setEnabled(shown);
}
