#pragma once

#include <QList>

class ModelObject;

// Which version of the workspace format objects need. Files are written in the lowest
// version that holds them, so that a workspace without newer features still opens in the
// Quillet before them.
class FormatVersion
{
public:
    static constexpr int newest = 3;

    // 3 for an object that uses what only version 3 holds; 1 otherwise.
    static int objectNeeds(const ModelObject& object);
    static int objectsNeed(const QList<const ModelObject*>& objects);
};
