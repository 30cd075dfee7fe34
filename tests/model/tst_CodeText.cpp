#include "clsDisplay.h"
#include "clsTransition.h"
#include "CodeText.h"
#include "Golden.h"

#include <QtTest>

// The fields written into the Lua unquoted, checked for what they claim to be.
class tst_CodeText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fields_data();
    void fields();
    void firstFaultOfAnObject();
};

void tst_CodeText::fields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("verdict");
    for (const QStringList& row : Golden::rows("model/golden/CodeText.txt"))
        QTest::newRow(qPrintable(row.value(0) + ": " + row.value(1)))
            << row.value(0) << row.value(1) << row.value(2);
}

void tst_CodeText::fields()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, verdict);
    const std::optional<CodeText::Fault> fault = field == "font"    ? CodeText::checkFont(text)
                                                 : field == "group" ? CodeText::checkParentGroup(text)
                                                 : field == "listener"
                                                     ? CodeText::checkListener("onStart", text)
                                                 : field == "name" ? CodeText::checkPropertyName(text)
                                                                   : CodeText::checkPropertyValue("x", text);
    QCOMPARE(fault ? fault->message() : QStringLiteral("ok"), verdict);
}

// The rules apply to the fields each kind writes, in the editor's order.
void tst_CodeText::firstFaultOfAnObject()
{
    clsDisplay rect;
    rect.setDObjType(clsDisplay::Rect);
    rect.setSFontName("os.exit()"); // a rect writes no font
    QVERIFY(!CodeText::faultOf(rect));
    rect.setDObjType(clsDisplay::Text);
    QCOMPARE(CodeText::faultOf(rect)->leftOutReason(), QStringLiteral("its font is code, not a font name"));
    rect.setParGroup("g)");
    QCOMPARE(CodeText::faultOf(rect)->field, QStringLiteral("parent group"));

    clsTransition move;
    move.addProperty("1", "x");
    move.addProperty("os.exit()", "y");
    move.setOnComplete("a b");
    QCOMPARE(CodeText::faultOf(move)->field, QStringLiteral("onComplete listener"));
    move.setOnComplete("done");
    QCOMPARE(CodeText::faultOf(move)->field, QStringLiteral("value of y"));
}

QTEST_APPLESS_MAIN(tst_CodeText)
#include "tst_CodeText.moc"
