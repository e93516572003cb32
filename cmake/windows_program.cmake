# The Windows program: the win32 backend, the production exe (real HID) and
# the simulated-mouse exe, each in its own run-time tree.
add_library(vx_win32 STATIC ${VX_WIN32_SOURCES})
target_link_libraries(vx_win32 PUBLIC vx_logic
  gdiplus windowscodecs ole32 oleaut32 uuid setupapi hid shell32 comdlg32 comctl32 gdi32 user32 advapi32 winmm)
target_compile_definitions(vx_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

include(${CMAKE_SOURCE_DIR}/cmake/windows_exe.cmake)
include(${CMAKE_SOURCE_DIR}/cmake/windows_tests.cmake)
include(${CMAKE_SOURCE_DIR}/cmake/windows_bench.cmake)
include(${CMAKE_SOURCE_DIR}/cmake/windows_release.cmake)
