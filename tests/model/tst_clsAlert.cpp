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
    void buttons_data();
    void buttons();
    void duplicateCaptionReported();
    void removeRenumbersAndInit();
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
                 "--START of Showing AlertWindow",
                 "local untitled = native.showAlert ( \"Alert Dialog Title\", \"Alert Dialog message\", "
                 "{ \"OK\", \"Cancel\" }",
                 ", onMy_untitled )",
                 "--END of Showing AlertWindow",
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
                 "--END of AlertWindow",
             }));
}

void tst_clsAlert::withoutButtons()
{
    clsAlert a;
    a.setVarName(QStringLiteral("a"));
    a.setTitle(QString());
    a.setMessage(QStringLiteral("m"));
    QCOMPARE(a.codeSnippet().value_or(QString()), crlf({
                                                      "--START of AlertWindow",
                                                      "local onMy_a={}",
                                                      "",
                                                      "--START of Showing AlertWindow",
                                                      "local a = native.showAlert ( \"\", \"m\", { }",
                                                      ", onMy_a )",
                                                      "--END of Showing AlertWindow",
                                                      "",
                                                      "--START of Handling Function for AlertWindow",
                                                      "function onMy_a:completion ( event ) ",
                                                      "\tif \"clicked\" == event.action then ",
                                                      "\t\tlocal i = event.index",
                                                      "\tend",
                                                      "end",
                                                      "--END of Handling Function for AlertWindow",
                                                      "",
                                                      "--END of AlertWindow",
                                                  }));
}

void tst_clsAlert::buttons_data()
{
    QTest::addColumn<QStringList>("pairs"); // caption, id, caption, id ...
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("chain"); // from the first branch to the chain's "end"
    // clang-format off
    QTest::newRow("one button") << QStringList{"OK", "btnOK"} << "{ \"OK\" }"
        << QStringList{"\t\tif  i==1 then --btnOK", "\t\t\tprint ( \"Clicked btnOK\" )", "\t\tend"};
    QTest::newRow("same id, empty id, quote") << QStringList{"Yes", "same", "No", "same", "Say \"hi\"", ""}
        << "{ \"Yes\", \"No\", \"Say \"hi\"\" }"
        << QStringList{"\t\tif  i==1 then --same", "\t\t\tprint ( \"Clicked same\" )",
                       "\t\telseif  i==2 then --same", "\t\t\tprint ( \"Clicked same\" )",
                       "\t\telseif  i==3 then --", "\t\t\tprint ( \"Clicked \" )", "\t\tend"};
    // clang-format on
    QStringList ten, captions;
    for (int n = 1; n <= 10; ++n) {
        ten << QString::number(n) << QStringLiteral("id%1").arg(n);
        captions << QStringLiteral("\"%1\"").arg(n);
    }
    QTest::newRow("ten buttons") << ten << "{ " + captions.join(", ") + " }"
                                 << QStringList{"\t\telseif  i==10 then --id10",
                                                "\t\t\tprint ( \"Clicked id10\" )", "\t\tend"};
}

void tst_clsAlert::buttons()
{
    QFETCH(QStringList, pairs);
    QFETCH(QString, table);
    QFETCH(QStringList, chain);
    clsAlert a;
    a.setVarName(QStringLiteral("a"));
    a.setTitle(QStringLiteral("T \"1\""));
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
        a.addButton(pairs.at(i + 1), pairs.at(i));
    QCOMPARE(a.buttonsCount(), pairs.size() / 2);
    const QStringList lines = ExpectedText::lines(a.codeSnippet().value_or(QString()));
    QCOMPARE(lines.value(4), "local a = native.showAlert ( \"T \"1\"\", \"Alert Dialog message\", " + table);
    // Five lines follow the chain's "end": the two closing "end"s, the END banner, an empty line, the last
    // banner.
    QCOMPARE(lines.mid(lines.size() - 5 - chain.size(), chain.size()), chain);
}

void tst_clsAlert::duplicateCaptionReported()
{
    QStringList reported;
    const ErrorHook::Handler before = ErrorHook::set([&](const QString& d) { reported.append(d); });
    clsAlert a;
    a.addButton(QStringLiteral("btnOK"), QStringLiteral("OK"));
    a.addButton(QStringLiteral("other"), QStringLiteral("ok"));
    ErrorHook::set(before);
    QCOMPARE(reported, QStringList{"This key is already associated with an element of this collection"});
    QCOMPARE(a.buttonsCount(), 1);
    QCOMPARE(a.buttons().at(1), clsData(QStringLiteral("OK"), QStringLiteral("btnOK")));
}

void tst_clsAlert::removeRenumbersAndInit()
{
    clsAlert a;
    for (const char* caption : {"One", "Two", "Three"})
        a.addButton(QStringLiteral("id") + QString::fromLatin1(caption), QString::fromLatin1(caption));
    QVERIFY(!a.removeButton(0));
    QCOMPARE(a.buttonsCount(), 3);
    QVERIFY(a.removeButton(1));
    const QStringList lines = ExpectedText::lines(a.codeSnippet().value_or(QString()));
    QVERIFY(lines.contains(QStringLiteral("\t\tif  i==1 then --idTwo")));
    QVERIFY(lines.contains(QStringLiteral("\t\telseif  i==2 then --idThree")));
    QVERIFY(!lines.join('\n').contains(QStringLiteral("One")));

    a.setVarName(QStringLiteral("x"));
    a.setTitle(QStringLiteral("t"));
    a.setMessage(QStringLiteral("m"));
    a.init();
    QCOMPARE(a.ObjType(), QStringLiteral("Alert"));
    QCOMPARE(QStringList({a.varName(), a.title(), a.message()}),
             QStringList({"untitled", "Alert Dialog Title", "Alert Dialog message"}));
    QCOMPARE(a.buttonsCount(), 0);
    a.addButton(QStringLiteral("again"), QStringLiteral("Two"));
    a.clearButtons();
    QCOMPARE(a.buttonsCount(), 0);
}

QTEST_APPLESS_MAIN(tst_clsAlert)
#include "tst_clsAlert.moc"
