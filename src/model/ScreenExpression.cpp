#include "ScreenExpression.h"

#include <cmath>

namespace {

struct Token
{
    enum Kind
    {
        Number,
        Name,
        Op,
        Open,
        Close
    } kind;
    QString text;
    bool unary = false;
};

// Splits the text; nothing when a character or name is not allowed (error says which).
std::optional<QList<Token>> tokens(const QString& text, QString& error)
{
    QList<Token> list;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (c.isDigit() || c == QLatin1Char('.')) {
            qsizetype end = i;
            while (end < text.size() && text.at(end).isDigit())
                ++end;
            if (end < text.size() && text.at(end) == QLatin1Char('.')) {
                ++end;
                while (end < text.size() && text.at(end).isDigit())
                    ++end;
            }
            if (end - i == 1 && c == QLatin1Char('.')) {
                error = QStringLiteral("a lone \".\"");
                return std::nullopt;
            }
            list.append({Token::Number, text.mid(i, end - i)});
            i = end;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            qsizetype end = i;
            while (end < text.size() &&
                   (text.at(end).isLetterOrNumber() || text.at(end) == QLatin1Char('_') ||
                    text.at(end) == QLatin1Char('.')))
                ++end;
            const QString name = text.mid(i, end - i);
            if (!ScreenExpression::names().contains(name)) {
                error = QStringLiteral("the name \"%1\" is not one of the screen's").arg(name);
                return std::nullopt;
            }
            list.append({Token::Name, name});
            i = end;
        } else if (QStringLiteral("+-*/").contains(c)) {
            list.append({Token::Op, QString(c)});
            ++i;
        } else if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
            list.append({c == QLatin1Char('(') ? Token::Open : Token::Close, QString(c)});
            ++i;
        } else {
            error = QStringLiteral("the character \"%1\"").arg(c);
            return std::nullopt;
        }
    }
    return list;
}

// Recursive descent over the tokens: sum := product (+|- product)*, product := factor
// (*|/ factor)*, factor := - factor | number | name | ( sum ).
class Parser
{
public:
    Parser(QList<Token>& list, const QHash<QString, double>* values) : m_list(list), m_values(values) {}

    std::optional<double> whole()
    {
        const std::optional<double> value = sum();
        if (value && m_at != m_list.size())
            return fail(QStringLiteral("\"%1\" where an operator belongs").arg(m_list.at(m_at).text));
        return value;
    }
    QString error;

private:
    std::optional<double> fail(const QString& text)
    {
        if (error.isEmpty())
            error = text;
        return std::nullopt;
    }
    bool isOp(const char* ops) const
    {
        return m_at < m_list.size() && m_list.at(m_at).kind == Token::Op &&
               QLatin1String(ops).contains(m_list.at(m_at).text);
    }
    std::optional<double> sum()
    {
        std::optional<double> value = product();
        while (value && isOp("+-")) {
            const bool plus = m_list.at(m_at++).text == QLatin1String("+");
            const std::optional<double> next = product();
            if (!next)
                return std::nullopt;
            value = plus ? *value + *next : *value - *next;
        }
        return value;
    }
    std::optional<double> product()
    {
        std::optional<double> value = factor();
        while (value && isOp("*/")) {
            const bool times = m_list.at(m_at++).text == QLatin1String("*");
            const std::optional<double> next = factor();
            if (!next)
                return std::nullopt;
            value = times ? *value * *next : *value / *next;
        }
        return value;
    }
    std::optional<double> factor()
    {
        if (m_at >= m_list.size())
            return fail(QStringLiteral("it ends where a value belongs"));
        // A file may nest thousands deep; the parser's stack must not.
        if (++m_depth > maxDepth)
            return fail(QStringLiteral("more than %1 parentheses or signs in a row").arg(maxDepth));
        const std::optional<double> value = factorAt(m_list[m_at++]);
        --m_depth;
        return value;
    }
    std::optional<double> factorAt(Token& token)
    {
        switch (token.kind) {
        case Token::Number:
            return token.text.toDouble();
        case Token::Name:
            return m_values ? m_values->value(token.text) : 0.0;
        case Token::Open: {
            const std::optional<double> value = sum();
            if (!value)
                return std::nullopt;
            if (m_at >= m_list.size() || m_list.at(m_at).kind != Token::Close)
                return fail(QStringLiteral("a \"(\" is not closed"));
            ++m_at;
            return value;
        }
        case Token::Op:
            if (token.text == QLatin1String("-")) {
                token.unary = true;
                const std::optional<double> value = factor();
                return value ? std::optional<double>(-*value) : std::nullopt;
            }
            [[fallthrough]];
        default:
            return fail(QStringLiteral("\"%1\" where a value belongs").arg(token.text));
        }
    }

    QList<Token>& m_list;
    const QHash<QString, double>* m_values;
    qsizetype m_at = 0;
    int m_depth = 0;
    static constexpr int maxDepth = 100;
};

QString joined(const QList<Token>& list)
{
    QString text;
    for (const Token& token : list) {
        if (token.kind == Token::Op && !token.unary)
            text += QLatin1Char(' ') + token.text + QLatin1Char(' ');
        else
            text += token.text;
    }
    return text;
}

} // namespace

const QStringList& ScreenExpression::names()
{
    static const QStringList list = [] {
        QStringList result;
        for (const char* name :
             {"contentWidth", "contentHeight", "contentCenterX", "contentCenterY", "screenOriginX",
              "screenOriginY", "actualContentWidth", "actualContentHeight", "viewableContentWidth",
              "viewableContentHeight", "safeScreenOriginX", "safeScreenOriginY", "safeActualContentWidth",
              "safeActualContentHeight"})
            result.append(QStringLiteral("display.") + QLatin1String(name));
        return result;
    }();
    return list;
}

ScreenExpression::Parsed ScreenExpression::parse(const QString& text)
{
    QString error;
    std::optional<QList<Token>> list = tokens(text, error);
    if (!list)
        return {QString(), error};
    if (list->isEmpty())
        return {QString(), QStringLiteral("it is empty")};
    Parser parser(*list, nullptr);
    if (!parser.whole())
        return {QString(), parser.error};
    return {joined(*list), QString()};
}

std::optional<double> ScreenExpression::evaluate(const QString& text, const QHash<QString, double>& values)
{
    QString error;
    std::optional<QList<Token>> list = tokens(text, error);
    if (!list)
        return std::nullopt;
    Parser parser(*list, &values);
    const std::optional<double> value = parser.whole();
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

QString ScreenExpression::nudged(const QString& text, double delta)
{
    QString error;
    std::optional<QList<Token>> list = tokens(text, error);
    if (!list || delta == 0)
        return text;
    Parser(*list, nullptr).whole(); // marks the unary minus signs
    int depth = 0;
    qsizetype lastSign = -1; // the last binary + or - outside parentheses
    for (qsizetype i = 0; i < list->size(); ++i) {
        const Token& token = list->at(i);
        depth += token.kind == Token::Open ? 1 : token.kind == Token::Close ? -1 : 0;
        if (depth == 0 && token.kind == Token::Op) {
            const bool sign =
                !token.unary && (token.text == QLatin1String("+") || token.text == QLatin1String("-"));
            lastSign = sign ? i : (token.unary ? lastSign : -1);
        }
    }
    double offset = 0;
    // Only a plain number after the last sign is the trailing offset.
    if (lastSign >= 0 && lastSign == list->size() - 2 && list->last().kind == Token::Number) {
        offset = list->last().text.toDouble() * (list->at(lastSign).text == QLatin1String("-") ? -1 : 1);
        list->resize(lastSign);
    }
    offset += delta;
    QString result = joined(*list);
    if (offset != 0)
        result += (offset < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) +
                  QString::number(std::abs(offset), 'g', 12);
    return result;
}
