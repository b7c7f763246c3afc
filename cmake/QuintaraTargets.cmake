# One library per layer, from every .cpp under its folder and its subfolders, so a new subfolder can
# never be left out of the build in silence. `EXCLUDE folder...` leaves out subfolders that are
# libraries of their own.
function(quintara_library name folder)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "EXCLUDE")
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
    foreach(excluded ${arg_EXCLUDE})
        list(FILTER sources EXCLUDE REGEX "^${PROJECT_SOURCE_DIR}/src/${folder}/${excluded}/")
    endforeach()
    if(NOT sources)
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${name} INTERFACE ${arg_UNPARSED_ARGUMENTS})
        return()
    endif()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PRIVATE quintara_warnings PUBLIC ${arg_UNPARSED_ARGUMENTS})
    # Only the engine and window libraries: GCC cannot see through the tests' assertions nor Qt's guarded
    # pointers, and reports dereferences their null checks already rule out.
    target_compile_options(${name} PRIVATE -Wnull-dereference)
endfunction()

# One GoogleTest executable per layer, from every .cpp under tests/<folder> and its subfolders.
function(quintara_tests name folder)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE quintara_warnings quintara_test_support GTest::gtest_main ${ARGN})
    target_compile_definitions(${name} PRIVATE
        QUINTARA_SOURCE_DIR="${PROJECT_SOURCE_DIR}" QUINTARA_APP_DIR="${QUINTARA_APP_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
