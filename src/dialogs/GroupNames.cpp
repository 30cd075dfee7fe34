#include "GroupNames.h"

namespace {

std::function<QStringList()>& source()
{
    static std::function<QStringList()> function;
    return function;
}

} // namespace

void GroupNames::setSource(std::function<QStringList()> function)
{
    source() = std::move(function);
}

QStringList GroupNames::current()
{
    return source() ? source()() : QStringList();
}
