# libFuzzer target for the channel-data reader; built only on request and only with clang:
#   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_C_COMPILER=clang-14 \
#         -DPRALUNE_FUZZ=ON -DPRALUNE_BUILD_BENCH=OFF
#   build-fuzz/fuzz_channeldata -max_total_time=300 tests/resources/fuzz/corpus
if(PRALUNE_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    add_executable(fuzz_channeldata
        "${CMAKE_CURRENT_LIST_DIR}/fuzz/fuzz_channeldata.cpp"
        "${PROJECT_SOURCE_DIR}/resources/channeldatafile.cpp")
    target_include_directories(fuzz_channeldata PRIVATE "${PROJECT_SOURCE_DIR}")
    target_compile_options(fuzz_channeldata PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(fuzz_channeldata PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(fuzz_channeldata PRIVATE Qt5::Core)
endif()
