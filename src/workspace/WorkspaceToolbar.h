#pragma once

#include <QToolBar>

// The main window's toolbar: Display, Alert, Transition, Delete, About and Copy, each with its
// picture, key and tool tip. The window connects each button to its handler.
class WorkspaceToolbar : public QToolBar
{
    Q_OBJECT
public:
    explicit WorkspaceToolbar(QWidget* parent);

    // key: the button's objectName ("display", "alert", "trans", "delete", "about", "copy").
    QAction* button(const QString& key) const;
    // Adds control after a separator, captioned below like the buttons, so that it sits level
    // with them. boxName: the objectName of the box that holds control and caption.
    void addCaptioned(QWidget* control, const QString& caption, const QString& boxName);
};
