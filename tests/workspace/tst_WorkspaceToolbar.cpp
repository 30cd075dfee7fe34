#include "Golden.h"
#include "WorkspaceToolbar.h"

#include <QAction>
#include <QtTest>

class tst_WorkspaceToolbar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buttons();
};

void tst_WorkspaceToolbar::buttons()
{
    WorkspaceToolbar toolbar(nullptr);
    const QList<QAction*> actions = toolbar.actions();
    const QList<QStringList> rows = Golden::rows("workspace/golden/Toolbar.txt");
    QCOMPARE(actions.size(), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList& row = rows.at(i);
        QAction* action = actions.at(i);
        QCOMPARE(action->isSeparator() ? QStringLiteral("-") : action->objectName(), row.value(0).trimmed());
        if (action->isSeparator())
            continue;
        QCOMPARE(toolbar.button(row.value(0)), action);
        QCOMPARE(action->text(), row.value(1));
        QCOMPARE(action->shortcut().toString(QKeySequence::NativeText), row.value(2));
        QCOMPARE(action->toolTip(), row.value(3));
    }
    // Delete is also the code pane's key; Copy waits for text to copy.
    QCOMPARE(toolbar.button("delete")->shortcutContext(), Qt::WidgetWithChildrenShortcut);
    QVERIFY(!toolbar.button("copy")->isEnabled());
}

QTEST_MAIN(tst_WorkspaceToolbar)
#include "tst_WorkspaceToolbar.moc"
