# Builds with the distribution's own compiler and linker flags, as its packages are built: dpkg-buildflags
# with every hardening feature (fortified functions, stack protector, read-only relocations bound at
# start, position-independent executables). Switched on by QUINTARA_DISTRIBUTION_FLAGS (the release
# preset does); included before any target is made, so that every target gets the flags.
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# CMake has no place of its own for preprocessor flags: they go with the compiler's.
string(APPEND CMAKE_CXX_FLAGS " ${flags_CPPFLAGS} ${flags_CXXFLAGS}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${flags_LDFLAGS}")
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
message(STATUS "Distribution flags: ${flags_CPPFLAGS} ${flags_CXXFLAGS} | ${flags_LDFLAGS}")
