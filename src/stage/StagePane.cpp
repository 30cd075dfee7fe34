#include "StagePane.h"

#include "ContentArea.h"
#include "ProjectSession.h"
#include "StageView.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

StagePane::StagePane(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("stagePane"));
    cboScreen = new QComboBox(this);
    cboScreen->setObjectName(QStringLiteral("cboScreen"));
    cboScreen->setToolTip(tr("The device and its screen in pixels"));
    for (const StageScreen::Preset& preset : StageScreen::presets())
        cboScreen->addItem(StageScreen::presetCaption(preset));
    cmdLandscape = new QToolButton(this);
    cmdLandscape->setObjectName(QStringLiteral("cmdLandscape"));
    cmdLandscape->setText(tr("Landscape"));
    cmdLandscape->setCheckable(true);
    cmdFit = new QToolButton(this);
    cmdFit->setObjectName(QStringLiteral("cmdFit"));
    cmdFit->setText(tr("Fit"));
    cmdFit->setToolTip(tr("Scale the screen to fit (Ctrl+wheel zooms)"));

    lblProject = new QLabel(this);
    lblProject->setObjectName(QStringLiteral("lblProject"));
    lblProject->setWordWrap(true);
    lblProject->setTextFormat(Qt::PlainText);
    lblProject->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_view = new StageView(this);
    m_session = new ProjectSession(this);
    lblOutside = new QLabel(this);
    lblOutside->setObjectName(QStringLiteral("lblOutside"));
    lblOutside->setVisible(false);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addWidget(cboScreen, 1);
    bar->addWidget(cmdLandscape);
    bar->addWidget(cmdFit);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addLayout(bar);
    layout->addWidget(lblProject);
    layout->addWidget(m_view, 1);
    layout->addWidget(lblOutside);

    connect(cboScreen, &QComboBox::activated, this, &StagePane::chooseScreen);
    connect(cmdLandscape, &QToolButton::toggled, this, &StagePane::chooseScreen);
    connect(cmdFit, &QToolButton::clicked, m_view, &StageView::fit);
    connect(m_view, &StageView::outsideChanged, this, &StagePane::showOutside);
    connect(m_session, &ProjectSession::contextChanged, this, &StagePane::showProject);
    // A read of the game's files starts it as its build.settings says.
    connect(m_session, &ProjectSession::configRead, this, [this](const GameConfig& config) {
        setScreen(StageScreen(m_view->screen().presetIndex(), config.landscape));
    });
    showProject(m_session->context());
}

void StagePane::showProject(const ProjectContext& context)
{
    m_view->setProject(context);
    QString text = ContentArea::caption(context);
    if (!context.problem.isEmpty())
        text += QLatin1Char('\n') + context.problem;
    lblProject->setText(text);
    lblProject->setToolTip(text);
    lblProject->setProperty("severity", context.problem.isEmpty() ? QString() : QStringLiteral("note"));
    lblProject->setStyleSheet(
        context.problem.isEmpty()
            ? QString()
            : QStringLiteral("QLabel { background: #eef2f7; border: 1px solid #8a9bb0; }"));
}

void StagePane::setScreen(const StageScreen& screen)
{
    const QSignalBlocker blockCombo(cboScreen);
    const QSignalBlocker blockButton(cmdLandscape);
    cboScreen->setCurrentIndex(screen.presetIndex());
    cmdLandscape->setChecked(screen.isLandscape());
    m_view->setScreen(screen);
    m_session->setDevice(screen.device(), screen.isLandscape());
}

StageScreen StagePane::screen() const
{
    return m_view->screen();
}

void StagePane::chooseScreen()
{
    const StageScreen chosen(cboScreen->currentIndex(), cmdLandscape->isChecked());
    if (chosen == m_view->screen())
        return;
    m_view->setScreen(chosen);
    m_session->setDevice(chosen.device(), chosen.isLandscape());
    emit screenChanged(chosen);
}

QString StagePane::outsideNotice(int outside, int reaching)
{
    const QString lie = outside == 1 ? tr("1 object lies outside the screen")
                                     : tr("%1 objects lie outside the screen").arg(outside);
    if (reaching <= 0)
        return outside > 0 ? lie : QString();
    if (outside > 0)
        return reaching == 1 ? tr("%1, 1 reaches past its edge").arg(lie)
                             : tr("%1, %2 reach past its edge").arg(lie).arg(reaching);
    return reaching == 1 ? tr("1 object reaches past the screen's edge")
                         : tr("%1 objects reach past the screen's edge").arg(reaching);
}

void StagePane::showOutside(int outside, int reaching)
{
    lblOutside->setText(outsideNotice(outside, reaching));
    lblOutside->setVisible(outside > 0 || reaching > 0);
}
