#include "SuffixChooser.h"

#include <algorithm>

SuffixChooser::Choice SuffixChooser::choose(const ProjectContext& project, const QString& filename,
                                            const std::function<bool(const QString&)>& exists)
{
    Choice plain{filename, QString()};
    const qsizetype dot = filename.lastIndexOf(QLatin1Char('.'));
    if (!project.usesImageSuffixes() || dot < 0)
        return plain;
    QList<ImageSuffix> suffixes = project.imageSuffixes;
    std::stable_sort(suffixes.begin(), suffixes.end(),
                     [](const ImageSuffix& a, const ImageSuffix& b) { return a.scale > b.scale; });
    for (const ImageSuffix& entry : suffixes) {
        if (entry.scale > project.contentScale)
            continue;
        const QString candidate = filename.left(dot) + entry.suffix + filename.mid(dot);
        if (exists(candidate))
            return {candidate, entry.suffix};
    }
    return plain;
}
