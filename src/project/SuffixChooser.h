#pragma once

#include "ProjectContext.h"

#include <QString>

#include <functional>

// Which file display.newImageRect loads for a name: with content scaling on and a content
// scale other than 1, config.lua's imageSuffix entries are tried from the largest scale down;
// the first whose scale is at most the content scale and whose file exists wins.
class SuffixChooser
{
public:
    struct Choice
    {
        QString filename; // the name to load, the suffix inserted before the last "."
        QString suffix;   // empty for the plain file
    };
    static Choice choose(const ProjectContext& project, const QString& filename,
                         const std::function<bool(const QString&)>& exists);
};
