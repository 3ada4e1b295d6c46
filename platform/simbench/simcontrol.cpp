#include "simbench/simcontrol.h"
#include "simbench/benchstate.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace simbench {

namespace {

std::string trimmed(const std::string &text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(begin, end - begin);
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool toLong(const std::string &text, long *value)
{
    if (text.empty())
        return false;
    char *end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 0);
    if (*end != '\0')
        return false;
    *value = v;
    return true;
}

bool toDouble(const std::string &text, double *value)
{
    if (text.empty())
        return false;
    char *end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (*end != '\0')
        return false;
    *value = v;
    return true;
}

struct InterfaceName
{
    const char *name;
    int type;
};

// Longest prefixes first, so "GPIB-VXI" is not taken for "GPIB".
const InterfaceName interfaceNames[] = {
        {"gpib-vxi", 3}, {"gpib", 1}, {"vxi", 2},   {"asrl", 4},
        {"serial", 4},   {"pxi", 5},  {"tcpip", 6}, {"usb", 7},
};

int interfaceFromText(const std::string &text)
{
    const std::string name = lower(text);
    for (const InterfaceName &entry : interfaceNames) {
        if (name == entry.name)
            return entry.type;
    }
    long number = 0;
    return toLong(text, &number) ? static_cast<int>(number) : -1;
}

int interfaceFromResourceName(const std::string &resource)
{
    const std::string name = lower(resource);
    for (const InterfaceName &entry : interfaceNames) {
        if (name.compare(0, std::strlen(entry.name), entry.name) == 0)
            return entry.type;
    }
    return 0;
}

bool applyKey(Resource &r, const std::string &key, const std::string &value, std::string *why,
              bool *kindGiven)
{
    long number = 0;
    double real = 0.0;
    if (key == "interface") {
        r.interfaceType = interfaceFromText(value);
        if (r.interfaceType < 0) {
            *why = "unknown interface \"" + value + "\"";
            return false;
        }
        return true;
    }
    if (key == "manufacturer" || key == "model" || key == "slot" || key == "selftest") {
        if (!toLong(value, &number)) {
            *why = "not a number: \"" + value + "\"";
            return false;
        }
        if (key == "manufacturer") {
            r.hasManufacturer = true;
            r.manufacturer = static_cast<uint16_t>(number);
        } else if (key == "model") {
            r.hasModel = true;
            r.model = static_cast<uint16_t>(number);
        } else if (key == "slot") {
            r.hasSlot = true;
            r.slot = static_cast<int16_t>(number);
        } else {
            r.selfTestCode = static_cast<int16_t>(number);
        }
        return true;
    }
    if (key == "idn") {
        r.idn = value;
        return true;
    }
    if (key == "selftest_message") {
        r.selfTestMessage = value;
        return true;
    }
    if (key == "lock") {
        const std::string v = lower(value);
        if (v == "grant")
            r.lock = LockBehaviour::Grant;
        else if (v == "refuse")
            r.lock = LockBehaviour::Refuse;
        else if (v == "timeout")
            r.lock = LockBehaviour::Timeout;
        else {
            *why = "lock is grant, refuse or timeout";
            return false;
        }
        return true;
    }
    if (key == "kind") {
        const std::string v = lower(value);
        if (v == "carrier")
            r.kind = ResourceKind::Carrier;
        else if (v == "powersupply")
            r.kind = ResourceKind::PowerSupply;
        else if (v == "instrument")
            r.kind = ResourceKind::Instrument;
        else {
            *why = "kind is carrier, powersupply or instrument";
            return false;
        }
        *kindGiven = true;
        return true;
    }
    if (key == "load") {
        if (!toDouble(value, &real) || real <= 0.0) {
            *why = "load is a positive number of ohms";
            return false;
        }
        r.load = real;
        return true;
    }
    // slotN and slotN.property
    if (key.compare(0, 4, "slot") == 0 && key.size() >= 5 && key[4] >= '1' && key[4] <= '8'
        && (key.size() == 5 || key[5] == '.')) {
        Unit &unit = r.units[static_cast<size_t>(key[4] - '0')];
        const std::string property = key.size() == 5 ? std::string() : key.substr(6);
        if (property.empty()) {
            if (!toLong(value, &number)) {
                *why = "not a module code: \"" + value + "\"";
                return false;
            }
            unit.code = static_cast<int16_t>(number);
            if (!*kindGiven)
                r.kind = ResourceKind::Carrier;
            return true;
        }
        if (!toDouble(value, &real)) {
            *why = "not a number: \"" + value + "\"";
            return false;
        }
        if (property == "amplitude")
            unit.amplitude = real;
        else if (property == "frequency")
            unit.frequency = real;
        else if (property == "reading")
            unit.readingScale = real;
        else {
            *why = "unknown slot property \"" + property + "\"";
            return false;
        }
        return true;
    }
    *why = "unknown key \"" + key + "\"";
    return false;
}

Resource *findByName(BenchState &state, const std::string &name)
{
    const std::string wanted = lower(name);
    for (Resource &r : state.resources) {
        if (lower(r.name) == wanted)
            return &r;
    }
    return nullptr;
}

Unit *findUnit(BenchState &state, const std::string &resource, int slot)
{
    Resource *r = findByName(state, resource);
    if (!r || slot < 0 || slot > 8)
        return nullptr;
    return &r->units[static_cast<size_t>(slot)];
}

// Without a kind of its own, a resource is what its identification or its slots say.
void deriveKind(Resource &r)
{
    if (r.kind == ResourceKind::Carrier || r.idn.find("ZQTAVRIN") != std::string::npos)
        r.kind = ResourceKind::Carrier;
    else if (r.idn.find("ZQVOLTA") != std::string::npos)
        r.kind = ResourceKind::PowerSupply;
}

bool installBench(const std::string &text, std::string *error)
{
    std::vector<Resource> resources;
    if (!parseBench(text, &resources, error))
        return false;
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    state.resources = std::move(resources);
    state.loaded = true;
    clearRuntime(state);
    return true;
}

} // namespace

bool parseBench(const std::string &text, std::vector<Resource> *resources, std::string *error)
{
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    Resource *current = nullptr;
    bool kindGiven = false;
    auto fail = [&](const std::string &why) {
        if (error)
            *error = "line " + std::to_string(lineNumber) + ": " + why;
        return false;
    };
    while (std::getline(in, line)) {
        ++lineNumber;
        line = trimmed(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[') {
            if (current && !kindGiven)
                deriveKind(*current);
            if (line.back() != ']')
                return fail("unclosed section");
            const std::string name = trimmed(line.substr(1, line.size() - 2));
            if (name.empty())
                return fail("empty resource name");
            for (const Resource &r : *resources) {
                if (lower(r.name) == lower(name))
                    return fail("resource \"" + name + "\" given twice");
            }
            resources->emplace_back();
            current = &resources->back();
            current->name = name;
            current->interfaceType = interfaceFromResourceName(name);
            kindGiven = false;
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            return fail("expected key = value");
        if (!current)
            return fail("key outside a resource section");
        const std::string key = lower(trimmed(line.substr(0, equals)));
        const std::string value = trimmed(line.substr(equals + 1));
        std::string why;
        if (!applyKey(*current, key, value, &why, &kindGiven))
            return fail(why);
    }
    if (current && !kindGiven)
        deriveKind(*current);
    return true;
}

void ensureLoaded(BenchState &state)
{
    if (state.loaded)
        return;
    state.loaded = true;
    const char *path = std::getenv("PRALUNE_SIM_BENCH");
    if (!path || !*path)
        return;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "simulated bench: cannot read %s; the bench is empty\n", path);
        return;
    }
    std::ostringstream text;
    text << file.rdbuf();
    std::string error;
    if (!parseBench(text.str(), &state.resources, &error)) {
        state.resources.clear();
        std::fprintf(stderr, "simulated bench: %s: %s; the bench is empty\n", path, error.c_str());
    }
}

void clearRuntime(BenchState &state)
{
    // Handle numbers go on rising, so a handle kept from before never names a new session.
    state.sessions.clear();
    state.callCounts.clear();
    state.failures.clear();
    state.scripts.clear();
    state.errorTexts.clear();
    state.log.clear();
    state.logDataValues = 0;
    state.sequence = 0;
    state.epoch = std::chrono::steady_clock::now();
}

void reset()
{
    BenchState &state = benchState();
    {
        std::lock_guard<std::mutex> guard(state.mutex);
        state.resources.clear();
        state.loaded = true;
        clearRuntime(state);
    }
    clearTraceLines();
}

bool loadBench(const std::string &path, std::string *error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (error)
            *error = "cannot read " + path;
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return installBench(text.str(), error);
}

bool loadBenchText(const std::string &iniText, std::string *error)
{
    return installBench(iniText, error);
}

int openSessionCount(const std::string &library)
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    ensureLoaded(state);
    if (library.empty())
        return static_cast<int>(state.sessions.size());
    return static_cast<int>(std::count_if(state.sessions.begin(), state.sessions.end(),
                                          [&](const std::pair<const ViSession, Session> &s) {
                                              return s.second.library == library;
                                          }));
}

void failCall(const std::string &function, int nth, int32_t status, int times)
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    ensureLoaded(state);
    if (times == 0 || (times < 0 && times != Always))
        return;
    FailureRule rule;
    rule.function = function;
    rule.first = state.callCounts[function] + static_cast<uint64_t>(std::max(nth, 1));
    rule.times = times;
    rule.status = status;
    state.failures.push_back(rule);
}

void clearFailures()
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    state.failures.clear();
}

void scriptOutValues(const std::string &function, const std::vector<double> &values)
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    ensureLoaded(state);
    auto &queue = state.scripts[function];
    queue.insert(queue.end(), values.begin(), values.end());
}

void clearScripts()
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    state.scripts.clear();
}

void setIdnReply(const std::string &resource, const std::string &reply)
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    ensureLoaded(state);
    if (Resource *r = findByName(state, resource))
        r->idn = reply;
}

void setSlotModule(const std::string &resource, int slot, int code)
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    ensureLoaded(state);
    if (slot < 1 || slot > 8)
        return;
    if (Unit *unit = findUnit(state, resource, slot))
        unit->code = static_cast<int16_t>(code);
}

void setSelfTest(const std::string &resource, int code, const std::string &message)
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    ensureLoaded(state);
    if (Resource *r = findByName(state, resource)) {
        r->selfTestCode = static_cast<int16_t>(code);
        r->selfTestMessage = message;
    }
}

void setLoad(const std::string &resource, double ohms)
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    ensureLoaded(state);
    Resource *r = findByName(state, resource);
    if (r && ohms > 0.0)
        r->load = ohms;
}

void setErrorMessage(const std::string &library, const std::string &text)
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    if (text.empty())
        state.errorTexts.erase(library);
    else
        state.errorTexts[library] = text;
}

std::map<std::string, std::string> settings(const std::string &resource, int slot)
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    ensureLoaded(state);
    const Unit *unit = findUnit(state, resource, slot);
    return unit ? unit->settings : std::map<std::string, std::string>();
}

std::vector<CallRecord> callLog()
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    return std::vector<CallRecord>(state.log.begin(), state.log.end());
}

std::vector<CallRecord> callLog(const std::string &function)
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    std::vector<CallRecord> records;
    for (const CallRecord &record : state.log) {
        if (record.function == function)
            records.push_back(record);
    }
    return records;
}

void clearCallLog()
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.mutex);
    state.log.clear();
    state.logDataValues = 0;
}

std::vector<std::string> traceLines()
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.traceMutex);
    return std::vector<std::string>(state.traceLines.begin(), state.traceLines.end());
}

void clearTraceLines()
{
    BenchState &state = benchState();
    std::lock_guard<std::mutex> guard(state.traceMutex);
    state.traceLines.clear();
}

} // namespace simbench
