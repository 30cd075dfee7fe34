#include "WorkspaceToolbar.h"

#include <QAction>
#include <QLabel>
#include <QVBoxLayout>

WorkspaceToolbar::WorkspaceToolbar(QWidget* parent) : QToolBar(QStringLiteral("Toolbar1"), parent)
{
    setObjectName(QStringLiteral("Toolbar1"));
    setMovable(false);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setIconSize(QSize(32, 32));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

    struct Button
    {
        const char* key;
        const char* caption;
        const char* toolTip;
        const char* picture;
        QKeySequence shortcut;
    };
    // A null key is a separator. Copy comes last, so the first entries keep their places.
    const Button buttons[] = {
        {"display", "Display", "Display Object", ":/toolbar/display.svg", QKeySequence(Qt::CTRL | Qt::Key_1)},
        {"alert", "Alert", "Alert Window", ":/toolbar/alert.svg", QKeySequence(Qt::CTRL | Qt::Key_2)},
        {"trans", "Transition", "Transition", ":/toolbar/transition.svg", QKeySequence(Qt::CTRL | Qt::Key_3)},
        {nullptr, nullptr, nullptr, nullptr, {}},
        {"delete", "Delete", "Delete Object", ":/toolbar/delete.svg", QKeySequence(Qt::Key_Delete)},
        {nullptr, nullptr, nullptr, nullptr, {}},
        {"about", "About", "About Box", ":/toolbar/about.svg", QKeySequence(Qt::Key_F1)},
        {nullptr, nullptr, nullptr, nullptr, {}},
        {"copy", "Copy", "Copy Snippet", ":/toolbar/copy.svg",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
    };
    for (const Button& b : buttons) {
        if (!b.key) {
            addSeparator();
            continue;
        }
        QAction* action = addAction(QIcon(QString::fromLatin1(b.picture)), QString::fromLatin1(b.caption));
        action->setObjectName(QString::fromLatin1(b.key));
        action->setShortcut(b.shortcut);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(QString::fromLatin1(b.toolTip),
                                                         b.shortcut.toString(QKeySequence::NativeText)));
    }
    // Delete is also the code pane's own key; it deletes an object only from the tree.
    button(QStringLiteral("delete"))->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    button(QStringLiteral("copy"))->setEnabled(false);
}

QAction* WorkspaceToolbar::button(const QString& key) const
{
    return findChild<QAction*>(key);
}

void WorkspaceToolbar::addCaptioned(QWidget* control, const QString& caption, const QString& boxName)
{
    addSeparator();
    auto* box = new QWidget(this);
    box->setObjectName(boxName);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(1);
    control->setParent(box);
    auto* label = new QLabel(caption, box);
    label->setAlignment(Qt::AlignHCenter);
    box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    layout->addStretch();
    layout->addWidget(control);
    layout->addWidget(label);
    addWidget(box);
}
