# Installation in the standard places of a Linux desktop (GNUInstallDirs), and
# the Debian package that CPack makes of it (scripts/package.sh).

# The program's name on the desktop: desktop entry, icon, AppStream metadata.
set(TERVALA_APP_ID org.tervala.Tervala)
# The project's web address; packaging/screenshots/ is published under it
# (the AppStream metadata points to screenshots/input-tab.png there).
set(TERVALA_HOMEPAGE "https://tervala.org" CACHE STRING "Web address of the project")
# The date of this version's release notes (AppStream, manual pages, changelog).
set(TERVALA_RELEASE_DATE 2026-12-06)
set(TERVALA_SCREENSHOT_WIDTH 675)
set(TERVALA_SCREENSHOT_HEIGHT 640)

set(TERVALA_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/tervala)
set(TERVALA_EXAMPLES_DIR ${CMAKE_INSTALL_FULL_DATADIR}/tervala/Data)
set(pkg ${CMAKE_SOURCE_DIR}/packaging)
set(gen ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS tervala tervala-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${pkg}/${TERVALA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/tervala.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${TERVALA_APP_ID}.svg)
foreach(size 48 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/tervala-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${TERVALA_APP_ID}.png)
endforeach()
install(FILES ${pkg}/tervala-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tervala.xml)

configure_file(${pkg}/${TERVALA_APP_ID}.metainfo.xml.in ${gen}/${TERVALA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${gen}/${TERVALA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages and the changelog go compressed, as Debian keeps them. The
# manual pages name the examples folder under the prefix installed to, which
# is known only when installing (cmake --install --prefix, or CPack's /usr).
set(TERVALA_EXAMPLES_DIR "@TERVALA_EXAMPLES_DIR@")  # kept for the install step
foreach(page tervala.1 tervala-batch.1)
  configure_file(${pkg}/${page}.in ${gen}/${page}.in @ONLY)
endforeach()
install(CODE "
  set(TERVALA_PAGES \"${gen}\")
  set(TERVALA_MANDIR \"${CMAKE_INSTALL_MANDIR}\")
  set(TERVALA_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  include(\"${pkg}/install_pages.cmake\")")

configure_file(${pkg}/changelog.in ${gen}/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${gen}/changelog.Debian.gz
  COMMAND gzip -9n -c ${gen}/changelog.Debian > ${gen}/changelog.Debian.gz
  DEPENDS ${gen}/changelog.Debian VERBATIM)
add_custom_target(tervala_changelog ALL DEPENDS ${gen}/changelog.Debian.gz)

install(DIRECTORY ${CMAKE_SOURCE_DIR}/Data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tervala/Data
  FILES_MATCHING PATTERN "*.inp" PATTERN "*.par")
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${pkg}/copyright DESTINATION ${TERVALA_DOCDIR})
install(FILES ${gen}/changelog.Debian.gz DESTINATION ${TERVALA_DOCDIR})

# ---- the Debian package ----
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tervala)
set(CPACK_PACKAGE_VENDOR "The Tervala developers")
set(CPACK_PACKAGE_CONTACT "The Tervala developers <tervala@tervala.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rainfall, drain discharge and water table of drained land")
# CPack puts the summary first and indents the lines of the description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Tervala is a desktop program for hydrologists and drainage engineers who
work with drained land (pipe drains or ditches). It models how rain and
irrigation become drain discharge and a water table above drain level with
two conceptual reservoirs, calibrates the reservoir's reaction factor
against observed discharge or water-table heights, predicts discharge and
water table from rainfall, draws graphs of its reports and derives the
reaction factor of a drained field from soil and drain geometry.

The package holds the window program tervala, the batch command
tervala-batch and example data sets.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TERVALA_HOMEPAGE})
# Library dependencies are read from the programs by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The graphs name the font "Arial", which Liberation Sans stands in for metric
# for metric; pictures match the tests' only with it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
