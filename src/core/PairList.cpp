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
    return m_folded.indexOf(foldKey(key));
}

bool PairList::append(const clsData& pair, QString* error)
{
    if (containsKey(pair.clsKey())) {
        if (error)
            *error = duplicateKeyDescription;
        return false;
    }
    m_items.append(pair);
    m_folded.append(foldKey(pair.clsKey()));
    return true;
}

bool PairList::remove(qsizetype position)
{
    if (position < 1 || position > m_items.size())
        return false;
    m_items.removeAt(position - 1);
    m_folded.removeAt(position - 1);
    return true;
}

void PairList::clear()
{
    while (!m_items.isEmpty()) {
        m_items.removeLast();
        m_folded.removeLast();
    }
}
