#pragma once

#include <QString>
#include <QStringView>

// Builds generated Lua one line at a time: tabs for indentation, CR LF after every line.
class LineWriter
{
public:
    // Writes `tabs` tab characters, the pieces, then CR LF.
    template <typename... Pieces> LineWriter& line(int tabs, const Pieces&... pieces)
    {
        m_text.append(QString(tabs, QLatin1Char('\t')));
        (m_text.append(pieces), ...);
        m_text.append(QLatin1String("\r\n"));
        return *this;
    }
    // An unindented line.
    template <typename... Pieces> LineWriter& operator()(const Pieces&... pieces)
    {
        return line(0, pieces...);
    }
    // An empty line: a lone CR LF.
    LineWriter& blank() { return line(0); }
    // Text without a line end; the next line() continues it.
    LineWriter& part(const QString& text)
    {
        m_text.append(text);
        return *this;
    }

    const QString& text() const { return m_text; }

private:
    QString m_text;
};
