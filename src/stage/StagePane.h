#pragma once

#include "StageScreen.h"

#include <QWidget>

class QComboBox;
class QLabel;
class ProjectSession;
class QToolButton;
class StageView;
struct ProjectContext;

// The stage with its screen chooser and the notice about objects off the screen.
class StagePane : public QWidget
{
    Q_OBJECT
public:
    explicit StagePane(QWidget* parent = nullptr);

    // Room for a phone screen at a readable size beside the code pane.
    QSize sizeHint() const override { return {380, 560}; }

    StageView* view() const { return m_view; }
    // The game behind the stage; it follows the screen chosen here.
    ProjectSession* session() const { return m_session; }
    void setScreen(const StageScreen& screen);
    StageScreen screen() const;

    // "2 objects lie outside the screen, 1 reaches past its edge"; empty for none.
    static QString outsideNotice(int outside, int reaching);

signals:
    void screenChanged(const StageScreen& screen);

private:
    void chooseScreen();
    void showOutside(int outside, int reaching);
    void showProject(const ProjectContext& context);

    StageView* m_view = nullptr;
    QComboBox* cboScreen = nullptr;
    QToolButton* cmdLandscape = nullptr;
    QToolButton* cmdFit = nullptr;
    QLabel* lblOutside = nullptr;
    QLabel* lblProject = nullptr;
    ProjectSession* m_session = nullptr;
};
