# Installs like a Linux program: the programs in bin/, what they ship in share/quintara/ (data/ installs
# that), and packs the install as a Debian package (cpack -G DEB). The programs find share/quintara as
# ../share/quintara from their own folder, so both destinations stay fixed.
install(TARGETS quintara-cli RUNTIME DESTINATION bin)
if(TARGET quintara)
    install(TARGETS quintara RUNTIME DESTINATION bin)
endif()

# The package's own papers: the copyright file, and the changelog compressed as Debian keeps it.
set(changelog ${CMAKE_BINARY_DIR}/generated/changelog.gz)
add_custom_command(OUTPUT ${changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/cmake/debian/changelog > ${changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/debian/changelog
    COMMENT "Compressing the package's changelog")
add_custom_target(quintara_changelog ALL DEPENDS ${changelog})
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright ${changelog} DESTINATION share/doc/quintara)
# What lintian reports that is meant so, each with its reason in the file.
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/lintian-overrides DESTINATION share/lintian/overrides
    RENAME quintara)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Quintara)
# Whoever builds a package for others names themselves here (-DQUINTARA_MAINTAINER="Name <address>").
set(QUINTARA_MAINTAINER "Quintara developers <support@quintara.example>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${QUINTARA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw histories, statistics and number picks for UK lottery games")
# Debian shows the description in 80 columns: each line here is shorter.
set(CPACK_PACKAGE_DESCRIPTION
    "Quintara keeps the draw histories of Lotto, Lotto Extra, Thunderball and
Daily Play, counts how often and how recently every ball was drawn, chooses
final numbers from those statistics and turns them into lines with wheels.
It comes as a desktop program (quintara) and a command-line tool
(quintara-cli).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# No Homepage field until the product's web site exists.
# The run-time libraries come from the binaries themselves (dpkg-shlibdeps): the Qt 6 libraries and the C++
# run time, libcurl of quintara-cli, nothing the build used. Qt loads its platform plugins at run time, and
# its TLS plugin loads OpenSSL at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET quintara)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libssl3")
endif()
set(CPACK_STRIP_FILES ON)
include(CPack)
