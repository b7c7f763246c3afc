# Installs like a Linux program: the programs in bin/, what they ship in share/quintara/ (data/ installs
# that), and packs the install as a Debian package (cpack -G DEB). The programs find share/quintara as
# ../share/quintara from their own folder, so both destinations stay fixed.
install(TARGETS quintara-cli RUNTIME DESTINATION bin)
if(TARGET quintara)
    install(TARGETS quintara RUNTIME DESTINATION bin)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Quintara)
set(CPACK_PACKAGE_CONTACT "Quintara <support@quintara.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Draw histories, statistics and number picks for UK lottery games")
set(CPACK_PACKAGE_DESCRIPTION
    "Quintara keeps the draw histories of Lotto, Lotto Extra, Thunderball and Daily Play, counts how often
and how recently every ball was drawn, chooses final numbers from those statistics and turns them into
lines with wheels. It comes as a desktop program (quintara) and a command-line tool (quintara-cli).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quintara.example/")
# The run-time libraries come from the binaries themselves (dpkg-shlibdeps): the Qt 6 libraries and the C++
# run time, nothing the build used. Qt loads its platform plugins at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET quintara)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
set(CPACK_STRIP_FILES ON)
include(CPack)
