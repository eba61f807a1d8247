# SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time: the recorder's service names the installed program and its
# options files, so its text depends on where it is installed. A /usr installation
# (the package) keeps its configuration in /etc, any other in PREFIX/etc, as
# GNUInstallDirs does. Expects BRACKWATER_SOURCE_DIR, BRACKWATER_WORK_DIR and
# BRACKWATER_BINDIR (relative to the prefix).
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(BRACKWATER_ETC /etc)
else()
  set(BRACKWATER_ETC "${CMAKE_INSTALL_PREFIX}/etc")
endif()
set(BRACKWATER_PROGRAM "${CMAKE_INSTALL_PREFIX}/${BRACKWATER_BINDIR}/brackwater")
if(BRACKWATER_PROGRAM MATCHES "[ \t]")
  set(BRACKWATER_PROGRAM "\"${BRACKWATER_PROGRAM}\"")
endif()
# One folder per destination: a package and a test installation may be made at once.
string(MD5 destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(unit "${BRACKWATER_WORK_DIR}/${destination}/brackwater-record@.service")
configure_file("${BRACKWATER_SOURCE_DIR}/packaging/brackwater-record@.service.in" "${unit}" @ONLY)
file(INSTALL "${unit}"
  DESTINATION "${CMAKE_INSTALL_PREFIX}/lib/systemd/system")
file(INSTALL "${BRACKWATER_SOURCE_DIR}/packaging/record.conf"
  DESTINATION "${BRACKWATER_ETC}/brackwater")
