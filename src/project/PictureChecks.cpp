#include "PictureChecks.h"

QList<PictureChecks::Problem> PictureChecks::check(const QString& filename, bool imageRect,
                                                   const PictureLocator::Lookup& lookup, bool unreadable)
{
    QList<Problem> problems;
    if (filename.trimmed().isEmpty())
        return problems;
    const QString call =
        imageRect ? QStringLiteral("display.newImageRect") : QStringLiteral("display.newImage");
    if (lookup.status == PictureLocator::Status::Missing)
        problems.append(
            {true, QStringLiteral("%1 is not in the project folder: %2 returns nil there, and the "
                                  "next line fails")
                       .arg(filename, call)});
    else if (unreadable)
        problems.append(
            {true, QStringLiteral("%1 is not a picture Solar2D can read: %2 returns nil there, and "
                                  "the next line fails")
                       .arg(filename, call)});
    if (lookup.status == PictureLocator::Status::CaseOnly)
        problems.append({false, QStringLiteral("On disk the file is named %1: phones tell case apart, so the "
                                               "game finds no picture there")
                                    .arg(lookup.relative)});
    if (filename.contains(QLatin1Char('\\'))) {
        QString written = filename;
        written.replace(QLatin1Char('\\'), QLatin1Char('/'));
        problems.append(
            {false, QStringLiteral("A backslash in a file name: write %1; phones read \\ as part of "
                                   "the name")
                        .arg(written)});
    }
    if (!PictureLocator::isLoadable(filename))
        problems.append({false, QStringLiteral("%1: Solar2D loads PNG and JPG files only").arg(filename)});
    return problems;
}
