#pragma once

#include <QString>
#include <QUrl>

// Where the documentation of a word of the generated Lua lives: Solar2D's pages for its
// libraries, types and events, Lua's manual for Lua's own functions.
class ApiDocs
{
public:
    // The page of a word as it stands in code ("display.newRect", "hero:setFillColor",
    // "event.phase", "print"); the API's index for a word without a page.
    static QUrl pageFor(const QString& word);
    // Whether the word has a page of its own (or its library's, for easing).
    static bool hasPage(const QString& word);
    // The dotted word (letters, digits, "_", "." and ":") around position `at` of the line.
    static QString wordAt(const QString& line, qsizetype at);
    static QUrl index();

private:
    static QString pathFor(const QString& word);
};
