# GoogleTest: Debian's package on the host; for Windows its installed source, built here.
include(CTest)
if(CMAKE_CROSSCOMPILING)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
    find_package(GTest REQUIRED)
    include(GoogleTest)
endif()

# quillora_add_test(NAME SOURCES... LIBS libs...)
# On the host every test case is its own ctest entry; under Wine one entry per executable,
# since each start of Wine costs about a second.
function(quillora_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${name} COMMAND ${name})
    else()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
    endif()
endfunction()

# quillora_add_gui_test(NAME SOURCES... LIBS libs...)
# A Windows test driver with real windows, real input and the screen: it runs in Wine's virtual
# desktop on a private X display, one such run at a time.
function(quillora_add_gui_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/xdotool_win.cpp)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-gui-run.sh $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine_gui TIMEOUT 300)
endfunction()
