// The keyed pair list against a plain reference: a vector of pairs searched with
// Qt's case-insensitive comparison, under random sequences of add, remove and clear.
#include "FuzzCheck.h"
#include "PairList.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <vector>

namespace {

// Pieces whose case variants are easy to get wrong: sharp s and long s, the Kelvin
// sign, final sigma, dotted and dotless i, title-case digraphs, a combining accent,
// letters outside the BMP and unpaired surrogates (which may pair up when joined).
const char16_t* const pieces[] = {
    u"a",      u"A",      u"s",      u"S",      u"ss",         u"SS",         u"\u00DF", u"\u1E9E",
    u"\u017F", u"k",      u"K",      u"\u212A", u"\u03C3",     u"\u03C2",     u"\u03A3", u"i",
    u"I",      u"\u0130", u"\u0131", u"\u00E9", u"\u00C9",     u"e\u0301",    u"\u01C4", u"\u01C5",
    u"\u01C6", u"\uFB01", u"fi",     u"FI",     u"\U00010400", u"\U00010428", u" ",      u"1",
};

QString makeKey(FuzzedDataProvider& in)
{
    QString key;
    const int n = in.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < n; ++i) {
        const int pick = in.ConsumeIntegralInRange<int>(0, int(std::size(pieces)) + 1);
        if (pick < int(std::size(pieces)))
            key += QString::fromUtf16(pieces[pick]);
        else if (pick == int(std::size(pieces)))
            key += QChar(char16_t(0xD801)); // a lone high surrogate
        else
            key += QChar(in.ConsumeIntegral<char16_t>());
    }
    return key;
}

bool sameKey(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

qsizetype modelIndex(const std::vector<clsData>& model, const QString& key)
{
    for (size_t i = 0; i < model.size(); ++i) {
        if (sameKey(model[i].clsKey(), key))
            return qsizetype(i);
    }
    return -1;
}

QString describe(const QString& key)
{
    QString s;
    for (QChar c : key)
        s += QStringLiteral("U+%1 ").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    PairList list;
    std::vector<clsData> model;
    while (in.remaining_bytes() > 0) {
        const int op = in.ConsumeIntegralInRange(0, 19);
        if (op < 11) {
            const QString key = makeKey(in);
            const QString value = QString::number(in.ConsumeIntegral<quint8>());
            const bool fresh = modelIndex(model, key) < 0;
            QString error = QStringLiteral("untouched");
            const bool added = list.append(clsData(key, value), &error);
            FUZZ_CHECK(added == fresh, QStringLiteral("append ") + describe(key));
            if (added) {
                FUZZ_CHECK(error == QStringLiteral("untouched"), QStringLiteral("error set on success"));
                model.emplace_back(key, value);
            } else {
                FUZZ_CHECK(error == PairList::duplicateKeyDescription, error);
            }
        } else if (op < 16) {
            const qsizetype position = in.ConsumeIntegralInRange<qsizetype>(-1, qsizetype(model.size()) + 1);
            const bool valid = position >= 1 && position <= qsizetype(model.size());
            FUZZ_CHECK(list.remove(position) == valid, QStringLiteral("remove ") + QString::number(position));
            if (valid)
                model.erase(model.begin() + (position - 1));
        } else if (op < 19) {
            const QString key = makeKey(in);
            const qsizetype expected = modelIndex(model, key);
            FUZZ_CHECK(list.indexOfKey(key) == expected, QStringLiteral("indexOfKey ") + describe(key));
            FUZZ_CHECK(list.containsKey(key) == (expected >= 0),
                       QStringLiteral("containsKey ") + describe(key));
        } else {
            list.clear();
            model.clear();
        }
        FUZZ_CHECK(list.count() == qsizetype(model.size()), QStringLiteral("count"));
        FUZZ_CHECK(list.isEmpty() == model.empty(), QStringLiteral("isEmpty"));
        for (qsizetype p = 1; p <= list.count(); ++p)
            FUZZ_CHECK(list.at(p) == model[size_t(p - 1)], QStringLiteral("pair at ") + QString::number(p));
    }
    return 0;
}
