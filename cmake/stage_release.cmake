# Builds the release files of one Windows program from a clean copy of its
# run-time tree (never from dist/ itself, which holds what runs left there):
#   cmake -DSOURCE_DIR=<repo> -DEXE=<ZUV_GMouse.exe> -DCTL_EXE=<vx230ctl.exe> -DSTAGE_DIR=<folder>
#         -DVERSION=<x.y.z> [-DZIP=<file.zip>] [-DMAKENSIS=<makensis>
#         -DINSTALLER=<setup.exe>] -P stage_release.cmake
# STAGE_DIR is the tree: the two exes and what stage_run_tree.cmake copies. The
# zip holds it as one folder named like STAGE_DIR.
file(REMOVE_RECURSE ${STAGE_DIR})
set(DIST_DIR ${STAGE_DIR})
include(${CMAKE_CURRENT_LIST_DIR}/stage_run_tree.cmake)
file(COPY ${EXE} ${CTL_EXE} DESTINATION ${STAGE_DIR})

if(ZIP)
  get_filename_component(parent ${STAGE_DIR} DIRECTORY)
  get_filename_component(name ${STAGE_DIR} NAME)
  file(REMOVE ${ZIP})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${name}
                  WORKING_DIRECTORY ${parent} COMMAND_ERROR_IS_FATAL ANY)
endif()

if(INSTALLER)
  # The factory sections of config.ini, line by line, for the installer to
  # add those an older user's file lacks (config.ini is ASCII as shipped).
  set(nsh "; Made by stage_release.cmake from the factory config.ini.\n!macro VX_FACTORY_SECTIONS\n")
  file(STRINGS ${STAGE_DIR}/config.ini lines)
  set(begun FALSE)
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(REPLACE "$" "$$" line "${line}")
    string(REPLACE "\"" "$\\\"" line "${line}")
    if(line MATCHES "^\\[(.*)\\]$")
      if(begun)
        string(APPEND nsh "  !insertmacro VX_FACTORY_SECTION_END\n")
      endif()
      set(section ${CMAKE_MATCH_1})
      set(begun FALSE)
    elseif(DEFINED section AND line MATCHES "^([^=]+)=")
      if(NOT begun)
        # The section's first key tells whether the user's file has it.
        string(APPEND nsh "  !insertmacro VX_FACTORY_SECTION_BEGIN \"${section}\" \"${CMAKE_MATCH_1}\"\n")
        set(begun TRUE)
      endif()
      string(APPEND nsh "  !insertmacro VX_FACTORY_LINE \"${line}\"\n")
    endif()
  endforeach()
  if(begun)
    string(APPEND nsh "  !insertmacro VX_FACTORY_SECTION_END\n")
  endif()
  string(APPEND nsh "!macroend\n")
  get_filename_component(parent ${STAGE_DIR} DIRECTORY)
  file(WRITE ${parent}/factory_sections.nsh "${nsh}")

  file(REMOVE ${INSTALLER})
  execute_process(COMMAND ${MAKENSIS} -INPUTCHARSET UTF8 -V1 -DVX_VERSION=${VERSION} -DVX_TREE=${STAGE_DIR}
                          -DVX_FACTORY_SECTIONS=${parent}/factory_sections.nsh
                          -DVX_ICON=${SOURCE_DIR}/src/platform/win32/resources/app.ico -DVX_OUTFILE=${INSTALLER}
                          ${SOURCE_DIR}/packaging/installer.nsi
                  COMMAND_ERROR_IS_FATAL ANY)
endif()
