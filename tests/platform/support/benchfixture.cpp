#include "benchfixture.h"

#include "simbench/simcontrol.h"

#include <QtTest>

namespace benchfixture {

const char *const CarrierResource = "VXI0::2::INSTR";
const char *const SupplyResource = "TCPIP0::192.168.0.7::INSTR";
const char *const LockedResource = "GPIB0::5::INSTR";

std::string standardBench()
{
    return "; resources in VISA's enumeration order\n"
           "[VXI0::2::INSTR]\n"
           "manufacturer = 0xE76\n"
           "model = 0x10D\n"
           "slot = 2\n"
           "slot2 = 0x20\n"
           "slot5 = 0x1042\n"
           "selftest = 0\n"
           "\n"
           "[TCPIP0::192.168.0.7::INSTR]\n"
           "idn = ZQVOLTA,KT220,0017,1.4\n"
           "kind = powersupply\n"
           "load = 10\n"
           "\n"
           "[GPIB0::5::INSTR]\n"
           "idn = OTHER,METER,1,1\n"
           "lock = refuse\n"
           "\n"
           "[VXI0::0::INSTR]\n"
           "manufacturer = 0xE76\n"
           "model = 0x10D\n"
           "slot = 0\n"
           "\n"
           "[TCPIP0::192.168.0.9::5025::SOCKET]\n"
           "idn = SOCKET,ONLY,1,1\n";
}

bool loadStandardBench()
{
    std::string error;
    const bool ok = simbench::loadBenchText(standardBench(), &error);
    if (!ok)
        qWarning("standard bench: %s", error.c_str());
    return ok;
}

} // namespace benchfixture
