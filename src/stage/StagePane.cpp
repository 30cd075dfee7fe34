#include "StagePane.h"

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
    cboScreen->setToolTip(tr("Content size of the device"));
    for (const StageScreen::Preset& preset : StageScreen::presets())
        cboScreen->addItem(
            QStringLiteral("%1  %2 \u00d7 %3").arg(preset.name).arg(preset.width).arg(preset.height));
    cmdLandscape = new QToolButton(this);
    cmdLandscape->setObjectName(QStringLiteral("cmdLandscape"));
    cmdLandscape->setText(tr("Landscape"));
    cmdLandscape->setCheckable(true);
    cmdFit = new QToolButton(this);
    cmdFit->setObjectName(QStringLiteral("cmdFit"));
    cmdFit->setText(tr("Fit"));
    cmdFit->setToolTip(tr("Scale the screen to fit (Ctrl+wheel zooms)"));

    m_view = new StageView(this);
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
    layout->addWidget(m_view, 1);
    layout->addWidget(lblOutside);

    connect(cboScreen, &QComboBox::activated, this, &StagePane::chooseScreen);
    connect(cmdLandscape, &QToolButton::toggled, this, &StagePane::chooseScreen);
    connect(cmdFit, &QToolButton::clicked, m_view, [this] { m_view->setZoom(1); });
    connect(m_view, &StageView::outsideCountChanged, this, &StagePane::showOutside);
}

void StagePane::setScreen(const StageScreen& screen)
{
    const QSignalBlocker blockCombo(cboScreen);
    const QSignalBlocker blockButton(cmdLandscape);
    cboScreen->setCurrentIndex(screen.presetIndex());
    cmdLandscape->setChecked(screen.isLandscape());
    m_view->setScreen(screen);
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
    emit screenChanged(chosen);
}

QString StagePane::outsideNotice(int count)
{
    if (count <= 0)
        return QString();
    if (count == 1)
        return tr("1 object lies outside the screen");
    return tr("%1 objects lie outside the screen").arg(count);
}

void StagePane::showOutside(int count)
{
    lblOutside->setText(outsideNotice(count));
    lblOutside->setVisible(count > 0);
}
