#include "PairList.h"

const QString PairList::duplicateKeyDescription =
    QStringLiteral("This key is already associated with an element of this collection");

QString PairList::foldKey(const QString& key)
{
    // toCaseFolded maps every case variant (including non-Latin scripts) to one form.
    return key.toCaseFolded();
}

qsizetype PairList::indexOfKey(const QString& key) const
{
    const QString folded = foldKey(key);
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (foldKey(m_items.at(i).clsKey()) == folded)
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
