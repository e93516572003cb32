# The two Windows programs, both named ZUV_GMouse.exe, each in its own
# run-time tree in the build tree: build/windows/dist/ (real HID) and
# build/windows/dist-sim/ (the simulated mouse). Also the helpers of the end-to-end tests
# (wintext.exe, standin.exe).
enable_language(RC)

set(VX_WIN32_DIR ${CMAKE_SOURCE_DIR}/src/platform/win32)
set(VX_APP_RC ${VX_WIN32_DIR}/resources/app.rc)
set(VX_EXE_LINK_FLAGS -municode -mwindows -static -static-libgcc -static-libstdc++)
# The licences of the mingw-w64 runtime and winpthreads linked in by -static,
# as Debian's package of the cross compiler records them.
set(VX_RUNTIME_NOTICES /usr/share/doc/mingw-w64-common/copyright)
if(NOT EXISTS ${VX_RUNTIME_NOTICES})
  message(FATAL_ERROR "${VX_RUNTIME_NOTICES} is missing: install mingw-w64-common")
endif()

# The resource script includes the icon and resource.h beside it, and the
# version header and manifest made here from the project's version.
set(VX_VERSION_QUAD ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
set(VX_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${VX_WIN32_DIR}/resources/version.h.in ${VX_GENERATED_DIR}/version.h @ONLY)
configure_file(${VX_WIN32_DIR}/resources/app.manifest.in ${VX_GENERATED_DIR}/app.manifest @ONLY)
set_source_files_properties(${VX_APP_RC} PROPERTIES
  INCLUDE_DIRECTORIES ${VX_GENERATED_DIR}
  OBJECT_DEPENDS "${VX_WIN32_DIR}/resources/app.ico;${VX_WIN32_DIR}/resources/resource.h;${VX_GENERATED_DIR}/version.h;${VX_GENERATED_DIR}/app.manifest")

function(vx_add_windows_program target dist_dir)
  add_executable(${target} WIN32 ${VX_WIN32_ENTRY_SOURCES} ${VX_APP_RC} ${ARGN})
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ZUV_GMouse
    RUNTIME_OUTPUT_DIRECTORY ${dist_dir})
  target_link_options(${target} PRIVATE ${VX_EXE_LINK_FLAGS})
  # Fill the run-time tree on every build (data/ may change without a
  # relink): settings file, macro files, skins.
  add_custom_target(${target}_tree ALL
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DDIST_DIR=${dist_dir}
            -DRUNTIME_NOTICES=${VX_RUNTIME_NOTICES} -P ${CMAKE_SOURCE_DIR}/cmake/stage_run_tree.cmake
    VERBATIM)
  add_dependencies(${target}_tree ${target})
endfunction()

vx_add_windows_program(ZUV_GMouse ${CMAKE_BINARY_DIR}/dist ${VX_WIN32_HID_SOURCES})
target_link_libraries(ZUV_GMouse PRIVATE vx_win32)

vx_add_windows_program(ZUV_GMouse_sim ${CMAKE_BINARY_DIR}/dist-sim)
target_compile_definitions(ZUV_GMouse_sim PRIVATE VX_SIMULATED_MOUSE)
target_link_libraries(ZUV_GMouse_sim PRIVATE vx_sim vx_win32)

# vx230ctl.exe, the console program that scripts the running one, in both
# trees (the pipe is the same for both programs).
add_executable(vx230ctl ${VX_WIN32_CTL_SOURCES} ${CMAKE_SOURCE_DIR}/src/app/control_client.cpp
               ${CMAKE_SOURCE_DIR}/src/app/control_protocol.cpp ${VX_WIN32_DIR}/text_convert.cpp
               ${VX_WIN32_DIR}/win32_control_pipe.cpp)
set_target_properties(vx230ctl PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/dist)
target_include_directories(vx230ctl PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_definitions(vx230ctl PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                           VX_VERSION="${PROJECT_VERSION}")
target_link_options(vx230ctl PRIVATE -municode -static -static-libgcc -static-libstdc++)
target_link_libraries(vx230ctl PRIVATE advapi32 kernel32)
add_custom_command(TARGET vx230ctl POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/dist-sim
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:vx230ctl> ${CMAKE_BINARY_DIR}/dist-sim/
  VERBATIM)

# Sends raw lines to the control pipe (bad and oversized requests).
add_executable(ctlsend ${CMAKE_SOURCE_DIR}/tools/ctlsend/ctlsend.cpp ${VX_WIN32_DIR}/text_convert.cpp
               ${VX_WIN32_DIR}/win32_control_pipe.cpp)
set_target_properties(ctlsend PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
target_include_directories(ctlsend PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_definitions(ctlsend PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_options(ctlsend PRIVATE -municode -static -static-libgcc -static-libstdc++)
target_link_libraries(ctlsend PRIVATE advapi32 kernel32)

# Console helper: prints top-level windows and their children as UTF-8.
add_executable(wintext ${CMAKE_SOURCE_DIR}/tools/wintext/wintext.cpp)
set_target_properties(wintext PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
target_compile_definitions(wintext PRIVATE UNICODE _UNICODE NOMINMAX)
target_link_options(wintext PRIVATE -static -static-libgcc -static-libstdc++)
target_link_libraries(wintext PRIVATE user32 kernel32 psapi)

# The trivial window scripts/startup_timing.sh compares the program's start
# against.
add_executable(plainwindow ${CMAKE_SOURCE_DIR}/tools/plainwindow/plainwindow.cpp)
set_target_properties(plainwindow PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
target_compile_definitions(plainwindow PRIVATE UNICODE _UNICODE NOMINMAX)
target_link_options(plainwindow PRIVATE -municode -mwindows -static -static-libgcc -static-libstdc++)
target_link_libraries(plainwindow PRIVATE user32 kernel32)

# Stand-in program for the end-to-end tests: records that it ran (and from
# where) in "<its name>.ran" beside itself, then stays a while.
add_executable(standin ${CMAKE_SOURCE_DIR}/tools/standin/standin.cpp)
set_target_properties(standin PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
target_compile_definitions(standin PRIVATE UNICODE _UNICODE NOMINMAX)
target_link_options(standin PRIVATE -municode -mwindows -static -static-libgcc -static-libstdc++)
