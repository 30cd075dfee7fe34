#include "ContextMenu.h"

#include "WorkspaceStatusBar.h"

ContextMenu::ContextMenu(QWidget* parent) : QMenu(QStringLiteral("popupMenu"), parent)
{
    setObjectName(QStringLiteral("mnuContext"));
    addEntry("mnuDisp", QStringLiteral("Add Display"));
    addEntry("mnuAlert", QStringLiteral("Add Alert"));
    addEntry("mnuTrans", QStringLiteral("Add Transition"));
    addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    // A maker named "A & B" must not turn into a keyboard shortcut.
    addEntry("mnuAbout", WorkspaceStatusBar::makerNotice().replace(QLatin1Char('&'), QStringLiteral("&&")));
    addEntry("mnuEdit", QStringLiteral("Edit Object"));
    addSeparator()->setObjectName(QStringLiteral("mnuSepCopy"));
    addEntry("mnuCopyAll", QStringLiteral("Copy All Snippets"));
}

QAction* ContextMenu::entry(const QString& name) const
{
    return findChild<QAction*>(name);
}

void ContextMenu::addEntry(const char* name, const QString& caption)
{
    addAction(caption)->setObjectName(QString::fromLatin1(name));
}
