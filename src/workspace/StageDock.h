#pragma once

#include <QDockWidget>
#include <QList>

class ModelObject;
class QAction;
class QMainWindow;
class StagePane;
class StageView;

// The stage in a dock on the window's right, with the toolbar entry that shows and hides it.
// Whether it is shown and the screen chosen are remembered in the settings.
class StageDock : public QDockWidget
{
    Q_OBJECT
public:
    explicit StageDock(QMainWindow* window);

    // "Stage" (F2), checked while the stage shows; the window puts it on its toolbar.
    QAction* toggleAction() const { return m_toggle; }
    StagePane* pane() const { return m_pane; }
    StageView* view() const;

    // The window grows by the stage's width, so that the tree and the code pane keep theirs.
    void setShown(bool shown);
    // Shows the stage when the last run ended with it shown.
    void restore();
    // A hidden stage does no work and keeps no pointers into the collection.
    bool wantsObjects() const;
    void showObjects(const QList<const ModelObject*>& objects, qsizetype selected);

signals:
    // The stage is about to show and needs the workspace's objects.
    void objectsWanted();

protected:
    // The dock's own close button hides it as the toolbar entry would.
    void closeEvent(QCloseEvent* event) override;

private:
    void setShownByUser(bool shown);
    void updateWindowMinimum();
    // The narrowest a docked stage gets, its separator included.
    int stageMinimum() const;

    QMainWindow* m_window;
    StagePane* m_pane = nullptr;
    QAction* m_toggle = nullptr;
    int m_growth = 0;         // the width the window gained for the stage, given back on hiding
    int m_windowMinimum = -1; // the window's own minimum width, without the stage
};
