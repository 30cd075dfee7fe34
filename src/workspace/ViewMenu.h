#pragma once

#include <QList>
#include <QMenu>

class QAbstractButton;
class QActionGroup;
class QComboBox;
class StageDock;

// The View menu: the stage's toggle, the graphics target and the stage's screen. Its entries
// mirror the controls on the toolbar and the stage, whatever changed them last.
class ViewMenu : public QMenu
{
    Q_OBJECT
public:
    ViewMenu(QComboBox* target, StageDock* stage, QWidget* parent);

private:
    void addTargetMenu();
    void addScreenMenu();
    // Makes the screen entries match the stage's chooser: one per entry, in its order and
    // with its texts, the current one checked.
    void followScreen();
    void enableScreen(bool shown);

    QComboBox* m_target;
    StageDock* m_stage;
    QComboBox* m_screens = nullptr;
    QAbstractButton* m_landscape = nullptr;
    QAbstractButton* m_fit = nullptr;
    QMenu* m_screenMenu = nullptr;
    QActionGroup* m_screenGroup = nullptr;
    QList<QAction*> m_screenActions;
    QAction* m_landscapeAction = nullptr;
    QAction* m_fitAction = nullptr;
};
