// The editors' number reading: no input crashes it, the strict and the leading
// readings agree, the decimal-only reading agrees where no "&" or D exponent is involved, plain integers read
// back as themselves, and nothing outside the 32-bit range is ever wrapped into it.
#include "FuzzCheck.h"
#include "NumberReader.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

QString show(double v)
{
    return QString::number(v, 'g', 17);
}

// toInt32 against its own contract: a finite value whose nearest whole number (halves
// to the even one) fits in 32 bits comes back as that number; anything else is refused.
void checkInt32(double value)
{
    const std::optional<qint32> n = NumberReader::toInt32(value);
    const bool fits = std::isfinite(value) && value >= -2147483648.5 && value < 2147483647.5;
    FUZZ_CHECK(n.has_value() == fits, QStringLiteral("toInt32 range of ") + show(value));
    if (!n)
        return;
    const double distance = std::fabs(double(*n) - value);
    FUZZ_CHECK(distance <= 0.5, QStringLiteral("toInt32 distance of ") + show(value));
    if (distance == 0.5)
        FUZZ_CHECK(*n % 2 == 0, QStringLiteral("toInt32 half not to even: ") + show(value));
}

bool sameNumber(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

// Blanks around, an optional sign, decimal digits and nothing else.
bool isPlainInteger(QStringView t, bool* negative, QStringView* digits)
{
    while (t.startsWith(QLatin1Char(' ')))
        t = t.mid(1);
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    *negative = t.startsWith(QLatin1Char('-'));
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+')))
        t = t.mid(1);
    if (t.isEmpty())
        return false;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    while (t.size() > 1 && t.startsWith(QLatin1Char('0')))
        t = t.mid(1);
    *digits = t;
    return true;
}

void checkText(const QString& text)
{
    const double lead = NumberReader::leading(text);
    const std::optional<double> strict = NumberReader::strict(text);
    FUZZ_CHECK(!std::isnan(lead), QStringLiteral("leading gave NaN"));
    if (strict)
        FUZZ_CHECK(sameNumber(*strict, lead),
                   QStringLiteral("strict ") + show(*strict) + QStringLiteral(" but leading ") + show(lead));
    checkInt32(lead);
    if (strict)
        checkInt32(*strict);

    // The transition editor's reading differs only where "&" or a D exponent comes in.
    const double decimal = NumberReader::leadingDecimal(text);
    checkInt32(decimal);
    if (!text.contains(QLatin1Char('&')) && !text.contains(QLatin1Char('d'), Qt::CaseInsensitive))
        FUZZ_CHECK(sameNumber(decimal, lead), QStringLiteral("leadingDecimal ") + show(decimal) +
                                                  QStringLiteral(" but leading ") + show(lead));

    bool negative = false;
    QStringView digits;
    if (isPlainInteger(text, &negative, &digits)) {
        FUZZ_CHECK(strict.has_value(), QStringLiteral("plain integer refused by strict"));
        const std::optional<qint32> n = NumberReader::toInt32(lead);
        // Beyond ten digits the value is out of range whatever they are.
        if (digits.size() > 10) {
            FUZZ_CHECK(!n, QStringLiteral("huge integer wrapped to ") + QString::number(n.value_or(0)));
            return;
        }
        qint64 expected = 0;
        for (QChar c : digits)
            expected = expected * 10 + (c.unicode() - u'0');
        if (negative)
            expected = -expected;
        const bool inRange =
            expected >= std::numeric_limits<qint32>::min() && expected <= std::numeric_limits<qint32>::max();
        FUZZ_CHECK(n.has_value() == inRange, QStringLiteral("integer range: ") + QString::number(expected));
        if (n)
            FUZZ_CHECK(*n == expected,
                       QString::number(expected) + QStringLiteral(" read as ") + QString::number(*n));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    checkText(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));

    // The raw bytes as a value: toInt32 on every double, infinities and NaNs included.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkInt32(value);
    }
    // Any 32-bit integer, written in plain decimal with blanks, tabs and line feeds put
    // anywhere (the leading reading skips them), reads back as itself.
    if (size >= sizeof(qint32)) {
        qint32 n;
        std::memcpy(&n, data, sizeof n);
        const QString plain = QString::number(n);
        FUZZ_CHECK(NumberReader::toInt32(NumberReader::strict(plain).value_or(std::nan(""))) == n, plain);
        QString spaced;
        static const char16_t blanks[] = {u' ', u'\t', u'\n'};
        for (qsizetype i = 0; i < plain.size(); ++i) {
            const uint8_t b = data[(sizeof n + size_t(i)) % size];
            if (b & 1)
                spaced.append(QChar(blanks[(b >> 1) % 3]));
            spaced.append(plain.at(i));
        }
        FUZZ_CHECK(NumberReader::toInt32(NumberReader::leading(spaced)) == n, spaced);
    }
    return 0;
}
