# Fails when a hot loop of the simulated frame lost its vector instructions in one of its
# instruction-set clones. Such a loss changes no result, so no other test would notice;
# only the frame would take three to four times as long.
#   cmake -DOBJDUMP=<objdump> -DLIBRARY=<archive or object> -P checkvectorclones.cmake
# Each clone must use packed arithmetic on its vector registers: xmm for the baseline (SSE2)
# clone, ymm for the AVX2 one, ymm or zmm for the AVX-512 one (the compiler may keep 256-bit
# vectors there).
cmake_minimum_required(VERSION 3.16)

# name shown | symbol of the function (mangled, as the clones' symbols are named)
set(_functions
    "DemoWaveformGenerator::fillRow|_ZN21DemoWaveformGenerator7fillRowEPdi"
    "DemoWaveformGenerator::refillDeviates|_ZN21DemoWaveformGenerator14refillDeviatesEv"
    "MersenneTwister::twist|_ZN15MersenneTwister5twistEv"
    "MersenneTwister::temper|_ZNK15MersenneTwister6temperEPj")
set(_clones default arch_x86_64_v3 arch_x86_64_v4)
# Per clone the packed operations that scalar code never uses on those registers; scalar SSE2
# code does use andpd, xorpd and pxor (absolute values, signs, zeroing), so the baseline clone
# counts arithmetic and shifts only.
set(_packed_default "\t(add|sub|mul|div|sqrt)pd|\tp(add|sub|srl|sll|sra)[dq]")
set(_register_default "%xmm")
set(_packed_wide "\tv(add|sub|mul|div|sqrt|min|max|and|andn|or|xor|cmp|blendv|cvt)[a-z0-9]*p[sd]|\tvp(add|sub|mul|and|or|xor|sr|sl|cmp|blend|max|min)[a-z0-9]*")
set(_packed_arch_x86_64_v3 "${_packed_wide}")
set(_register_arch_x86_64_v3 "%ymm")
set(_packed_arch_x86_64_v4 "${_packed_wide}")
set(_register_arch_x86_64_v4 "%[yz]mm")

execute_process(COMMAND "${OBJDUMP}" -d --no-show-raw-insn "${LIBRARY}"
    OUTPUT_VARIABLE _code RESULT_VARIABLE _result ERROR_VARIABLE _error)
if(NOT _result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} failed on ${LIBRARY}: ${_error}")
endif()

set(_failures "")
foreach(_function IN LISTS _functions)
    string(REPLACE "|" ";" _parts "${_function}")
    list(GET _parts 0 _name)
    list(GET _parts 1 _symbol)
    foreach(_suffix IN LISTS _clones)
        set(_packed "${_packed_${_suffix}}")
        set(_register "${_register_${_suffix}}")
        string(FIND "${_code}" "<${_symbol}.${_suffix}>:\n" _start)
        if(_start EQUAL -1)
            string(APPEND _failures "\n  ${_name}: no ${_suffix} clone in the library")
            continue()
        endif()
        string(SUBSTRING "${_code}" ${_start} -1 _body)
        string(FIND "${_body}" "\n\n" _end)
        string(SUBSTRING "${_body}" 0 ${_end} _body)
        string(REGEX MATCHALL "(${_packed})[ \t][^\n]*${_register}" _vector "${_body}")
        list(LENGTH _vector _count)
        if(_count EQUAL 0)
            string(APPEND _failures
                "\n  ${_name} [${_suffix}]: no packed instruction on ${_register} registers")
        else()
            message(STATUS "${_name} [${_suffix}]: ${_count} packed instructions")
        endif()
    endforeach()
endforeach()

if(_failures)
    message(FATAL_ERROR "The frame's loops are no longer vectorized:${_failures}\n"
        "Check the compile options of the frame's files in hardware/CMakeLists.txt.")
endif()
