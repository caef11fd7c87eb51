// Start-up stages for profiling. With VELKARI_STARTUP_TRACE=1 in the environment each
// stage prints one line to standard error: the milliseconds since the exec (when the
// launcher passed its stamp in VELKARI_STARTUP_T0_NS) or else since main(), and the
// stage's name. Without it nothing is printed and nothing is installed.
#pragma once

class QWidget;

namespace framework {

void TraceStartup(const char* stage);

// Adds "shown" and "first paint" for the window's first show and first paint.
void TraceFirstPaint(QWidget* window);

}  // namespace framework
