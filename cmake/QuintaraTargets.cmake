# Gives a target an include root of its own that holds only `folder` (a link to src/<folder>), so that
# "folder/Header.h" is found there and a header of a library the target does not link is not found at
# all: a layer that includes one above it fails to compile.
function(quintara_include_root target scope folder)
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} ${scope} ${root})
endfunction()

# One library per layer, from every .cpp under its folder and its subfolders, so a new subfolder can
# never be left out of the build in silence; the libraries it links follow the folder.
function(quintara_library name folder)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
    if(NOT sources)
        add_library(${name} INTERFACE)
        quintara_include_root(${name} INTERFACE ${folder})
        target_link_libraries(${name} INTERFACE ${ARGN})
        return()
    endif()
    add_library(${name} STATIC ${sources})
    quintara_include_root(${name} PUBLIC ${folder})
    target_link_libraries(${name} PRIVATE quintara_warnings PUBLIC ${ARGN})
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
