#include "ProjectContext.h"

#include <QtGlobal>

bool ProjectContext::usesImageSuffixes() const
{
    return scaling && !qFuzzyCompare(contentScale, 1.0) && !imageSuffixes.isEmpty();
}
