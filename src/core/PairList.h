#pragma once

#include "clsData.h"

#include <QList>
#include <QString>

// Ordered list of pairs, positions counted from 1, each filed under its key.
// Keys are unique without regard to letter case; removal closes the gap.
class PairList
{
public:
    static const QString duplicateKeyDescription;

    // Appends the pair. When its key is taken, returns false with the failure's
    // description in *error (if given) and leaves the list as it was.
    bool append(const clsData& pair, QString* error = nullptr);
    // Removes the pair at position (1..count()); false and unchanged otherwise.
    bool remove(qsizetype position);
    // Removes every pair, last position first.
    void clear();

    qsizetype count() const { return m_items.size(); }
    bool isEmpty() const { return m_items.isEmpty(); }
    // The pair at position (1..count()); the position must be valid.
    const clsData& at(qsizetype position) const { return m_items.at(position - 1); }
    bool containsKey(const QString& key) const { return indexOfKey(key) >= 0; }
    // 0-based index of the key, or -1.
    qsizetype indexOfKey(const QString& key) const;
    const QList<clsData>& items() const { return m_items; }

    QList<clsData>::const_iterator begin() const { return m_items.cbegin(); }
    QList<clsData>::const_iterator end() const { return m_items.cend(); }

    // Keys are equal when they differ at most in letter case (Unicode simple case folding).
    static bool sameKey(const QString& a, const QString& b);

private:
    QList<clsData> m_items;
};
