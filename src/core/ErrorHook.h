#pragma once

#include <QString>

#include <functional>

// Where the model reports the failures it reports itself (a duplicate key, for one).
// The application shows them in an "Error Occured" box; tests record them.
class ErrorHook
{
public:
    using Handler = std::function<void(const QString& description)>;

    // Installs the handler and returns the previous one; an empty handler restores qWarning.
    static Handler set(Handler handler);
    static void report(const QString& description);
};
