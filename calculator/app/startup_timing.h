#pragma once
// Start-up timing for the benchmark script. With VELTRA_STARTUP_TIMING set the
// splash screen does not wait its three seconds, and the first paint of the
// main window prints "first-paint NANOSECONDS" (wall clock since the epoch) on
// standard output; with the value "exit" the program then quits.

class QWidget;

namespace veltra {

class AboutForm;

void InstallStartupTiming(QWidget& mainWindow, AboutForm& splash);

}  // namespace veltra
