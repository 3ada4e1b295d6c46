#pragma once

#include <QString>

#include <functional>

class ModuleInterface;

// Where a driver call is made, for the standard-output line of a failure.
struct DriverCallSite
{
    const char *file;
    int line;
    const char *operation; // bare function name, e.g. "performInit"
};

#define PRALUNE_CALL_SITE (DriverCallSite { __FILE__, __LINE__, __func__ })

// Size of the text buffer that the drivers' error_message functions fill.
constexpr int driverErrorMessageBufferSize = 256;

// Keeps the status of one driver call in the module and, when it is negative, runs the error
// path. Returns true for a failure; a positive warning is kept but is no failure.
bool driverCallFailed(ModuleInterface *module, int status, const DriverCallSite &site);

// Inside a module's member function: if (PRALUNE_DRIVER_FAILED(zq..._reset(handle()))) ...
#define PRALUNE_DRIVER_FAILED(status) driverCallFailed(this, (status), PRALUNE_CALL_SITE)

// The error path itself, whatever the sign of status: the module composes and stores its
// error text (its performErrorMessage), then one line goes to standard output. Returns status.
int runDriverErrorPath(ModuleInterface *module, int status, const DriverCallSite &site);

// "%4 : %5 : %6 : %3 : %2 (%1) \n": file, line, operation, module, text, status in hex.
QString driverErrorLine(int status, const QString &errorText, const QString &moduleName,
                        const DriverCallSite &site);

enum class DriverErrorTrace {
    None,     // the carrier reports no trace line
    Critical, // every other module sends an "(EE) " line to the trace library
};

// The shared body of the modules' performErrorMessage: the VISA text of the status, or else
// the driver's own message (askDriver fills a buffer of driverErrorMessageBufferSize bytes
// in the local 8-bit encoding), optionally a trace line, then the module's error text and
// error signal. With a trace line the module mutex is held, as for any driver call.
void reportDriverError(ModuleInterface *module, int status,
                       const std::function<void(char *buffer)> &askDriver,
                       DriverErrorTrace trace);
