# SPDX-License-Identifier: GPL-3.0-or-later
# Installation: the programs in bin/, the help page in share/brackwater/ (which the
# program finds relative to its own directory), the desktop entry, the icon, the
# AppStream metadata, the manual pages, the licence and changelog, and the
# recorder's systemd service with its options file.
include(GNUInstallDirs)

set(BRACKWATER_APP_ID "org.brackwater.brackwater" CACHE STRING
    "Application id (reverse domain name): desktop entry, metadata, Wayland app id")
set(BRACKWATER_HOMEPAGE "https://brackwater.example.org" CACHE STRING
    "Project home page; the metadata's screenshot lies under it")
set(BRACKWATER_RELEASE_DATE "2026-12-07")

file(RELATIVE_PATH data_from_bin "/${CMAKE_INSTALL_BINDIR}" "/${CMAKE_INSTALL_DATADIR}/brackwater")
if(NOT data_from_bin STREQUAL "../share/brackwater")
  message(FATAL_ERROR "The program looks for its help page in ../share/brackwater from its own "
    "directory; CMAKE_INSTALL_BINDIR (${CMAKE_INSTALL_BINDIR}) and CMAKE_INSTALL_DATADIR "
    "(${CMAKE_INSTALL_DATADIR}) do not give that layout.")
endif()

target_compile_definitions(brackwater PRIVATE BRACKWATER_APP_ID="${BRACKWATER_APP_ID}")

set(generated ${CMAKE_CURRENT_BINARY_DIR}/packaging)
configure_file(packaging/brackwater.desktop.in ${generated}/${BRACKWATER_APP_ID}.desktop @ONLY)
configure_file(packaging/brackwater.metainfo.xml.in
  ${generated}/${BRACKWATER_APP_ID}.metainfo.xml @ONLY)
# Manual pages and the changelog are installed compressed, as Debian's policy asks,
# without a name or time stamp so that the same sources give the same file.
function(brackwater_gzip source target)
  execute_process(COMMAND gzip -9n -c ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
foreach(page brackwater meter-emulator)
  configure_file(packaging/${page}.1.in ${generated}/${page}.1 @ONLY)
  brackwater_gzip(${generated}/${page}.1 ${generated}/${page}.1.gz)
  install(FILES ${generated}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

install(TARGETS brackwater meter-emulator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/BrackWater.htm DESTINATION ${CMAKE_INSTALL_DATADIR}/brackwater)
install(FILES ${generated}/${BRACKWATER_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/brackwater.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${generated}/${BRACKWATER_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The machine-readable copyright and the package's changelog.
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/brackwater)
brackwater_gzip(${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog ${generated}/changelog.Debian.gz)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS packaging/changelog)
install(FILES packaging/copyright ${generated}/changelog.Debian.gz DESTINATION ${docdir})
install(FILES packaging/deb/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME brackwater)

# The service's text names where the program and /etc are, known only at install
# time: cpack installs under /usr, a test under its own prefix.
install(CODE "set(BRACKWATER_SOURCE_DIR \"${CMAKE_CURRENT_SOURCE_DIR}\")
  set(BRACKWATER_WORK_DIR \"${generated}/service\")
  set(BRACKWATER_BINDIR \"${CMAKE_INSTALL_BINDIR}\")")
install(SCRIPT cmake/InstallService.cmake)

if(BRACKWATER_TESTS)
  # Installs this build into a temporary prefix and packages it, and checks what a
  # user would get.
  add_test(NAME install_layout
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/install/check_install.sh
      ${CMAKE_BINARY_DIR} ${PROJECT_VERSION} ${BRACKWATER_APP_ID})
  set_tests_properties(install_layout PROPERTIES
    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0;CMAKE=${CMAKE_COMMAND};CPACK=${CMAKE_CPACK_COMMAND}"
    TIMEOUT 600)
endif()
