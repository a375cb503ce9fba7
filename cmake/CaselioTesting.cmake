# caselio_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI])
#
# One GoogleTest program, registered case by case with ctest (cross-built: as one test). GUI programs link the
# Qt test main (a QApplication on the offscreen platform unless QT_QPA_PLATFORM is set).
function(caselio_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    if(ARG_GUI)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} caselio_qt_test_main GTest::gtest)
        set(env "QT_QPA_PLATFORM=offscreen")
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
        set(env "")
    endif()
    if(CMAKE_CROSSCOMPILING)
        # A cross-built program runs whole under its emulator (Wine): starting one per case
        # would cost seconds each.
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" LABELS "${ARG_LABELS}")
    else()
        gtest_discover_tests(${name}
            DISCOVERY_MODE PRE_TEST
            DISCOVERY_TIMEOUT 120
            PROPERTIES ENVIRONMENT "${env}" LABELS "${ARG_LABELS}")
    endif()
endfunction()
