# The performance budget of the desktop program (bench/app_budget/): launch time, memory, and the
# CPU used idle and while the spot sweeps. Measures real time, so not in the sanitizer build, and
# alone: the other tests' load would count.
if(TARGET ondivel_ui AND TARGET ondivel)
    file(GLOB ONDIVEL_APP_BUDGET_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/app_budget/*.cpp)
    add_executable(app_budget ${ONDIVEL_APP_BUDGET_SOURCES})
    target_link_libraries(app_budget PRIVATE ondivel_ui ondivel_warnings)
    if(ONDIVEL_BUILD_TESTS AND BUILD_TESTING AND NOT ONDIVEL_SANITIZE)
        add_test(NAME bench.app_budget COMMAND app_budget --program $<TARGET_FILE:ondivel> --check)
        set_tests_properties(bench.app_budget PROPERTIES RUN_SERIAL TRUE TIMEOUT 120)
    endif()
endif()
