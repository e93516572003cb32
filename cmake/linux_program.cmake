# The native Linux program: the Qt backend, vx230 over the real HID devices
# (hidapi) and vx230-sim over the simulated mouse, the data tree staged
# beside them, the install rules and the .deb.
find_package(Qt6 REQUIRED COMPONENTS Widgets Network DBus)
find_package(PkgConfig REQUIRED)
pkg_check_modules(HIDAPI REQUIRED IMPORTED_TARGET hidapi-hidraw)
# X11 for the keyboard's repeat and the hotkeys' grabs, XInput 2 for the pointer speed of X11
# sessions without a desktop of their own; udev for the mouse's unplug.
pkg_check_modules(XINPUT REQUIRED IMPORTED_TARGET x11 xi)
# xcb for the watch on the active window (per-program profiles).
pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
pkg_check_modules(UDEV REQUIRED IMPORTED_TARGET libudev)

add_library(vx_qt STATIC ${VX_QT_SOURCES} ${VX_POSIX_SOURCES})
# The system-bus watch (sleep and wake) is a QObject with a slot.
set_target_properties(vx_qt PROPERTIES AUTOMOC ON)
target_link_libraries(vx_qt PUBLIC vx_logic vx_linux_desktop Qt6::Widgets Qt6::Network Qt6::DBus
                      PRIVATE PkgConfig::XINPUT PkgConfig::XCB)

add_executable(vx230 ${VX_QT_ENTRY_SOURCES} ${VX_QT_HID_SOURCES})
target_link_libraries(vx230 PRIVATE vx_qt PkgConfig::HIDAPI PkgConfig::UDEV)

add_executable(vx230-sim ${VX_QT_ENTRY_SOURCES})
target_compile_definitions(vx230-sim PRIVATE VX_SIMULATED_MOUSE)
target_link_libraries(vx230-sim PRIVATE vx_qt vx_sim)

# vx230ctl: no Qt, only the request protocol and the socket's client.
add_executable(vx230ctl ${VX_QT_CTL_SOURCES})
target_compile_definitions(vx230ctl PRIVATE VX_VERSION="${PROJECT_VERSION}")
target_link_libraries(vx230ctl PRIVATE vx_logic vx_linux_desktop)

# data/ beside the programs, as the installed tree has it in share/vx230.
add_custom_target(vx230-data ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DDIST_DIR=${CMAKE_BINARY_DIR}/data
          -P ${CMAKE_SOURCE_DIR}/cmake/stage_run_tree.cmake
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/linux/vx230.png ${CMAKE_BINARY_DIR}/data/vx230.png
  COMMENT "Staging the data tree")
add_dependencies(vx230 vx230-data)
add_dependencies(vx230-sim vx230-data)

include(${CMAKE_SOURCE_DIR}/cmake/linux_package.cmake)

# The end-to-end check of the Linux program (Xvfb, the simulated mouse).
enable_testing()
add_test(NAME linux_e2e.sim_startup_save_unplug
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/linux/scenario_linux_sim.sh $<TARGET_FILE:vx230-sim>)
set_tests_properties(linux_e2e.sim_startup_save_unplug PROPERTIES TIMEOUT 180)

# The end-to-end scenarios shared with the Windows program ("# Platforms:
# ... linux"), each run natively under Xvfb.
file(GLOB vx_e2e_scenarios CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/scenario_*.sh)
foreach(scenario ${vx_e2e_scenarios})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${scenario})
  file(STRINGS ${scenario} native REGEX "^# Platforms:.*linux")
  if(native)
    get_filename_component(name ${scenario} NAME_WE)
    string(REGEX REPLACE "^scenario_" "" name ${name})
    add_test(NAME linux_e2e.${name} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/run_e2e.sh --linux ${name})
    set_tests_properties(linux_e2e.${name} PROPERTIES TIMEOUT 240 ENVIRONMENT VX_LINUX_BUILD_DIR=${CMAKE_BINARY_DIR})
  endif()
endforeach()

# The Qt backend's own translations (no display needed).
find_package(GTest REQUIRED)
add_executable(qt_backend_tests ${CMAKE_SOURCE_DIR}/tests/qt/qt_backend_test.cpp)
target_link_libraries(qt_backend_tests PRIVATE vx_qt GTest::gtest GTest::gtest_main)
add_test(NAME qt_backend_tests COMMAND qt_backend_tests)

# The per-program profiles' dialog (offscreen).
add_executable(qt_rules_dialog_tests ${CMAKE_SOURCE_DIR}/tests/qt/qt_rules_dialog_test.cpp)
target_link_libraries(qt_rules_dialog_tests PRIVATE vx_qt GTest::gtest)
add_test(NAME qt_rules_dialog_tests COMMAND qt_rules_dialog_tests)

# The .deb and what it holds.
add_test(NAME linux_package COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/linux/check_package.sh ${CMAKE_BINARY_DIR})
set_tests_properties(linux_package PROPERTIES TIMEOUT 300)

# lintian on that .deb (skipped where lintian is not installed).
add_test(NAME linux_lintian COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/linux/lintian.sh ${CMAKE_BINARY_DIR})
set_tests_properties(linux_lintian PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77 DEPENDS linux_package)

# The .deb installed and its program run (root only; skipped otherwise).
add_test(NAME linux_installed_package
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/linux/installed_package.sh ${CMAKE_BINARY_DIR})
set_tests_properties(linux_installed_package PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77 DEPENDS linux_package)

# Hover repaints through the Qt drawing, set against paint_bench_win32.exe
# under Wine by scripts/linux_wine_bench.sh (not a test).
add_executable(paint_bench_qt ${CMAKE_SOURCE_DIR}/bench/qt/paint_bench_qt.cpp)
target_link_libraries(paint_bench_qt PRIVATE vx_qt)

# The device workers' real-time priority, against a private bus in the
# place of the system bus (with and without a stand-in RealtimeKit).
add_executable(linux_realtime_tests ${CMAKE_SOURCE_DIR}/tests/qt/linux_realtime_test.cpp)
set_target_properties(linux_realtime_tests PROPERTIES AUTOMOC ON)
target_compile_definitions(linux_realtime_tests PRIVATE
  VX_TEST_SYSTEM_BUS_CONFIG="${CMAKE_SOURCE_DIR}/tests/e2e/linux/test_system_bus.conf")
target_link_libraries(linux_realtime_tests PRIVATE vx_qt GTest::gtest)
add_test(NAME linux_realtime_tests COMMAND linux_realtime_tests)
set_tests_properties(linux_realtime_tests PROPERTIES TIMEOUT 60)

# Linux only: sleep and wake over a private system bus; the desktop's
# pointer speed and wheel lines; vx230ctl's socket (raw lines, the notice,
# another user).
foreach(name sleep_wake desktop_settings ctl_socket)
  add_test(NAME linux_e2e.${name} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/linux/scenario_${name}.sh)
  set_tests_properties(linux_e2e.${name} PROPERTIES TIMEOUT 240 ENVIRONMENT VX_LINUX_BUILD_DIR=${CMAKE_BINARY_DIR})
endforeach()
