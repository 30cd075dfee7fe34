#pragma once

// What the benches share: the objects they fill the workspace with, and how they sum up rounds.
#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "ObjectCollection.h"

#include <QString>

#include <algorithm>
#include <memory>
#include <vector>

namespace bench {

// The workspace's full size: the design's 16-bit counters end here.
constexpr qsizetype fullSize = 32'763;

// Object i of a filled workspace: the three kinds in turn, each with its own name.
inline std::unique_ptr<ModelObject> object(qsizetype i)
{
    std::unique_ptr<ModelObject> made;
    switch (i % 3) {
    case 0:
        made = std::make_unique<clsDisplay>();
        break;
    case 1:
        made = std::make_unique<clsTransition>();
        break;
    default:
        made = std::make_unique<clsAlert>();
        break;
    }
    made->setVarName(QStringLiteral("object%1").arg(i));
    return made;
}

inline void fill(ObjectCollection& objects, qsizetype count)
{
    for (qsizetype i = objects.count() + 1; i <= count; ++i)
        objects.append(object(i));
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace bench
