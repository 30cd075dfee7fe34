#pragma once

#include "CommandLine.h"

// Runs --export-lua and --export-scene: reads the workspace, writes what the File menu's
// export writes, and prints the export's note on standard error. No window, no display.
namespace CommandLineExport {

// The exit code: 0 when written, 1 when the workspace is refused or OUT cannot be written.
int run(const CommandLine::Result& command);

} // namespace CommandLineExport
