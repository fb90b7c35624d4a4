# Install rules and the Debian package. The programs find everything else
# relative to themselves (bin/ beside LIBDIR/tessarin/ and
# share/tessarin/data/), so an installed tree works under any prefix:
#   cmake --install build --prefix ~/.local
#   cd build && cpack -G DEB
# A package is built from a folder configured with -DCMAKE_INSTALL_PREFIX=/usr,
# which puts the update library in the multiarch folder
# (/usr/lib/<triplet>/tessarin), where the loader's cache plays no part.
# Expects GNUInstallDirs to be included already.

set(TESSARIN_PACKAGE_RELEASE 1)
set(packaging_sources ${CMAKE_SOURCE_DIR}/packaging)
set(private_library_dir ${CMAKE_INSTALL_LIBDIR}/tessarin)

# The window program finds the update library relative to itself
# (tessarin-cli does not link it).
file(RELATIVE_PATH bin_to_private_libraries /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${private_library_dir})
set_target_properties(tessarin PROPERTIES INSTALL_RPATH "$ORIGIN/${bin_to_private_libraries}")
install(TARGETS tessarin tessarin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS update LIBRARY DESTINATION ${private_library_dir})

# The bundled timetable and station list, without any journal SQLite may
# have left beside the file.
install(DIRECTORY ${TESSARIN_DATA_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tessarin/data
        FILES_MATCHING PATTERN "*.mdb" PATTERN "stations.txt")

# The menu entry, the software list's description and the icons, drawn at
# build time from the main window's icon.
set(icon_theme ${CMAKE_BINARY_DIR}/icons/hicolor)
add_custom_command(
  OUTPUT ${icon_theme}.stamp
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${icon_theme}
  COMMAND tessarin-make-icons ${icon_theme}
  COMMAND ${CMAKE_COMMAND} -E touch ${icon_theme}.stamp
  DEPENDS tessarin-make-icons
  COMMENT "Drawing the program's icons"
  VERBATIM
)
add_custom_target(program_icons ALL DEPENDS ${icon_theme}.stamp)
install(DIRECTORY ${icon_theme}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${packaging_sources}/${TESSARIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_sources}/${TESSARIN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The release named first in the changelog and in the software list must be
# this one: a version raised in one place only would ship stale notes.
function(tessarin_require_release file pattern)
  file(READ ${file} text)
  string(REGEX MATCH "${pattern}" first_release "${text}")
  if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "${file} names release '${CMAKE_MATCH_1}' first, the project is ${PROJECT_VERSION}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
endfunction()
tessarin_require_release(${packaging_sources}/changelog.Debian "^tessarin \\(([^)-]+)-${TESSARIN_PACKAGE_RELEASE}\\)")
tessarin_require_release(${packaging_sources}/${TESSARIN_APP_ID}.metainfo.xml "<release version=\"([^\"]+)\"")

# Debian keeps the copyright and the changelog in the package's
# documentation folder; the package's changelog is compressed when the
# package is made, so a build needs no compressor.
install(FILES ${packaging_sources}/copyright ${packaging_sources}/changelog.Debian
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tessarin)

set(CPACK_PACKAGE_NAME tessarin)
set(CPACK_PACKAGE_VENDOR "Tessarin maintainers")
set(CPACK_PACKAGE_CONTACT "Tessarin maintainers <maintainers@users.noreply.c-seed-fac4c058.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "query tool for a national railway passenger timetable")
set(CPACK_PACKAGE_DESCRIPTION "Tessarin finds the trains between two stations, the trains whose number
contains a text and every train calling at a station, with each train's
stop list and the fare of each seat and berth class; between two stations
without a direct train it finds journeys with up to two changes. The user
interface is in Simplified Chinese. A demo timetable is included, and the
command tessarin-cli runs the same queries for scripts.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TESSARIN_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps runs in the staged tree, where the update library lies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS .${CPACK_PACKAGING_INSTALL_PREFIX}/${private_library_dir})
# The window's fonts, by the names the program's font substitution asks for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-arphic-uming, fonts-dejavu-core")
# Debian wants manual pages and the changelog compressed; a plain
# `cmake --install` keeps them as they are.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/CompressPackageDocs.cmake)
include(CPack)
