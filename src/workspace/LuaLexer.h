#pragma once

#include <Qsci/qscilexerlua.h>

// Lua highlighting that marks Lua 5.1's keywords and its standard library and nothing else:
// the stock word lists also hold bare names such as time or format, which in a snippet are
// table keys and would look like calls.
class LuaLexer : public QsciLexerLua
{
    Q_OBJECT
public:
    explicit LuaLexer(QObject* parent = nullptr);

    // 1 the keywords, 2 the basic functions, 3 string, table and math, 4 the other libraries.
    const char* keywords(int set) const override;
};
