# Where `cmake --install` puts the programs, and the Debian package built from
# that install tree by `cpack -G DEB` (or `cpack --preset deb`).

install(TARGETS kelvaro kelvaro-chart RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The licence, where Debian looks for a package's copyright.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/kelvaro
        RENAME copyright)

set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_VENDOR "Orvenna Softwares")
set(CPACK_PACKAGE_CONTACT "Orvenna Softwares" CACHE STRING "The package's maintainer")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bhava chart readings for Vedic astrology")
# The long description, wrapped as dpkg shows it.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Kelvaro computes the twelve houses (Bhavas) of a natal chart from a person's\n"
  "date, time and place of birth: the Julian day, the ayanamsa, the sidereal\n"
  "ascendant and midheaven, and the mid-point and junction of every house, with\n"
  "an interpretation of each house, the planets in the houses and how many\n"
  "minutes of birth time would move each planet into another house. Readings\n"
  "are saved to files and opened again later.\n"
  "\n"
  "The package also holds kelvaro-chart, which computes readings on the command\n"
  "line as text or JSON.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.orvennasoftwares.com/kelvaro/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The package's dependencies are those of the binaries, found by dpkg-shlibdeps
# (Swiss Ephemeris among them, libswe2.0), and the data files no binary links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The ephemeris files the planets are read from, the atlas of places (the
# GeoNames list) and the time-zone data it is read with, and the Devanagari
# and Tamil fonts of the windows and the printed reading in Hindi and Tamil,
# beside the libraries found from the binaries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "swe-basic-data, libtimezonemap-data, tzdata, fonts-noto-core")
# Web links and the update reminder hand their pages to the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)

set(CPACK_GENERATOR DEB)
include(CPack)
