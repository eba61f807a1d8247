# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (cpack -G DEB): brackwater_<version>-<revision>_<architecture>.deb
# with its dependencies computed from the programs' shared libraries.
set(BRACKWATER_MAINTAINER "Brackwater Developers <brackwater@example.org>" CACHE STRING
    "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brackwater)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Brackwater Developers")
set(CPACK_PACKAGE_CONTACT ${BRACKWATER_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logger for serial-linked thermocouple thermometers")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Brackwater is the desktop companion of a hand-held digital thermocouple
thermometer with a serial link (models 300 to 303: one or two channels,
type K or K/J). It finds the meter on a serial port, polls it once a second,
mirrors its display on a virtual front panel whose keys operate the meter,
records the readings into a table that can be saved, opened and printed as
tab- or comma-separated text, and draws live and recorded graphs.

It can also record without a display from the command line, or as a
systemd service for each meter (brackwater-record@DEVICE, not enabled).
The package includes meter-emulator, a simulated meter on a
pseudo-terminal for trying the program without hardware.")
# The packaging has its own revision, so the package's changelog is changelog.Debian.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${BRACKWATER_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Wayland desktops need Qt's Wayland plug-in; Qt's own texts (standard buttons and
# dialogs) in the user's language come with its translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
# Every file under /etc is a configuration file dpkg keeps when the user changed it.
# The scripts stop the recorders before removal, restart running ones after an
# upgrade and tell systemd of the changed service.
set(package_control ${CMAKE_CURRENT_BINARY_DIR}/packaging/control)
file(WRITE ${package_control}/conffiles "/etc/brackwater/record.conf\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${package_control}/conffiles
  ${CMAKE_CURRENT_SOURCE_DIR}/packaging/deb/postinst
  ${CMAKE_CURRENT_SOURCE_DIR}/packaging/deb/prerm
  ${CMAKE_CURRENT_SOURCE_DIR}/packaging/deb/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Independent of the umask of whoever builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
