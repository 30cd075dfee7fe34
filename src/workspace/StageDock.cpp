#include "StageDock.h"

#include "StagePane.h"
#include "StageScreen.h"
#include "StageView.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QStyle>

namespace {

const QString shownKey = QStringLiteral("stage/shown");
const QString screenKey = QStringLiteral("stage/screen");
const QString landscapeKey = QStringLiteral("stage/landscape");

} // namespace

StageDock::StageDock(QMainWindow* window) : QDockWidget(QStringLiteral("Stage"), window), m_window(window)
{
    setObjectName(QStringLiteral("stageDock"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    m_pane = new StagePane(this);
    QSettings settings;
    const int preset = StageScreen::presetIndex(settings.value(screenKey).toString());
    m_pane->setScreen(StageScreen(std::max(preset, 0), settings.value(landscapeKey, false).toBool()));
    setWidget(m_pane);
    connect(m_pane, &StagePane::screenChanged, this, [](const StageScreen& screen) {
        QSettings settings;
        settings.setValue(screenKey, screen.name());
        settings.setValue(landscapeKey, screen.isLandscape());
    });

    m_toggle = new QAction(QIcon(QStringLiteral(":/toolbar/stage.svg")), QStringLiteral("Stage"), this);
    m_toggle->setObjectName(QStringLiteral("stageToggle"));
    m_toggle->setCheckable(true);
    m_toggle->setShortcut(QKeySequence(Qt::Key_F2));
    m_toggle->setToolTip(
        QStringLiteral("Stage preview (%1)").arg(m_toggle->shortcut().toString(QKeySequence::NativeText)));
    connect(m_toggle, &QAction::triggered, this, &StageDock::setShownByUser);

    window->addDockWidget(Qt::RightDockWidgetArea, this);
    hide();
    connect(this, &QDockWidget::topLevelChanged, this, &StageDock::updateWindowMinimum);
}

StageView* StageDock::view() const
{
    return m_pane->view();
}

void StageDock::restore()
{
    // Hidden at the first start, so that the window opens as designed.
    if (QSettings().value(shownKey, false).toBool())
        setShown(true);
}

void StageDock::setShownByUser(bool shown)
{
    setShown(shown);
    QSettings().setValue(shownKey, shown);
}

void StageDock::setShown(bool shown)
{
    m_toggle->setChecked(shown);
    if (shown == !isHidden())
        return;
    const bool free = !m_window->isMaximized() && !m_window->isFullScreen() && !isFloating();
    if (shown) {
        emit objectsWanted();
        // The window grows by the stage's width as far as the screen allows; short of that the
        // stage takes its width from the code pane, down to the pane's minimum, and where even
        // that leaves too little it opens floating.
        int room = sizeHint().width();
        if (free && m_window->screen()) {
            updateWindowMinimum();
            const int frame = std::max(0, m_window->frameGeometry().width() - m_window->width());
            const int available = m_window->screen()->availableGeometry().width() - frame;
            room = std::clamp(available - m_window->width(), 0, room);
            if (m_windowMinimum + stageMinimum() > available)
                setFloating(true);
        }
        show();
        if (free && !isFloating()) {
            m_growth = room;
            m_window->resize(m_window->width() + m_growth, m_window->height());
        }
        updateWindowMinimum();
    } else {
        hide();
        view()->setObjects({});
        updateWindowMinimum();
        if (free && m_growth > 0)
            m_window->resize(m_window->width() - m_growth, m_window->height());
        m_growth = 0;
    }
}

void StageDock::updateWindowMinimum()
{
    // The window's minimum was made for the panes alone; a docked stage would otherwise take
    // its width from the code pane, hiding the pane's right edge and scroll bar.
    if (m_windowMinimum < 0) {
        m_windowMinimum = m_window->minimumWidth();
        // And the window's layout takes the room from the stage, not from the panes.
        if (QWidget* panes = m_window->centralWidget())
            panes->setMinimumWidth(m_windowMinimum);
    }
    const int stage = !isHidden() && !isFloating() ? stageMinimum() : 0;
    m_window->setMinimumWidth(m_windowMinimum + stage);
}

int StageDock::stageMinimum() const
{
    return minimumSizeHint().width() +
           m_window->style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, m_window);
}

bool StageDock::wantsObjects() const
{
    return !isHidden() || m_toggle->isChecked();
}

void StageDock::showObjects(const QList<const ModelObject*>& objects, qsizetype selected)
{
    if (!wantsObjects())
        return;
    view()->setObjects(objects);
    view()->setSelectedPosition(selected);
}

void StageDock::closeEvent(QCloseEvent* event)
{
    event->ignore();
    setShownByUser(false);
}
