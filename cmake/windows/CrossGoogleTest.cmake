# GoogleTest built for Windows from Debian's own sources (package googletest): the host's
# libraries are Linux ones. Only the targets the tests link are built.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Their code is not ours to hold to our warnings. The project gives GTest::gtest and
# GTest::gtest_main itself.
set_target_properties(gtest gtest_main PROPERTIES COMPILE_OPTIONS "-w")
