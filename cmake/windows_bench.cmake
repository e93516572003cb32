# Benchmarks that measure Windows calls; run them under Wine.
add_executable(region_bench ${CMAKE_SOURCE_DIR}/bench/windows/region_bench.cpp)
target_link_libraries(region_bench PRIVATE vx_logic gdi32)
target_link_options(region_bench PRIVATE -static -static-libgcc -static-libstdc++)

# Paints of the main window through the GDI drawing and the system's image
# decoder; takes the skins folder as its argument.
add_executable(paint_bench_win32 ${CMAKE_SOURCE_DIR}/bench/windows/paint_bench_win32.cpp)
target_link_libraries(paint_bench_win32 PRIVATE vx_win32)
target_link_options(paint_bench_win32 PRIVATE -static -static-libgcc -static-libstdc++)

# A layout load and a language switch against reading the same bytes, as
# the native layout_timing does: layout_timing.exe <data folder> [rounds].
add_executable(layout_timing ${CMAKE_SOURCE_DIR}/bench/layout_timing.cpp)
target_link_libraries(layout_timing PRIVATE vx_win32)
target_link_options(layout_timing PRIVATE -static -static-libgcc -static-libstdc++)
