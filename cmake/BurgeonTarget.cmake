# Shared compile settings for every Burgeon target.
function(burgeon_settings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion)
    if(BURGEON_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(BURGEON_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                                                 -fno-sanitize-recover=undefined
                                                 -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
    if(BURGEON_FUZZ)
        # Coverage for the fuzzer in every library it links; the fuzzer's own main comes only
        # with -fsanitize=fuzzer on the fuzz executables.
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link
            -fsanitize-coverage-ignorelist=${PROJECT_SOURCE_DIR}/fuzz/coverage-ignorelist.txt)
    endif()
endfunction()

# burgeon_module(name SOURCES ... DEPENDS ...): one library per top-level folder.
function(burgeon_module name)
    cmake_parse_arguments(MODULE "" "" "SOURCES;DEPENDS" ${ARGN})
    if(NOT MODULE_SOURCES)
        # A module of headers only so far.
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE ${MODULE_DEPENDS})
        return()
    endif()
    add_library(${name} STATIC ${MODULE_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${MODULE_DEPENDS})
    burgeon_settings(${name})
endfunction()

# burgeon_tests(name LABEL unit SOURCES ... DEPENDS ... [PROPERTIES ...]): one GoogleTest
# executable; PROPERTIES are further CTest properties of each of its tests.
# Without BURGEON_TESTS the executable is left out of the build and no test is registered.
function(burgeon_tests name)
    cmake_parse_arguments(TESTS "" "LABEL" "SOURCES;DEPENDS;PROPERTIES" ${ARGN})
    if(NOT BURGEON_TESTS)
        add_executable(${name} EXCLUDE_FROM_ALL ${TESTS_SOURCES})
        target_link_libraries(${name} PRIVATE ${TESTS_DEPENDS} GTest::gtest GTest::gtest_main)
        return()
    endif()
    add_executable(${name} ${TESTS_SOURCES})
    target_link_libraries(${name} PRIVATE ${TESTS_DEPENDS} GTest::gtest GTest::gtest_main)
    burgeon_settings(${name})
    gtest_discover_tests(${name} PROPERTIES LABELS ${TESTS_LABEL} ${TESTS_PROPERTIES}
                         WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                         DISCOVERY_TIMEOUT 60)
endfunction()
