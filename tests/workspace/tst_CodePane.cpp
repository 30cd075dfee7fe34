#include "CodePane.h"
#include "Golden.h"

#include <Qsci/qsciscintilla.h>

#include <QtTest>

class tst_CodePane : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keysThatLeave();
};

void tst_CodePane::keysThatLeave()
{
    QWidget client;
    auto* pane = new CodePane(&client);
    QString went;
    connect(pane, &CodePane::escapePressed, this, [&went] { went += "tree"; });
    connect(pane, &CodePane::tabPressed, this,
            [&went](bool forward) { went += forward ? "forward" : "back"; });
    for (const QStringList& row : Golden::rows("workspace/golden/CodePaneKeys.txt")) {
        const QKeyCombination keys = QKeySequence::fromString(row.value(0))[0];
        QVERIFY2(keys.key() != Qt::Key_unknown, qPrintable(row.value(0)));
        went.clear();
        QTest::keyClick(pane->editor(), keys.key(), keys.keyboardModifiers());
        QCOMPARE(went.isEmpty() ? QStringLiteral("pane") : went, row.value(1));
    }
}

QTEST_MAIN(tst_CodePane)
#include "tst_CodePane.moc"
