# The Windows program: the win32 backend, the production exe (real HID) and
# the simulated-mouse exe, each in its own run-time tree.
file(GLOB VX_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/win32/*.cpp)
add_library(vx_win32 STATIC ${VX_WIN32_SOURCES})
target_link_libraries(vx_win32 PUBLIC vx_logic
  gdiplus windowscodecs ole32 oleaut32 uuid setupapi hid shell32 comdlg32 comctl32 gdi32 user32 advapi32 winmm)
target_compile_definitions(vx_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

foreach(part exe tests bench)
  if(EXISTS ${CMAKE_SOURCE_DIR}/cmake/windows_${part}.cmake)
    include(${CMAKE_SOURCE_DIR}/cmake/windows_${part}.cmake)
  endif()
endforeach()
