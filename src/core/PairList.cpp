#include "PairList.h"

const QString PairList::duplicateKeyDescription =
    QStringLiteral("This key is already associated with an element of this collection");

bool PairList::sameKey(const QString& a, const QString& b)
{
    // Compares in place, without building folded copies; unlike toCaseFolded it also treats
    // an unpaired surrogate consistently, so equality stays an equivalence.
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

qsizetype PairList::indexOfKey(const QString& key) const
{
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (sameKey(m_items.at(i).clsKey(), key))
            return i;
    }
    return -1;
}

bool PairList::append(const clsData& pair, QString* error)
{
    if (containsKey(pair.clsKey())) {
        if (error)
            *error = duplicateKeyDescription;
        return false;
    }
    m_items.append(pair);
    return true;
}

bool PairList::remove(qsizetype position)
{
    if (position < 1 || position > m_items.size())
        return false;
    m_items.removeAt(position - 1);
    return true;
}

void PairList::clear()
{
    while (!m_items.isEmpty())
        m_items.removeLast();
}
