#include "Shell.h"

#include "DesktopShell.h"

namespace {
Shell* g_installed = nullptr;

Shell* desktop()
{
    static DesktopShell shell;
    return &shell;
}
} // namespace

Shell* Shell::instance()
{
    return g_installed ? g_installed : desktop();
}

void Shell::setInstance(Shell* shell)
{
    g_installed = shell;
}
