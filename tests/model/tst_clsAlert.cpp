#include "clsAlert.h"
#include "ErrorHook.h"
#include "ExpectedText.h"

#include <QtTest>

using ExpectedText::crlf;

class tst_clsAlert : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void workedExample();
    void withoutButtons();
    void buttonsKeyedByCaption();
    void tenAndMoreButtons();
};

void tst_clsAlert::workedExample()
{
    clsAlert a;
    a.addButton(QStringLiteral("btnOK"), QStringLiteral("OK"));
    a.addButton(QStringLiteral("btnCancel"), QStringLiteral("Cancel"));
    QCOMPARE(a.codeSnippet().value_or(QString()),
             crlf({
                 "--START of AlertWindow",
                 "local onMy_untitled={}",
                 "",
                 "--START of Handling Function for AlertWindow",
                 "function onMy_untitled:completion ( event ) ",
                 "\tif \"clicked\" == event.action then ",
                 "\t\tlocal i = event.index",
                 "\t\tif  i==1 then --btnOK",
                 "\t\t\tprint ( \"Clicked btnOK\" )",
                 "\t\telseif  i==2 then --btnCancel",
                 "\t\t\tprint ( \"Clicked btnCancel\" )",
                 "\t\tend",
                 "\tend",
                 "end",
                 "--END of Handling Function for AlertWindow",
                 "",
                 "--START of Showing AlertWindow",
                 "local untitled = native.showAlert ( \"Alert Dialog Title\", \"Alert Dialog message\", "
                 "{ \"OK\", \"Cancel\" }",
                 ", onMy_untitled )",
                 "--END of Showing AlertWindow",
                 "",
                 "--END of AlertWindow",
             }));
    QCOMPARE(a.codeSnippet(GraphicsApi::V2), a.codeSnippet());
}

// No branches, and an empty table keeps the call valid Lua.
void tst_clsAlert::withoutButtons()
{
    clsAlert a;
    a.setVarName(QStringLiteral("a"));
    a.setTitle(QString());
    a.setMessage(QStringLiteral("m"));
    const QStringList lines = ExpectedText::lines(a.codeSnippet().value_or(QString()));
    QCOMPARE(lines.mid(6, 3), QStringList({"\t\tlocal i = event.index", "\tend", "end"}));
    QCOMPARE(lines.value(12), "local a = native.showAlert ( \"\", \"m\", { }");
    QCOMPARE(lines.size(), 18);
}

void tst_clsAlert::buttonsKeyedByCaption()
{
    QStringList reported;
    const ErrorHook::Handler before = ErrorHook::set([&](const QString& d) { reported.append(d); });
    clsAlert a;
    a.setVarName(QStringLiteral("a"));
    a.setTitle(QStringLiteral("T \"1\""));
    // Ids need not be unique or even given; captions must differ in more than letter case.
    // Users type Lua escapes on purpose, so texts are quoted without escaping anything.
    for (const QString pair : {"Go|x", "Yes|same", "No|same", "yes|other", "Say \"hi\"\\n|"})
        a.addButton(pair.section('|', 1), pair.section('|', 0, 0));
    ErrorHook::set(before);
    QCOMPARE(reported, QStringList{"This key is already associated with an element of this collection"});
    QVERIFY(!a.removeButton(0) && !a.removeButton(5));
    QVERIFY(a.removeButton(1));
    QCOMPARE(a.buttonsCount(), 3);
    const QStringList lines = ExpectedText::lines(a.codeSnippet().value_or(QString()));
    QCOMPARE(lines.value(19), "local a = native.showAlert ( \"T \"1\"\", \"Alert Dialog message\", "
                              "{ \"Yes\", \"No\", \"Say \"hi\"\\n\" }");
    QCOMPARE(lines.mid(7, 7),
             QStringList({"\t\tif  i==1 then --same", "\t\t\tprint ( \"Clicked same\" )",
                          "\t\telseif  i==2 then --same", "\t\t\tprint ( \"Clicked same\" )",
                          "\t\telseif  i==3 then --", "\t\t\tprint ( \"Clicked \" )", "\t\tend"}));

    a.init();
    QCOMPARE(QStringList({a.varName(), a.title(), a.message(), QString::number(a.buttonsCount())}),
             QStringList({"untitled", "Alert Dialog Title", "Alert Dialog message", "0"}));
}

// Branch numbers past 9 take two digits.
void tst_clsAlert::tenAndMoreButtons()
{
    clsAlert a;
    a.setVarName(QStringLiteral("a"));
    for (int i = 1; i <= 12; ++i)
        a.addButton(QStringLiteral("id%1").arg(i), QStringLiteral("b%1").arg(i));
    const QStringList lines = ExpectedText::lines(a.codeSnippet().value_or(QString()));
    const qsizetype ninth = lines.indexOf(QStringLiteral("\t\telseif  i==9 then --id9"));
    QVERIFY(ninth > 0);
    QCOMPARE(lines.mid(ninth + 2, 7),
             QStringList({"\t\telseif  i==10 then --id10", "\t\t\tprint ( \"Clicked id10\" )",
                          "\t\telseif  i==11 then --id11", "\t\t\tprint ( \"Clicked id11\" )",
                          "\t\telseif  i==12 then --id12", "\t\t\tprint ( \"Clicked id12\" )", "\t\tend"}));
}

QTEST_APPLESS_MAIN(tst_clsAlert)
#include "tst_clsAlert.moc"
