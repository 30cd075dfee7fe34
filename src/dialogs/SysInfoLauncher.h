#pragma once

#include <QString>

class QWidget;

// Finds the Windows system information tool through the registry and starts it; when that
// fails in any way the user is told it is unavailable, in a box owned by `owner`.
class SysInfoLauncher
{
public:
    static void StartSysInfo(QWidget* owner);

    static inline const QString unavailableText =
        QStringLiteral("System Information Is Unavailable At This Time");
};
