#include "LuaLexer.h"

#include <Qsci/qsciscintilla.h>

#include <QtTest>

// The colours of the code pane: Lua 5.1's keywords and library, and nothing a snippet names.
class tst_LuaLexer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void styleOfWord_data();
    void styleOfWord();
};

void tst_LuaLexer::styleOfWord_data()
{
    QTest::addColumn<QString>("word"); // the first one in the line below
    QTest::addColumn<int>("style");
    const int name = QsciLexerLua::Identifier;
    QTest::newRow("table key time") << "time" << name;
    QTest::newRow("table key x") << "x" << name;
    QTest::newRow("table key format") << "format" << name;
    QTest::newRow("Corona's library") << "transition.to" << name;
    QTest::newRow("keyword") << "local" << int(QsciLexerLua::Keyword);
    QTest::newRow("basic function") << "print" << int(QsciLexerLua::BasicFunctions);
    QTest::newRow("string library") << "string.format" << int(QsciLexerLua::StringTableMathsFunctions);
    QTest::newRow("os library") << "os.time" << int(QsciLexerLua::CoroutinesIOSystemFacilities);
}

void tst_LuaLexer::styleOfWord()
{
    QFETCH(QString, word);
    const QString line = "local t = transition.to( hero, { time=500, x=10, format=1 } )\r\n"
                         "print( string.format( \"%d\", os.time() ) )\r\n";
    QsciScintilla pane;
    pane.setLexer(new LuaLexer(&pane));
    pane.setText(line);
    pane.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, -1);
    const auto at =
        (unsigned long)line.indexOf(QRegularExpression("\\b" + QRegularExpression::escape(word) + "\\b"));
    QVERIFY(line.contains(word));
    // Its first and last letter: a library's name and its function are one word.
    QTEST(int(pane.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, at)), "style");
    QTEST(int(pane.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, at + (unsigned long)word.size() - 1)),
          "style");
}

QTEST_MAIN(tst_LuaLexer)
#include "tst_LuaLexer.moc"
