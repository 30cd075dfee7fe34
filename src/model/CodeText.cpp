#include "CodeText.h"

#include "clsDisplay.h"
#include "clsTransition.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

std::optional<CodeText::Fault> faultIf(bool broken, const QString& field, const char* kind,
                                       const QString& text)
{
    if (!broken)
        return std::nullopt;
    return CodeText::Fault{field, QString::fromLatin1(kind), text};
}

// A recursive-descent reader of the screen expressions; each step moves m_at past what it read.
class ExpressionReader
{
public:
    explicit ExpressionReader(const QString& text) : m_text(text) {}

    bool readsWhole() { return sum() && (skipBlanks(), m_at == m_text.size()); }

private:
    void skipBlanks()
    {
        while (m_at < m_text.size() && (m_text.at(m_at) == u' ' || m_text.at(m_at) == u'\t'))
            ++m_at;
    }
    bool take(QChar c)
    {
        skipBlanks();
        if (m_at < m_text.size() && m_text.at(m_at) == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    bool sum()
    {
        if (!product())
            return false;
        while (take(u'+') || take(u'-')) {
            if (!product())
                return false;
        }
        return true;
    }
    bool product()
    {
        if (!factor())
            return false;
        while (take(u'*') || take(u'/')) {
            if (!factor())
                return false;
        }
        return true;
    }
    bool factor()
    {
        if (take(u'-'))
            return factor();
        if (take(u'('))
            return sum() && take(u')');
        skipBlanks();
        static const QRegularExpression word(QStringLiteral("\\G(?:[A-Za-z_][A-Za-z0-9_]*\\.[A-Za-z_]+|"
                                                            "0[xX][0-9A-Fa-f]+|"
                                                            "(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)"));
        const QRegularExpressionMatch match = word.match(m_text, m_at);
        if (!match.hasMatch())
            return false;
        const QString found = match.captured();
        m_at += found.size();
        return found.front().isDigit() || found.front() == u'.' || isScreenSize(found);
    }
    static bool isScreenSize(const QString& name)
    {
        static const QSet<QString> sizes{QStringLiteral("display.contentWidth"),
                                         QStringLiteral("display.contentHeight"),
                                         QStringLiteral("display.contentCenterX"),
                                         QStringLiteral("display.contentCenterY"),
                                         QStringLiteral("display.screenOriginX"),
                                         QStringLiteral("display.screenOriginY"),
                                         QStringLiteral("display.actualContentWidth"),
                                         QStringLiteral("display.actualContentHeight"),
                                         QStringLiteral("display.viewableContentWidth"),
                                         QStringLiteral("display.viewableContentHeight"),
                                         QStringLiteral("display.safeScreenOriginX"),
                                         QStringLiteral("display.safeScreenOriginY"),
                                         QStringLiteral("display.safeActualContentWidth"),
                                         QStringLiteral("display.safeActualContentHeight")};
        return sizes.contains(name);
    }

    const QString& m_text;
    qsizetype m_at = 0;
};

} // namespace

QString CodeText::Fault::message() const
{
    return QStringLiteral("The %1 is not %2: %3").arg(field, kind, text);
}

QString CodeText::Fault::leftOutReason() const
{
    return QStringLiteral("its %1 is code, not %2").arg(field, kind);
}

bool CodeText::isLuaKeyword(const QString& text)
{
    static const QSet<QString> keywords{
        QStringLiteral("and"),    QStringLiteral("break"),  QStringLiteral("do"),
        QStringLiteral("else"),   QStringLiteral("elseif"), QStringLiteral("end"),
        QStringLiteral("false"),  QStringLiteral("for"),    QStringLiteral("function"),
        QStringLiteral("if"),     QStringLiteral("in"),     QStringLiteral("local"),
        QStringLiteral("nil"),    QStringLiteral("not"),    QStringLiteral("or"),
        QStringLiteral("repeat"), QStringLiteral("return"), QStringLiteral("then"),
        QStringLiteral("true"),   QStringLiteral("until"),  QStringLiteral("while")};
    return keywords.contains(text);
}

bool CodeText::isLuaName(const QString& text)
{
    static const QRegularExpression name(QStringLiteral("\\A[A-Za-z_][A-Za-z0-9_]*\\z"));
    return name.match(text).hasMatch() && !isLuaKeyword(text);
}

bool CodeText::isDottedName(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    return std::all_of(parts.cbegin(), parts.cend(), [](const QString& part) { return isLuaName(part); });
}

bool CodeText::isQuotedText(const QString& text)
{
    if (text.size() < 2 || (text.front() != u'"' && text.front() != u'\'') || text.back() != text.front())
        return false;
    for (qsizetype i = 1; i < text.size() - 1; ++i) {
        const QChar c = text.at(i);
        if (c == text.front() || c == u'\n' || c == u'\r')
            return false;
        if (c == u'\\' && ++i == text.size() - 1)
            return false; // the closing quote is escaped
    }
    return true;
}

bool CodeText::isNumber(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("\\A-?(?:0[xX][0-9A-Fa-f]+|(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)\\z"));
    return number.match(text).hasMatch();
}

bool CodeText::isScreenExpression(const QString& text)
{
    // Two minus signs in a row start a Lua comment.
    return !text.contains(QLatin1String("--")) && ExpressionReader(text).readsWhole();
}

bool CodeText::isFontName(const QString& text)
{
    const QString font = text.trimmed();
    return isQuotedText(font) || font == QLatin1String("native.systemFont") ||
           font == QLatin1String("native.systemFontBold") || isLuaName(font);
}

bool CodeText::isPropertyValue(const QString& text)
{
    const QString value = text.trimmed();
    return isNumber(value) || isQuotedText(value) || value == QLatin1String("true") ||
           value == QLatin1String("false") || isDottedName(value) || isScreenExpression(value);
}

std::optional<CodeText::Fault> CodeText::checkFont(const QString& text)
{
    return faultIf(!text.trimmed().isEmpty() && !isFontName(text), QStringLiteral("font"), "a font name",
                   text);
}

std::optional<CodeText::Fault> CodeText::checkParentGroup(const QString& text)
{
    return faultIf(!text.trimmed().isEmpty() && !isDottedName(text.trimmed()), QStringLiteral("parent group"),
                   "a Lua name", text);
}

std::optional<CodeText::Fault> CodeText::checkListener(const QString& which, const QString& text)
{
    return faultIf(!text.trimmed().isEmpty() && !isLuaName(text.trimmed()),
                   which + QStringLiteral(" listener"), "a Lua name", text);
}

std::optional<CodeText::Fault> CodeText::checkPropertyName(const QString& text)
{
    // An empty name is a gap, not code; the Lua check names it.
    return faultIf(!text.trimmed().isEmpty() && !isLuaName(text.trimmed()), QStringLiteral("property name"),
                   "a Lua name", text);
}

std::optional<CodeText::Fault> CodeText::checkPropertyValue(const QString& name, const QString& text)
{
    return faultIf(!text.trimmed().isEmpty() && !isPropertyValue(text), QStringLiteral("value of ") + name,
                   "a number, text, name or screen expression", text);
}

std::optional<CodeText::Fault> CodeText::faultOf(const ModelObject& object)
{
    switch (object.kind()) {
    case ObjectKind::Display: {
        const auto& d = static_cast<const clsDisplay&>(object);
        if (auto fault = checkParentGroup(d.parGroup()))
            return fault;
        // Only a text label writes its font.
        return d.dObjType() == clsDisplay::Text ? checkFont(d.sFontName()) : std::nullopt;
    }
    case ObjectKind::Transition: {
        const auto& t = static_cast<const clsTransition&>(object);
        if (auto fault = checkListener(QStringLiteral("onStart"), t.onStart()))
            return fault;
        if (auto fault = checkListener(QStringLiteral("onComplete"), t.onComplete()))
            return fault;
        for (const clsData& p : t.properties()) {
            if (auto fault = checkPropertyName(p.clsKey()))
                return fault;
            if (auto fault = checkPropertyValue(p.clsKey(), p.clsValue()))
                return fault;
        }
        return std::nullopt;
    }
    case ObjectKind::Alert:
        break;
    }
    return std::nullopt;
}
