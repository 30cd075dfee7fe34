#include "ErrorHook.h"

#include <QtGlobal>

namespace {
ErrorHook::Handler& current()
{
    static ErrorHook::Handler handler;
    return handler;
}
} // namespace

ErrorHook::Handler ErrorHook::set(Handler handler)
{
    Handler previous = std::move(current());
    current() = std::move(handler);
    return previous;
}

void ErrorHook::report(const QString& description)
{
    if (current())
        current()(description);
    else
        qWarning("%s", qUtf8Printable(description));
}
