#include "simbench/simcontrol.h"

namespace simbench {

void reset() {}
bool loadBench(const std::string &, std::string *) { return false; }
bool loadBenchText(const std::string &, std::string *) { return false; }
int openSessionCount(const std::string &) { return 0; }
void failCall(const std::string &, int, int32_t, int) {}
void clearFailures() {}
void scriptOutValues(const std::string &, const std::vector<double> &) {}
void clearScripts() {}
void setIdnReply(const std::string &, const std::string &) {}
void setSlotModule(const std::string &, int, int) {}
void setSelfTest(const std::string &, int, const std::string &) {}
void setLoad(const std::string &, double) {}
void setErrorMessage(const std::string &, const std::string &) {}
std::map<std::string, std::string> settings(const std::string &, int) { return {}; }
std::vector<CallRecord> callLog() { return {}; }
std::vector<CallRecord> callLog(const std::string &) { return {}; }
void clearCallLog() {}
std::vector<std::string> traceLines() { return {}; }
void clearTraceLines() {}

} // namespace simbench
