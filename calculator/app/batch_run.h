#pragma once
// A saved calculation quoted or described from the command line, without a
// window and without a display: --export-xlsx and --print-configuration.

#include <filesystem>

#include "command_line.h"

namespace veltra {

// The folder of the running program (from /proc/self/exe; argv0's folder
// when that cannot be read).
std::filesystem::path ProgramFolder(const char* argv0);

// Reads the price list, opens line.calculation, then writes the workbook
// and prints the configuration text, as asked. A workbook that would
// replace the calculation or the price list is refused before anything is
// read; a name not ending in ".xlsx" is only warned of. Messages go to
// standard error; those of opening (missing codes, changed prices) do not
// fail the run. Returns the exit status: 0, or 1 after saying why not.
int RunWithoutWindow(const CommandLine& line, const std::filesystem::path& programFolder,
                     char decimalSeparator);

}  // namespace veltra
