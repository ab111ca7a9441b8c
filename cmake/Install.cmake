# Install rules and the Debian package of the game.
#
#   <prefix>/games/pebbledash                 the game
#   <prefix>/share/pebbledash/                data/, sound/, wdata/, play.url (generated)
#   <prefix>/share/applications/ID.desktop    the desktop entry
#   <prefix>/share/metainfo/ID.metainfo.xml   AppStream description
#   <prefix>/share/icons/hicolor/NxN/apps/    the icons, 16 to 256 pixels (generated)
#   <prefix>/share/man/man6/pebbledash.6.gz   the manual page
#
# The game finds its data as ../share/pebbledash from its own folder, so any prefix works.
# The headless runner, the generator and the tests are not installed. The score server is
# in the component "scores", left out of `cmake --install` unless asked for
# (`cmake --install build --component scores`) and out of the package.
set(PEBBLEDASH_APP_ID "org.example.pebbledash" CACHE STRING "Reverse-DNS id of the desktop entry and AppStream data")
set(PEBBLEDASH_RELEASE_DATE "2026-12-08")
set(PEBBLEDASH_INSTALL_BINDIR "games" CACHE STRING "Where the game's executable goes below the prefix (games or bin)")
set(PEBBLEDASH_INSTALL_DATADIR "share/pebbledash")
if(NOT PEBBLEDASH_INSTALL_BINDIR MATCHES "^(games|bin)$")
  message(FATAL_ERROR "PEBBLEDASH_INSTALL_BINDIR must be games or bin: the game looks for ../share/pebbledash")
endif()

set(dist ${CMAKE_SOURCE_DIR}/dist)
set(staged ${CMAKE_BINARY_DIR}/dist)
configure_file(${dist}/pebbledash.metainfo.xml.in ${staged}/${PEBBLEDASH_APP_ID}.metainfo.xml @ONLY)
configure_file(${dist}/pebbledash.desktop ${staged}/${PEBBLEDASH_APP_ID}.desktop COPYONLY)
configure_file(${dist}/pebbledash.6 ${staged}/pebbledash.6 @ONLY)

# Debian ships manual pages compressed; -n keeps the archive free of a time stamp.
find_program(GZIP_PROGRAM gzip REQUIRED)
add_custom_command(OUTPUT ${staged}/pebbledash.6.gz
  COMMAND ${GZIP_PROGRAM} -9nf -k ${staged}/pebbledash.6
  DEPENDS ${staged}/pebbledash.6
  VERBATIM)
add_custom_target(manual_page ALL DEPENDS ${staged}/pebbledash.6.gz)

install(TARGETS pebbledash RUNTIME DESTINATION ${PEBBLEDASH_INSTALL_BINDIR} COMPONENT game)
# The generated folders, without the saved files a run from the build tree may have left.
install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/data ${CMAKE_BINARY_DIR}/bin/sound ${CMAKE_BINARY_DIR}/bin/wdata
  DESTINATION ${PEBBLEDASH_INSTALL_DATADIR} COMPONENT game
  PATTERN "settings.dat*" EXCLUDE
  PATTERN "records.dat*" EXCLUDE
  PATTERN "boss.dat" EXCLUDE
  PATTERN "*.tmp" EXCLUDE)
install(FILES ${CMAKE_BINARY_DIR}/bin/play.url DESTINATION ${PEBBLEDASH_INSTALL_DATADIR} COMPONENT game)
install(FILES ${staged}/${PEBBLEDASH_APP_ID}.desktop DESTINATION share/applications COMPONENT game)
install(FILES ${staged}/${PEBBLEDASH_APP_ID}.metainfo.xml DESTINATION share/metainfo COMPONENT game)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION share/icons COMPONENT game)
install(FILES ${staged}/pebbledash.6.gz DESTINATION share/man/man6 COMPONENT game)

if(TARGET pebbledash-scores)
  install(TARGETS pebbledash-scores RUNTIME DESTINATION bin COMPONENT scores EXCLUDE_FROM_ALL)
endif()

# The .deb (scripts/package.sh): the game only, its dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pebbledash)
set(CPACK_PACKAGE_VENDOR "The Pebbledash developers")
set(CPACK_PACKAGE_CONTACT "The Pebbledash developers <games@pebbledash.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "race toy cars around table-top tracks")
set(CPACK_PACKAGE_DESCRIPTION "Pebbledash is a 3D arcade racing game: toy cars on table-top tracks against\ncomputer drivers, bonuses on the road, levels until the lives run out and\nlocal high-score tables.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PEBBLEDASH_PUBLISHER_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The menus' links and the closing screen open files and pages with xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL game)
include(CPack)
