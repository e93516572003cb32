# Install rules and the .deb (cpack -G DEB in the build folder):
# /usr/bin/vx230 and its manual page, the read-only data in /usr/share/vx230
# (copied into ~/.config/vx230 at first start), the menu entry and its icons,
# the udev rule giving the user at the seat the mouse's hidraw nodes (loaded
# and applied by the maintainer scripts), the copyright file and changelog.
# The start with the session is the user's choice, made from the tray menu
# (~/.config/autostart/vx230.desktop), so nothing goes to /etc/xdg/autostart.
include(GNUInstallDirs)
set(vx_share ${CMAKE_INSTALL_DATADIR}/vx230)
set(vx_linux ${CMAKE_SOURCE_DIR}/packaging/linux)
set(vx_doc ${CMAKE_INSTALL_DATADIR}/doc/vx230)
set(vx_generated ${CMAKE_BINARY_DIR}/package)
file(MAKE_DIRECTORY ${vx_generated})

# The programs of the package, each with its manual page
# packaging/linux/man/<name>.1: a new program is one more name here.
set(VX_LINUX_PROGRAMS vx230 vx230ctl)

install(TARGETS ${VX_LINUX_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(program IN LISTS VX_LINUX_PROGRAMS)
  set(page ${vx_linux}/man/${program}.1)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${page})
  # Compressed without a time stamp, so the package is the same each build.
  execute_process(COMMAND gzip -9n -c ${page} OUTPUT_FILE ${vx_generated}/${program}.1.gz COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${vx_generated}/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

install(FILES
  ${CMAKE_SOURCE_DIR}/data/config.ini
  ${CMAKE_SOURCE_DIR}/data/constMacro.dat
  ${CMAKE_SOURCE_DIR}/data/Macro_CN.dat
  ${CMAKE_SOURCE_DIR}/data/Macro_EN.dat
  ${vx_linux}/vx230.png
  DESTINATION ${vx_share})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/skins ${CMAKE_SOURCE_DIR}/data/help DESTINATION ${vx_share})
install(FILES ${vx_linux}/vx230.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${vx_linux}/icons/${size}x${size}/vx230.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${vx_linux}/70-vx230.rules DESTINATION lib/udev/rules.d)

# The copyright file in the machine-readable format, from LICENSE.
file(READ ${CMAKE_SOURCE_DIR}/LICENSE vx_license)
string(REGEX REPLACE "^.*(Permission is hereby granted)" "\\1" vx_license "${vx_license}")
string(STRIP "${vx_license}" vx_license)
string(REGEX REPLACE "\n\n" "\n.\n" vx_license "${vx_license}")
string(REPLACE "\n" "\n " VX_LICENSE_BODY " ${vx_license}")
string(REGEX REPLACE "^Copyright \\(c\\) " "" VX_COPYRIGHT_YEARS_AND_HOLDER "${VX_COPYRIGHT}")
configure_file(${vx_linux}/debian/copyright.in ${vx_generated}/copyright @ONLY)
configure_file(${vx_linux}/debian/changelog ${vx_generated}/changelog.Debian @ONLY)
execute_process(COMMAND gzip -9n -f ${vx_generated}/changelog.Debian COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/LICENSE ${vx_linux}/debian/copyright.in ${vx_linux}/debian/changelog)
install(FILES ${vx_generated}/copyright ${vx_generated}/changelog.Debian.gz DESTINATION ${vx_doc})
# lintian's overrides, each with its reason.
install(FILES ${vx_linux}/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME vx230)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vx230)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# A Debian revision of its own (changelog.Debian.gz, as for a package made
# from an upstream release); packaging/linux/debian/changelog names it too.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_CONTACT "${VX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "driver program of the VX230 USB gaming mouse")
# Lines as they stand in the control file (at most 80 columns).
set(CPACK_PACKAGE_DESCRIPTION
  "Finds the VX230 gaming mouse among the HID devices and sends it its
configuration: the functions of its six buttons, four DPI levels, the wheel,
the lighting and rapid fire. It keeps five profiles, plays macros, multimedia
keys and program starts for the buttons the program carries out, and sets the
desktop's pointer speed (GNOME, Plasma, X11).

The program lives in the system tray, in English and Chinese, and can start
with the session, waiting there for a mouse plugged in later. Its settings and
macro files are those of the Windows program, so they move between the two
unchanged.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei")
# The pointer speed on GNOME goes through gsettings and its schema.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libglib2.0-bin, gsettings-desktop-schemas")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${vx_linux}/debian/postinst ${vx_linux}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
