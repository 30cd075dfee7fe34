#include "clsAlert.h"
#include "ErrorHook.h"
#include "ExpectedText.h"

#include <QtTest>

class tst_clsAlert : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buttonsKeyedByCaption();
};

void tst_clsAlert::buttonsKeyedByCaption()
{
    QStringList reported;
    const ErrorHook::Handler before = ErrorHook::set([&](const QString& d) { reported.append(d); });
    clsAlert a;
    a.setVarName(QStringLiteral("a"));
    a.setTitle(QStringLiteral("T \"1\""));
    // Ids need not be unique or even given; captions must differ in more than letter case.
    for (const QString pair : {"Go|x", "Yes|same", "No|same", "yes|other", "Say \"hi\"\\n|"})
        a.addButton(pair.section('|', 1), pair.section('|', 0, 0));
    ErrorHook::set(before);
    QCOMPARE(reported, QStringList{"This key is already associated with an element of this collection"});
    QVERIFY(!a.removeButton(0) && !a.removeButton(5));
    QVERIFY(a.removeButton(1));
    QCOMPARE(a.buttonsCount(), 3);
    const QStringList lines = ExpectedText::lines(a.codeSnippet().value_or(QString()));
    QCOMPARE(
        lines.value(19),
        R"(local a = native.showAlert ( "T \"1\"", "Alert Dialog message", { "Yes", "No", "Say \"hi\"\n" })");
    QCOMPARE(lines.mid(7, 7),
             QStringList({"\t\tif  i==1 then --same", "\t\t\tprint ( \"Clicked same\" )",
                          "\t\telseif  i==2 then --same", "\t\t\tprint ( \"Clicked same\" )",
                          "\t\telseif  i==3 then --", "\t\t\tprint ( \"Clicked \" )", "\t\tend"}));
    // Graphics 2.0 writes no empty comment, so that no line ends in a blank.
    QCOMPARE(ExpectedText::lines(a.codeSnippet(GraphicsApi::V2).value_or(QString())).mid(7, 3),
             QStringList({"\t\telseif i == 3 then", "\t\t\tprint( \"Clicked \" )", "\t\tend"}));

    a.init();
    QCOMPARE(QStringList({a.varName(), a.title(), a.message(), QString::number(a.buttonsCount())}),
             QStringList({"untitled", "Alert Dialog Title", "Alert Dialog message", "0"}));
}

QTEST_APPLESS_MAIN(tst_clsAlert)
#include "tst_clsAlert.moc"
