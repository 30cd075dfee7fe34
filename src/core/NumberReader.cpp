#include "NumberReader.h"

#include <cmath>
#include <limits>

namespace NumberReader {
namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int digitValue(QChar c, int base)
{
    int v = -1;
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v >= 0 && v < base ? v : -1;
}

// Reads a decimal number at the start of s; returns how many characters it took (0: none).
qsizetype scanDecimal(QStringView s, double* value, bool letterDExponent = true)
{
    qsizetype i = 0;
    QString normal;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        normal.append(s[i++]);
    qsizetype digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        normal.append(s[i++]);
        ++digits;
    }
    if (i < s.size() && s[i] == QLatin1Char('.')) {
        normal.append(s[i++]);
        while (i < s.size() && isDigit(s[i])) {
            normal.append(s[i++]);
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    bool negativeExponent = false;
    const QLatin1String exponentLetters = letterDExponent ? QLatin1String("eEdD") : QLatin1String("eE");
    if (i < s.size() && exponentLetters.contains(s[i])) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < s.size() && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            exponent.append(s[j++]);
        const qsizetype firstDigit = j;
        while (j < s.size() && isDigit(s[j]))
            exponent.append(s[j++]);
        // An exponent letter without digits is not part of the number.
        if (j > firstDigit) {
            negativeExponent = exponent.startsWith(QLatin1String("e-"));
            normal.append(exponent);
            i = j;
        }
    }
    bool ok = false;
    *value = normal.toDouble(&ok);
    // toDouble refuses both overflow and underflow. An underflow is as good as 0; an
    // overflow keeps its sign as an infinity so the caller sees it as out of range.
    if (!ok && !std::isinf(*value)) {
        const double huge = std::numeric_limits<double>::infinity();
        *value = negativeExponent ? 0.0 : normal.startsWith(QLatin1Char('-')) ? -huge : huge;
    }
    return i;
}

QString withoutBlanks(QStringView text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            s.append(c);
    }
    return s;
}

} // namespace

double leadingDecimal(QStringView text)
{
    double value = 0;
    return scanDecimal(withoutBlanks(text), &value, false) == 0 ? 0 : value;
}

double leading(QStringView text)
{
    const QString s = withoutBlanks(text);
    if (s.size() >= 2 && s[0] == QLatin1Char('&')) {
        const QChar p = s[1].toUpper();
        const int base = p == QLatin1Char('H') ? 16 : p == QLatin1Char('O') ? 8 : 0;
        if (base != 0) {
            double value = 0;
            for (qsizetype i = 2; i < s.size(); ++i) {
                const int d = digitValue(s[i], base);
                if (d < 0)
                    break;
                value = value * base + d;
            }
            return value;
        }
    }
    double value = 0;
    if (scanDecimal(s, &value) == 0)
        return 0;
    return value;
}

std::optional<double> strict(QStringView text)
{
    while (text.startsWith(QLatin1Char(' ')))
        text = text.mid(1);
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    double value = 0;
    const qsizetype used = scanDecimal(text, &value);
    if (used == 0 || used != text.size())
        return std::nullopt;
    return value;
}

std::optional<qint32> toInt32(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // nearbyint honours the default rounding mode, which sends halves to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (rounded < double(std::numeric_limits<qint32>::min()) ||
        rounded > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return static_cast<qint32>(rounded);
}

} // namespace NumberReader
