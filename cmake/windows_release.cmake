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
    ${CMAKE_SOURCE_DIR}/src/platform/win32/resources/app.ico ${CMAKE_SOURCE_DIR}/LICENSE
    ${CMAKE_SOURCE_DIR}/packaging/sign.sh ${CMAKE_SOURCE_DIR}/packaging/third-party-notices.txt
    ${VX_RUNTIME_NOTICES})

find_program(VX_MAKENSIS makensis)
if(NOT VX_MAKENSIS)
  message(WARNING "makensis not found (Debian package nsis): the installers are not built")
endif()

# vx_add_release(TARGET FOLDER NAME PROGRAMS <targets>... [ZIP] [TEST_BUILD])
# The first program is the driver; all are staged into the tree and signed.
function(vx_add_release target folder name)
  cmake_parse_arguments(PARSE_ARGV 3 arg "ZIP;TEST_BUILD" "" "PROGRAMS")
  set(dir ${CMAKE_BINARY_DIR}/${folder})
  set(outputs)
  set(files)
  foreach(program IN LISTS arg_PROGRAMS)
    list(APPEND files $<TARGET_FILE:${program}>)
  endforeach()
  list(JOIN files "|" files)
  set(args -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DPROGRAMS=${files} -DSTAGE_DIR=${dir}/${name}
           -DVERSION=${PROJECT_VERSION} -DPUBLISHER=${VX_AUTHORS} -DCOPYRIGHT=${VX_COPYRIGHT}
           -DRUNTIME_NOTICES=${VX_RUNTIME_NOTICES})
  if(arg_ZIP)
    list(APPEND args -DZIP=${dir}/${name}-win64.zip)
    list(APPEND outputs ${dir}/${name}-win64.zip)
  endif()
  if(arg_TEST_BUILD)
    list(APPEND args -DTEST_BUILD=ON)
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
    DEPENDS ${arg_PROGRAMS} ${VX_RELEASE_INPUTS}
    COMMENT "Release files ${name} in ${folder}/"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()

# The programs a release carries beside the driver (signed with it): a new
# one is one more target name here.
set(VX_RELEASE_TOOLS vx230ctl)
vx_add_release(release release ${VX_RELEASE_NAME} ZIP PROGRAMS ZUV_GMouse ${VX_RELEASE_TOOLS})
vx_add_release(release_sim release-sim ZUV_GMouse-sim-${PROJECT_VERSION} TEST_BUILD
               PROGRAMS ZUV_GMouse_sim ${VX_RELEASE_TOOLS})
