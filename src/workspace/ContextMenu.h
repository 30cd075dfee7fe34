#pragma once

#include <QMenu>

// The tree's right-click menu: the three editors, the About box (captioned with the maker's
// notice), Edit Object and Copy All Snippets. The window connects each entry to its handler.
class ContextMenu : public QMenu
{
    Q_OBJECT
public:
    explicit ContextMenu(QWidget* parent);

    // name: the entry's objectName ("mnuDisp", "mnuAlert", "mnuTrans", "mnuAbout", "mnuEdit",
    // "mnuCopyAll").
    QAction* entry(const QString& name) const;

private:
    void addEntry(const char* name, const QString& caption);
};
