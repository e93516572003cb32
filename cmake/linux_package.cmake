# Install rules and the .deb (cpack -G DEB in the build folder):
# /usr/bin/vx230, the read-only data in /usr/share/vx230 (copied into
# ~/.config/vx230 at first start), the menu entry and icon, an autostart
# entry the user can enable, and the udev rule giving the logged-in user
# the mouse's hidraw nodes.
include(GNUInstallDirs)
set(vx_share ${CMAKE_INSTALL_DATADIR}/vx230)
set(vx_linux ${CMAKE_SOURCE_DIR}/packaging/linux)

install(TARGETS vx230 vx230ctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES
  ${CMAKE_SOURCE_DIR}/data/config.ini
  ${CMAKE_SOURCE_DIR}/data/constMacro.dat
  ${CMAKE_SOURCE_DIR}/data/Macro_CN.dat
  ${CMAKE_SOURCE_DIR}/data/Macro_EN.dat
  ${vx_linux}/vx230.png
  DESTINATION ${vx_share})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/skins ${CMAKE_SOURCE_DIR}/data/help DESTINATION ${vx_share})
install(FILES ${vx_linux}/vx230.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${vx_linux}/vx230.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
# Not in /etc/xdg/autostart: starting with the session is the user's choice
# (copy it to ~/.config/autostart).
install(FILES ${vx_linux}/vx230-autostart.desktop DESTINATION ${vx_share}/autostart)
install(FILES ${vx_linux}/70-vx230.rules DESTINATION lib/udev/rules.d)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vx230)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "VX230 driver maintainers <vx230@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "VX230 Gaming Mouse Driver")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
