#pragma once
#include <string>

// The bench most platform tests start from: one VXI carrier with a multimeter in slot 2 and a
// generator in slot 5 (its code with bits 12 to 15 set), a power supply on TCP/IP, an
// instrument that refuses the lock, a VXI device in slot 0 and a socket resource that the
// instrument expression does not match.
namespace benchfixture {

extern const char *const CarrierResource;
extern const char *const SupplyResource;
extern const char *const LockedResource;

std::string standardBench();
// Loads the standard bench; fails the calling test when it does not load.
bool loadStandardBench();

} // namespace benchfixture
