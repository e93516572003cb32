# Benchmarks that measure Windows calls; run them under Wine.
add_executable(region_bench ${CMAKE_SOURCE_DIR}/bench/windows/region_bench.cpp)
target_link_libraries(region_bench PRIVATE vx_logic gdi32)
target_link_options(region_bench PRIVATE -static -static-libgcc -static-libstdc++)
