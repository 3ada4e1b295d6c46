#pragma once

#include <QString>

#include <functional>

struct Options;

// The steps of start-up and shut-down that the entry point runs around the main window.
namespace Startup {

extern const char organization[];
extern const char application[];
extern const char version[];
extern const char organizationDomain[];

// Chooses the virtual keyboard as input method when the options ask for it. The input method
// is chosen when the application object starts, so this must run before it exists; without
// the option the environment is left as it was.
void selectInputMethod(const Options &options);

// Names, version and domain of the running application; needs the application object.
void setApplicationIdentity();

// Runs the event loop. An exception escaping it ends the run with exit code 1 and one line on
// standard error, so that the options are still written back and a caller sees the failure.
int runEventLoop(const std::function<int()> &loop);

// The options cache into the settings store, as the program's last act.
void writeOptionsBack();

} // namespace Startup
