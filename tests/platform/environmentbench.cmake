# The bench named by PRALUNE_SIM_BENCH is what a process sees before any test control call.
pralune_add_test(NAME platform_environmentbench
    SOURCES "${CMAKE_CURRENT_LIST_DIR}/environmentbench.cpp"
    LIBS simbench pralune_platform
    LABELS platform
    ENVIRONMENT "PRALUNE_SIM_BENCH=${CMAKE_CURRENT_LIST_DIR}/benches/environment.ini")
