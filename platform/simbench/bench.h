#pragma once
// The simulated bench that the VISA and driver stand-ins share: resources and their
// instruments, sessions, and the gate every simulated call passes through (lock, call log,
// failure injection, scripted out-values). Used only by the stand-in libraries.
#include "simbench/simcontrol.h"
#include "visatype.h"

#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace simbench {

enum class LockBehaviour { Grant, Refuse, Timeout };
enum class ResourceKind { Instrument, Carrier, PowerSupply };

struct ScopeChannel
{
    bool enabled = false;
    int coupling = 0;
    int impedance = 0;
    int filter = 0;
    double range = 1.0; // volts, peak
};

struct ScopeState
{
    std::array<ScopeChannel, 2> channels;
    double period = 0.0;
    double duration = 0.0;
    double startTime = 0.0;
    bool armed = false;
};

struct MultimeterState
{
    int function = 5;
    bool autoRange = true;
    double range = 0.0;
    int sampleCount = 1;
    int packetCount = 0;
    bool running = false;
    uint64_t readingIndex = 0; // drives the small ripple of the readings
};

struct PowerSupplyState
{
    bool enabled = false;
    double voltage = 0.0;
    double current = 0.0;
};

// What sits at one place of a resource: index 0 is the resource itself, 1 to 8 the slots of a
// carrier.
struct Unit
{
    int16_t code = 0; // module code in a carrier slot, 0 for an empty slot
    double amplitude = 0.8; // oscilloscope input, volts peak
    double frequency = 1000.0; // oscilloscope input, hertz
    double readingScale = 1.0; // multimeter
    ScopeState scope;
    MultimeterState multimeter;
    PowerSupplyState supply;
    std::map<std::string, std::string> settings;

    void set(const std::string &key, const std::string &value) { settings[key] = value; }
    void set(const std::string &key, double value);
};

struct Resource
{
    std::string name;
    int interfaceType = 0;
    bool hasManufacturer = false;
    uint16_t manufacturer = 0;
    bool hasModel = false;
    uint16_t model = 0;
    bool hasSlot = false;
    int16_t slot = 0;
    std::string idn;
    LockBehaviour lock = LockBehaviour::Grant;
    ResourceKind kind = ResourceKind::Instrument;
    double load = 10.0;
    int16_t selfTestCode = 0;
    std::string selfTestMessage;
    std::array<Unit, 9> units;
    ViSession lockedBy = 0;
    int lockCount = 0;
};

enum class SessionKind { ResourceManager, FindList, Instrument, Driver };

struct Session
{
    ViSession id = 0;
    std::string library; // "visa32", "zqtavrin", ...
    SessionKind kind = SessionKind::Driver;
    int resource = -1; // index into the bench's resources
    int slot = 0; // slot a mezzanine session is connected to, 0 before
    ViSession parent = 0; // resource manager of a VISA session, carrier of a mezzanine
    std::vector<int> matches; // find list
    size_t next = 0; // find list
};

// One simulated call: holds the bench lock for its whole life and writes the call-log record
// when it ends.
class Call
{
public:
    Call(const char *function, ViSession session);
    ~Call();
    Call(const Call &) = delete;
    Call &operator=(const Call &) = delete;

    Call &arg(const char *text);
    Call &arg(const std::string &text) { return arg(text.c_str()); }
    Call &arg(long long value);
    Call &arg(int value) { return arg(static_cast<long long>(value)); }
    Call &arg(unsigned value) { return arg(static_cast<long long>(value)); }
    Call &arg(double value);
    Call &argBuffer(long long count);
    Call &data(const double *values, size_t count);

    // True when an injected negative status must be returned at once: then return status().
    bool failed();
    ViStatus status() const { return m_status; }
    // Ends the call with the simulated result (an injected warning replaces a success).
    ViStatus finish(ViStatus status);
    // The next scripted out-value of this function, if any.
    bool scripted(double *value);

    // Session lookups; null when the handle is not an open session of that library.
    Session *session(const char *library);
    Session *session(ViSession id, const char *library);
    Resource *resource(const Session *session);
    Unit *unit(const Session *session);
    int findResource(const std::string &name) const;
    size_t resourceCount() const;
    Resource *resourceAt(size_t index);
    std::vector<ViSession> children(ViSession parent, const char *library) const;
    ViSession open(const std::string &library, SessionKind kind, int resource,
                   ViSession parent = 0);
    void close(ViSession id);
    std::string errorText(const std::string &library, ViStatus status) const;

private:
    std::unique_lock<std::mutex> m_lock;
    CallRecord m_record;
    ViStatus m_injected = 0;
    ViStatus m_status = 0;
};

// Trace lines of the trace library (separate from the bench lock, so tracing never waits for
// a driver call).
void appendTrace(const char *text);

// Writes text into a driver's 256-byte message buffer, cut to fit.
void copyText(const std::string &text, ViChar *buffer, size_t size = 256);

} // namespace simbench
