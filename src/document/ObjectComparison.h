#pragma once

class ModelObject;

// Whether two objects hold the same values, so that replacing one by the other would change
// nothing the user could see, now or after a change of kind.
class ObjectComparison
{
public:
    static bool same(const ModelObject& a, const ModelObject& b);
};
