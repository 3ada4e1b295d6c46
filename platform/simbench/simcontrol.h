#pragma once
// Control of the simulated bench behind the VISA and driver stand-ins, for tests only.
// Every function is thread-safe. Without any call the bench is the one named by the
// environment variable PRALUNE_SIM_BENCH (no variable: an empty bench).
//
// Bench description (INI text; sections in file order are the VISA enumeration order):
//   [TCPIP0::10.0.0.5::INSTR]          one section per resource, named by its resource string
//   interface = TCPIP                  GPIB, VXI, GPIB-VXI, ASRL, PXI, TCPIP, USB or a number
//   manufacturer = 0xE76               VI_ATTR_MANF_ID
//   model = 0x10D                      VI_ATTR_MODEL_CODE
//   slot = 1                           VI_ATTR_SLOT (VXI)
//   idn = ZQVOLTA,KT220,1,1.0          *IDN? reply; empty or missing: the query times out
//   lock = grant                       grant, refuse (VI_ERROR_RSRC_LOCKED) or timeout
//   kind = powersupply                 carrier, powersupply or instrument; default: carrier
//                                      when a slotN key is given or the idn names ZQTAVRIN,
//                                      powersupply when it names ZQVOLTA, else instrument
//   load = 10                          power supply: resistive load in ohms
//   selftest = 0, selftest_message =   carrier self-test result
//   slot1 = 0x20 ... slot8             carrier: module code in the slot (absent: empty slot)
//   slot2.amplitude = 0.8              oscilloscope in slot 2: sine peak volts (channel 2
//   slot2.frequency = 1000             gets half of it, 90 degrees later); frequency in Hz
//   slot1.reading = 1.0                multimeter in slot 1: scale of its readings
//
// What the instruments do: a mezzanine session answers only after its connect to an open
// carrier session and a slot with its module code (else ZQ_ERROR_NOT_CONNECTED or
// ZQ_ERROR_NO_MODULE). Oscilloscopes deliver nothing until triggered and then the requested
// count of the sine of each enabled input (a disabled one: ZQ_ERROR_NOT_CONFIGURED), clipped
// at the range with ZQ_WARN_INPUT_OVERDRIVE; HX9's ready flag is 1 from trigger to stop. The
// multimeter, once started (initImm) and until abor, has a packet of mode_readData's count
// (else sampCoun's) ready at every query; a fixed range below the reading gives
// ZQ_WARN_OVER_RANGE_FIRST + function. The power supply drives its load at the voltage set
// point or the current limit, whichever is lower (state CV or CC; 0 when off). Bad arguments
// give ZQ_ERROR_PARAMETER.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace simbench {

// Empty bench, no open sessions, no scripts, failures, call log or trace lines. The
// environment variable is not read again afterwards.
void reset();
// Replaces the bench and starts afresh as reset() does (sessions, failures, scripts, error
// texts and call log); false with a reason on a bad description, the bench unchanged.
bool loadBench(const std::string &path, std::string *error = nullptr);
bool loadBenchText(const std::string &iniText, std::string *error = nullptr);

// Sessions opened and not yet closed; library "" counts all, else one of "visa32",
// "zqtavrin", "zqrv31", "zqkw7", "zqhx2", "zqhx9", "zqvolta".
int openSessionCount(const std::string &library = std::string());

// Calls number nth .. nth + times - 1 (1-based, counted from this call on) of the named
// function return status; times Always: every call from the nth on. A negative status makes
// the call do nothing else (no out-value written, nothing opened or closed); a positive one
// is returned after the call has done its work.
constexpr int Always = -1;
void failCall(const std::string &function, int nth, int32_t status, int times = 1);
void clearFailures();

// The next calls of the function write these values, one per call, into its main out-value
// instead of the simulated one; afterwards the simulation takes over again. Main out-values:
// zqtavrin_self_test result code, zqtavrin_m_type_q module code (0 also clears present),
// zqrv31_numReadyData count, zqrv31_read_packet and zq{hx2,hx9}_readWaveform delivered count
// (never beyond the count asked for), zqhx9_ready_Q flag, zqvolta_GetState word,
// zqvolta_GetTelemetry value, viGetAttribute value.
void scriptOutValues(const std::string &function, const std::vector<double> &values);
void clearScripts();

// Instrument properties (resource string as in the bench; slot 1 to 8 on a carrier).
void setIdnReply(const std::string &resource, const std::string &reply);
void setSlotModule(const std::string &resource, int slot, int code); // code 0: empty
void setSelfTest(const std::string &resource, int code, const std::string &message);
void setLoad(const std::string &resource, double ohms);
// Text of <library>_error_message ("zqrv31" etc.) for every status; "" restores the driver's
// own texts.
void setErrorMessage(const std::string &library, const std::string &text);

// What the instrument at resource/slot was last told (for example "ch0.frequency", "running",
// "voltage"); empty when there is no such instrument.
std::map<std::string, std::string> settings(const std::string &resource, int slot = 0);

struct CallRecord
{
    uint64_t sequence = 0; // from 1, in call order
    int64_t timeNs = 0; // steady clock since reset or load
    std::string function;
    uint32_t session = 0; // first handle argument (0 for the openers)
    std::vector<std::string> args; // every argument after the session, as text; in/out
                                   // arguments with their value on entry, buffers as "[n]"
    std::vector<double> data; // the samples of zqkw7_afg_setData and zqkw7_writeAWG
    int32_t status = 0;
};
// The last calls of every library (at most 100000), oldest first.
std::vector<CallRecord> callLog();
std::vector<CallRecord> callLog(const std::string &function);
void clearCallLog();

// zqTraceLog lines as passed (raw Windows-1251 bytes, without the NUL), oldest first; at most
// the last 100000.
std::vector<std::string> traceLines();
void clearTraceLines();

} // namespace simbench
