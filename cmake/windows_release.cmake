# Release files of the Windows program, in build/windows/release/:
#   ZUV_GMouse-<version>-win64.zip    the run-time tree as one portable folder
#   ZUV_GMouse-<version>-setup.exe    the installer (packaging/installer.nsi)
# and, for the end-to-end tests, the same installer over the simulated-mouse
# program in build/windows/release-sim/. Built with the programs, so a
# change of the exe or of data/ gives new release files.
set(VX_RELEASE_NAME ZUV_GMouse-${PROJECT_VERSION})
file(GLOB_RECURSE VX_RELEASE_DATA CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
set(VX_RELEASE_INPUTS ${VX_RELEASE_DATA} ${CMAKE_SOURCE_DIR}/packaging/installer.nsi
    ${CMAKE_SOURCE_DIR}/cmake/stage_release.cmake ${CMAKE_SOURCE_DIR}/cmake/stage_run_tree.cmake
    ${CMAKE_SOURCE_DIR}/src/platform/win32/resources/app.ico)

find_program(VX_MAKENSIS makensis)
if(NOT VX_MAKENSIS)
  message(WARNING "makensis not found (Debian package nsis): the installers are not built")
endif()

# vx_add_release(TARGET PROGRAM FOLDER NAME [ZIP])
function(vx_add_release target program folder name)
  set(dir ${CMAKE_BINARY_DIR}/${folder})
  set(outputs)
  set(args -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DEXE=$<TARGET_FILE:${program}> -DCTL_EXE=$<TARGET_FILE:vx230ctl>
           -DSTAGE_DIR=${dir}/${name}
           -DVERSION=${PROJECT_VERSION})
  if(ARGN STREQUAL "ZIP")
    list(APPEND args -DZIP=${dir}/${name}-win64.zip)
    list(APPEND outputs ${dir}/${name}-win64.zip)
  endif()
  if(VX_MAKENSIS)
    list(APPEND args -DMAKENSIS=${VX_MAKENSIS} -DINSTALLER=${dir}/${name}-setup.exe)
    list(APPEND outputs ${dir}/${name}-setup.exe)
  endif()
  if(NOT outputs)
    return()
  endif()
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} ${args} -P ${CMAKE_SOURCE_DIR}/cmake/stage_release.cmake
    DEPENDS ${program} vx230ctl ${VX_RELEASE_INPUTS}
    COMMENT "Release files ${name} in ${folder}/"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()

vx_add_release(release ZUV_GMouse release ${VX_RELEASE_NAME} ZIP)
vx_add_release(release_sim ZUV_GMouse_sim release-sim ZUV_GMouse-sim-${PROJECT_VERSION})
