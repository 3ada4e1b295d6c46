#pragma once
// The one process-wide bench behind the stand-ins and the control interface.
#include "simbench/bench.h"

#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace simbench {

struct FailureRule
{
    std::string function;
    uint64_t first = 0; // absolute call number of the function (1-based) that fails first
    int times = 1; // Always: no end
    int32_t status = 0;
};

struct BenchState
{
    std::mutex mutex;
    bool loaded = false; // the environment's bench was read, or a test set one
    std::vector<Resource> resources;
    std::map<ViSession, Session> sessions;
    ViSession nextHandle = 0x1001;
    std::map<std::string, uint64_t> callCounts;
    std::vector<FailureRule> failures;
    std::map<std::string, std::deque<double>> scripts;
    std::map<std::string, std::string> errorTexts;
    std::deque<CallRecord> log;
    size_t logDataValues = 0; // samples held by the records of the log
    uint64_t sequence = 0;
    std::chrono::steady_clock::time_point epoch = std::chrono::steady_clock::now();

    std::mutex traceMutex;
    std::deque<std::string> traceLines;
};

constexpr size_t MaxLogRecords = 100000;
// Waveform buffers can be large: beyond this many samples in all, the oldest records give
// theirs up (they keep their "[n]" argument).
constexpr size_t MaxLogDataValues = size_t(1) << 22;
constexpr size_t MaxTraceLines = 100000;

BenchState &benchState();
// Reads PRALUNE_SIM_BENCH once, unless a test has set a bench; needs the bench lock held.
void ensureLoaded(BenchState &state);
// Resets every instrument and session to the freshly loaded bench; bench lock held.
void clearRuntime(BenchState &state);
bool parseBench(const std::string &text, std::vector<Resource> *resources, std::string *error);

} // namespace simbench
