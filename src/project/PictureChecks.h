#pragma once

#include "PictureLocator.h"

#include <QList>
#include <QString>

// What stops an image's file from showing on a phone, in the words of the check line.
class PictureChecks
{
public:
    struct Problem
    {
        bool error = false; // otherwise a warning
        QString text;
        bool operator==(const Problem&) const = default;
    };
    // lookup: where the name leads; unreadable: the file found could not be decoded.
    static QList<Problem> check(const QString& filename, bool imageRect, const PictureLocator::Lookup& lookup,
                                bool unreadable);
};
