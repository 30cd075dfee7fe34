#include "ObjectComparison.h"

#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"

#include <optional>
#include <tuple>

namespace {

auto values(const clsDisplay& d)
{
    return std::make_tuple(d.dObjType(), d.parGroup(), d.eventHandling(), d.x(), d.y(), d.sWidth(),
                           d.sHeight(), d.sRounding(), d.reference(), d.filename(), d.Colour(), d.sFontName(),
                           d.body(), d.xText(), d.yText(), d.properties());
}

auto values(const clsTransition& t)
{
    return std::make_tuple(t.duration(), t.delay(), t.onStart(), t.onComplete(), t.transitionDirection(),
                           t.properties().items(), t.easing());
}

auto values(const clsAlert& a)
{
    return std::make_tuple(a.title(), a.message(), a.buttons().items());
}

// Nothing when a is not of this kind.
template <typename Kind> std::optional<bool> compareAs(const ModelObject& a, const ModelObject& b)
{
    const auto* first = Kind::from(&a);
    if (!first)
        return std::nullopt;
    const auto* second = Kind::from(&b);
    return second && values(*first) == values(*second);
}

} // namespace

bool ObjectComparison::same(const ModelObject& a, const ModelObject& b)
{
    if (a.varName() != b.varName())
        return false;
    if (const std::optional<bool> display = compareAs<clsDisplay>(a, b))
        return *display;
    if (const std::optional<bool> transition = compareAs<clsTransition>(a, b))
        return *transition;
    if (const std::optional<bool> alert = compareAs<clsAlert>(a, b))
        return *alert;
    return false; // a kind this comparison does not know is never taken for unchanged
}
