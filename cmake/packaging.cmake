# Installation and the Debian package: `cmake --install` lays out the program, its images and
# sounds, the desktop entry, icons, AppStream metadata, manual page and documents; CPack builds
# zarvo_<version>_amd64.deb from the same rules (scripts/package drives it).
include(GNUInstallDirs)

# Debian policy and the FHS keep games in <prefix>/games, which is on every player's PATH.
set(ZARVO_INSTALL_GAMESDIR games CACHE STRING "Folder of the program, relative to the prefix")
set(ZARVO_INSTALL_ASSETDIR ${CMAKE_INSTALL_DATADIR}/zarvo/assets)
option(ZARVO_COMPRESS_DOCS "gzip the manual page and changelog, as Debian packages carry them" OFF)

# The release this version is: shown in the manual page, changelog and AppStream metadata.
set(ZARVO_RELEASE_DATE 2026-12-07)
set(ZARVO_RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 12:00:00 +0000")
set(ZARVO_APPSTREAM_ID org.zarvo.Zarvo)
# Software centres fetch the screenshots by URL: the site folder of the browser build carries
# them in screenshots/, and this is the address that folder is served at (ending in /).
set(ZARVO_HOMEPAGE "https://zarvo.org/" CACHE STRING
    "Address of the game's web site, where screenshots/ of the site folder is served")
if(NOT ZARVO_HOMEPAGE MATCHES "^https?://.*/$")
  message(FATAL_ERROR "ZARVO_HOMEPAGE must be an http(s) address ending in /, not '${ZARVO_HOMEPAGE}'")
endif()
set(ZARVO_MAINTAINER "Zarvo developers <zarvo@example.org>" CACHE STRING
    "Maintainer of the Debian package and signer of its changelog")

# The program looks for its assets relative to its own folder, so a moved install still works.
foreach(dir GAMESDIR ASSETDIR)
  if(IS_ABSOLUTE "${ZARVO_INSTALL_${dir}}")
    set(full_${dir} "${ZARVO_INSTALL_${dir}}")
  else()
    set(full_${dir} "${CMAKE_INSTALL_PREFIX}/${ZARVO_INSTALL_${dir}}")
  endif()
endforeach()
file(RELATIVE_PATH ZARVO_ASSETS_FROM_PROGRAM "${full_GAMESDIR}" "${full_ASSETDIR}")
configure_file(cmake/build_info.h.in ${CMAKE_BINARY_DIR}/generated/build_info.h @ONLY)
target_include_directories(zarvo_start PUBLIC ${CMAKE_BINARY_DIR}/generated)

# The desktop icons, drawn by the asset generator.
set(ZARVO_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
add_custom_command(
  OUTPUT ${ZARVO_ICON_DIR}/.stamp
  COMMAND zarvo_assetgen --icons ${ZARVO_ICON_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${ZARVO_ICON_DIR}/.stamp
  DEPENDS zarvo_assetgen
  COMMENT "Drawing the desktop icons")

# The screenshots of the metadata, taken by the headless runner from the input scripts of
# packaging/screenshots/ (NAME FRAMES: the script and the frame whose picture is kept) and
# turned into PNG by zarvo_shotpng, whose stored pictures web/png_pack.py deflates to a ninth
# of their size when Python is at hand.
find_package(Python3 COMPONENTS Interpreter)
add_executable(zarvo_shotpng tools/shotpng/main.cpp)
target_link_libraries(zarvo_shotpng PRIVATE zarvo_painters)
set(ZARVO_SCREENSHOT_DIR ${CMAKE_BINARY_DIR}/screenshots)
set(ZARVO_SCREENSHOTS play 230 trail 165 title 40)
set(ZARVO_SCREENSHOT_FILES)
while(ZARVO_SCREENSHOTS)
  list(POP_FRONT ZARVO_SCREENSHOTS name frames)
  set(script ${CMAKE_SOURCE_DIR}/packaging/screenshots/${name}.txt)
  set(png ${ZARVO_SCREENSHOT_DIR}/${name}.png)
  set(pack)
  if(Python3_FOUND)
    set(pack COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/web/png_pack.py ${png} ${png})
  endif()
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZARVO_SCREENSHOT_DIR}
    COMMAND zarvo --headless --frames ${frames} --input ${script}
            --shot ${ZARVO_SCREENSHOT_DIR}/${name}.bmp --assets ${ZARVO_ASSET_DIR}
    COMMAND zarvo_shotpng ${ZARVO_SCREENSHOT_DIR}/${name}.bmp ${png}
    ${pack}
    COMMAND ${CMAKE_COMMAND} -E rm ${ZARVO_SCREENSHOT_DIR}/${name}.bmp
    DEPENDS zarvo zarvo_shotpng zarvo_assets ${script} ${CMAKE_SOURCE_DIR}/web/png_pack.py
    COMMENT "Taking the screenshot ${name}.png")
  list(APPEND ZARVO_SCREENSHOT_FILES ${png})
endwhile()
add_custom_target(zarvo_screenshots ALL DEPENDS ${ZARVO_SCREENSHOT_FILES})

# Manual page, changelog and metadata carry the version and release date.
set(pkg ${CMAKE_BINARY_DIR}/packaging)
configure_file(packaging/zarvo.6.in ${pkg}/zarvo.6 @ONLY)
configure_file(packaging/changelog.in ${pkg}/changelog @ONLY)
configure_file(packaging/zarvo.metainfo.xml.in ${pkg}/${ZARVO_APPSTREAM_ID}.metainfo.xml @ONLY)
set(ZARVO_MANUAL ${pkg}/zarvo.6)
set(ZARVO_CHANGELOG ${pkg}/changelog)
if(ZARVO_COMPRESS_DOCS)
  find_program(GZIP gzip REQUIRED)
  foreach(doc zarvo.6 changelog)
    add_custom_command(
      OUTPUT ${pkg}/${doc}.gz
      COMMAND ${GZIP} -9n -c ${pkg}/${doc} > ${pkg}/${doc}.gz
      DEPENDS ${pkg}/${doc})
  endforeach()
  set(ZARVO_MANUAL ${pkg}/zarvo.6.gz)
  set(ZARVO_CHANGELOG ${pkg}/changelog.gz)
endif()
add_custom_target(zarvo_install_files ALL DEPENDS ${ZARVO_ICON_DIR}/.stamp ${ZARVO_MANUAL}
                                                  ${ZARVO_CHANGELOG})

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS zarvo RUNTIME DESTINATION ${ZARVO_INSTALL_GAMESDIR})
install(DIRECTORY ${ZARVO_ASSET_DIR}/ DESTINATION ${ZARVO_INSTALL_ASSETDIR}
        PATTERN .stamp EXCLUDE)
install(DIRECTORY ${ZARVO_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
        PATTERN .stamp EXCLUDE)
install(FILES ${ZARVO_SCREENSHOT_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/zarvo/screenshots)
install(FILES packaging/zarvo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg}/${ZARVO_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ZARVO_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${ZARVO_CHANGELOG} packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package. Its dependencies are worked out by dpkg-shlibdeps from the program.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zarvo)
set(CPACK_PACKAGE_VENDOR "Zarvo developers")
set(CPACK_PACKAGE_CONTACT "${ZARVO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game of claiming territory")
# Lines of at most 80 characters, as Debian's control files want them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Steer a small figure around the edge of an arena of floor tiles. Step off the"
  "edge and it leaves a trail; reach the edge again and the arena is cut along"
  "the trail: the smaller part falls away and every removed tile scores."
  ""
  "Ground enemies of seven kinds attack with shots, rockets, bomb chains,"
  "thunder, lasers, stars and grabbing arms; flying pilots, monsters running"
  "along the edge and fixed hazards add to the danger. Destroy them with star"
  "shots or let them fall into a hole, or claim 80 percent of the arena, to"
  "win a level. Eight levels are played at each of three difficulties, and"
  "the best scores are kept.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# The screenshot test reads the screenshots and the metadata this build made.
if(ZARVO_TESTS)
  add_dependencies(screenshots_test zarvo_screenshots)
  target_compile_definitions(screenshots_test PRIVATE
    ZARVO_SCREENSHOT_DIR="${ZARVO_SCREENSHOT_DIR}"
    ZARVO_METAINFO="${pkg}/${ZARVO_APPSTREAM_ID}.metainfo.xml")
endif()
