#include "simbench/bench.h"
#include "simbench/benchstate.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace simbench {

namespace {

std::string number(double value)
{
    std::ostringstream out;
    out.precision(15);
    out << value;
    return out.str();
}

struct StatusText
{
    ViStatus status;
    const char *text;
};

// The drivers' own texts; VISA's standard texts are the program's business.
const StatusText driverTexts[] = {
        {ZQ_ERROR_PARAMETER, "Parameter out of range or missing"},
        {ZQ_ERROR_FAIL_ID_QUERY,
         "Identification query failed: the instrument is not of this model"},
        {ZQ_ERROR_RESET_FAIL, "Instrument reset failed"},
        {ZQ_ERROR_NOT_CONNECTED, "The module is not connected to a carrier slot"},
        {ZQ_ERROR_NOT_CONFIGURED, "The channel is not configured"},
        {ZQ_ERROR_NO_MODULE, "No module of this model in the carrier slot"},
        {ZQ_WARN_INPUT_OVERDRIVE, "Input overdrive: the signal exceeds the range"},
        {VI_ERROR_INV_OBJECT, "Invalid session"},
        {VI_ERROR_RSRC_NFOUND, "Resource not found"},
        {VI_ERROR_TMO, "Timeout"},
};

} // namespace

void Unit::set(const std::string &key, double value)
{
    settings[key] = number(value);
}

BenchState &benchState()
{
    // Never destroyed: a module closed during the program's exit still finds its bench.
    static BenchState *const state = new BenchState;
    return *state;
}

Call::Call(const char *function, ViSession session)
    : m_lock(benchState().mutex)
{
    BenchState &state = benchState();
    ensureLoaded(state);
    m_record.sequence = ++state.sequence;
    m_record.timeNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                              std::chrono::steady_clock::now() - state.epoch)
                              .count();
    m_record.function = function;
    m_record.session = session;
    const uint64_t number = ++state.callCounts[m_record.function];
    for (const FailureRule &rule : state.failures) {
        if (rule.function != m_record.function || number < rule.first)
            continue;
        if (rule.times != Always && number >= rule.first + static_cast<uint64_t>(rule.times))
            continue;
        m_injected = rule.status;
        break;
    }
}

Call::~Call()
{
    BenchState &state = benchState();
    m_record.status = m_status;
    state.logDataValues += m_record.data.size();
    state.log.push_back(std::move(m_record));
    while (state.log.size() > MaxLogRecords) {
        state.logDataValues -= state.log.front().data.size();
        state.log.pop_front();
    }
    for (auto it = state.log.begin(); state.logDataValues > MaxLogDataValues; ++it) {
        state.logDataValues -= it->data.size();
        std::vector<double>().swap(it->data);
    }
}

Call &Call::arg(const char *text)
{
    m_record.args.emplace_back(text ? text : "(null)");
    return *this;
}

Call &Call::arg(long long value)
{
    m_record.args.push_back(std::to_string(value));
    return *this;
}

Call &Call::arg(double value)
{
    m_record.args.push_back(number(value));
    return *this;
}

Call &Call::argBuffer(long long count)
{
    m_record.args.push_back("[" + std::to_string(count) + "]");
    return *this;
}

Call &Call::data(const double *values, size_t count)
{
    if (values)
        m_record.data.assign(values, values + count);
    return *this;
}

bool Call::failed()
{
    if (m_injected >= 0)
        return false;
    m_status = m_injected;
    return true;
}

ViStatus Call::finish(ViStatus status)
{
    if (status >= 0 && m_injected > 0)
        status = m_injected;
    m_status = status;
    return status;
}

bool Call::scripted(double *value)
{
    BenchState &state = benchState();
    auto it = state.scripts.find(m_record.function);
    if (it == state.scripts.end() || it->second.empty())
        return false;
    *value = it->second.front();
    it->second.pop_front();
    return true;
}

Session *Call::session(const char *library)
{
    return session(m_record.session, library);
}

Session *Call::session(ViSession id, const char *library)
{
    BenchState &state = benchState();
    auto it = state.sessions.find(id);
    if (it == state.sessions.end() || it->second.library != library)
        return nullptr;
    return &it->second;
}

Resource *Call::resource(const Session *session)
{
    BenchState &state = benchState();
    if (!session || session->resource < 0
        || session->resource >= static_cast<int>(state.resources.size()))
        return nullptr;
    return &state.resources[static_cast<size_t>(session->resource)];
}

Unit *Call::unit(const Session *session)
{
    Resource *r = resource(session);
    if (!r || session->slot < 0 || session->slot > 8)
        return nullptr;
    return &r->units[static_cast<size_t>(session->slot)];
}

int Call::findResource(const std::string &name) const
{
    const BenchState &state = benchState();
    for (size_t i = 0; i < state.resources.size(); ++i) {
        const std::string &candidate = state.resources[i].name;
        if (candidate.size() == name.size()
            && std::equal(candidate.begin(), candidate.end(), name.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a))
                           == std::tolower(static_cast<unsigned char>(b));
               }))
            return static_cast<int>(i);
    }
    return -1;
}

size_t Call::resourceCount() const
{
    return benchState().resources.size();
}

Resource *Call::resourceAt(size_t index)
{
    BenchState &state = benchState();
    return index < state.resources.size() ? &state.resources[index] : nullptr;
}

std::vector<ViSession> Call::children(ViSession parent, const char *library) const
{
    std::vector<ViSession> ids;
    for (const auto &entry : benchState().sessions) {
        if (entry.second.parent == parent && entry.second.library == library)
            ids.push_back(entry.first);
    }
    return ids;
}

ViSession Call::open(const std::string &library, SessionKind kind, int resource, ViSession parent)
{
    BenchState &state = benchState();
    Session session;
    session.id = state.nextHandle++;
    if (state.nextHandle == 0) // 2^32 opens later: never hand out 0
        state.nextHandle = 0x1001;
    session.library = library;
    session.kind = kind;
    session.resource = resource;
    session.parent = parent;
    state.sessions[session.id] = session;
    return session.id;
}

void Call::close(ViSession id)
{
    BenchState &state = benchState();
    auto it = state.sessions.find(id);
    if (it == state.sessions.end())
        return;
    Resource *r = resource(&it->second);
    if (r && r->lockedBy == id) {
        r->lockedBy = 0;
        r->lockCount = 0;
    }
    state.sessions.erase(it);
}

std::string Call::errorText(const std::string &library, ViStatus status) const
{
    const BenchState &state = benchState();
    auto custom = state.errorTexts.find(library);
    if (custom != state.errorTexts.end())
        return custom->second;
    if (status >= ZQ_WARN_OVER_RANGE_FIRST && status <= ZQ_WARN_OVER_RANGE_LAST)
        return "Reading over range";
    for (const StatusText &entry : driverTexts) {
        if (entry.status == status)
            return entry.text;
    }
    if (status == 0)
        return "No error";
    char text[64];
    std::snprintf(text, sizeof text, "Unknown status code 0x%08X", static_cast<unsigned>(status));
    return text;
}

void appendTrace(const char *text)
{
    BenchState &state = benchState();
    const std::string line = text ? text : "";
    std::lock_guard<std::mutex> guard(state.traceMutex);
    state.traceLines.push_back(line);
    while (state.traceLines.size() > MaxTraceLines)
        state.traceLines.pop_front();
    const char *path = std::getenv("PRALUNE_TRACE_FILE");
    if (path && *path) {
        if (FILE *file = std::fopen(path, "ab")) {
            std::fwrite(line.data(), 1, line.size(), file);
            std::fputc('\n', file);
            std::fclose(file);
        }
    }
}

void copyText(const std::string &text, ViChar *buffer, size_t size)
{
    if (!buffer || size == 0)
        return;
    const size_t n = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

} // namespace simbench
