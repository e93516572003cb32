# Builds the release files of one Windows program from a clean copy of its
# run-time tree (never from dist/ itself, which holds what runs left there):
#   cmake -DSOURCE_DIR=<repo> -DPROGRAMS=<exe>[|<exe>...] -DSTAGE_DIR=<folder>
#         -DVERSION=<x.y.z> -DPUBLISHER=<name> -DCOPYRIGHT=<line> [-DZIP=<file.zip>]
#         [-DMAKENSIS=<makensis> -DINSTALLER=<setup.exe> [-DTEST_BUILD=ON]]
#         [-DRUNTIME_NOTICES=<file>]
#         -P stage_release.cmake
# STAGE_DIR is the tree: the programs and what stage_run_tree.cmake copies.
# The zip holds it as one folder named like STAGE_DIR. The programs, the
# installer and its uninstaller are signed by packaging/sign.sh (nothing
# happens without a certificate in its environment variables).
file(REMOVE_RECURSE ${STAGE_DIR})
set(DIST_DIR ${STAGE_DIR})
include(${CMAKE_CURRENT_LIST_DIR}/stage_run_tree.cmake)
set(sign ${SOURCE_DIR}/packaging/sign.sh)
string(REPLACE "|" ";" programs "${PROGRAMS}")
set(staged)
foreach(program IN LISTS programs)
  file(COPY ${program} DESTINATION ${STAGE_DIR})
  get_filename_component(name ${program} NAME)
  list(APPEND staged ${STAGE_DIR}/${name})
endforeach()
execute_process(COMMAND ${sign} ${staged} COMMAND_ERROR_IS_FATAL ANY)

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
  # The programs the uninstaller removes: those of the release.
  set(nsh "; Made by stage_release.cmake from the release's programs.\n!macro VX_DELETE_PROGRAMS\n")
  foreach(program IN LISTS staged)
    get_filename_component(name ${program} NAME)
    string(APPEND nsh "  Delete \"$INSTDIR\\${name}\"\n")
  endforeach()
  string(APPEND nsh "!macroend\n")
  file(WRITE ${parent}/programs.nsh "${nsh}")

  file(REMOVE ${INSTALLER})
  set(test_build)
  if(TEST_BUILD)
    set(test_build -DVX_TEST_BUILD)
  endif()
  execute_process(COMMAND ${MAKENSIS} -INPUTCHARSET UTF8 -V1 -DVX_VERSION=${VERSION} -DVX_TREE=${STAGE_DIR}
                          -DVX_FACTORY_SECTIONS=${parent}/factory_sections.nsh -DVX_PROGRAMS=${parent}/programs.nsh
                          ${test_build}
                          -DVX_PUBLISHER=${PUBLISHER} -DVX_COPYRIGHT=${COPYRIGHT} -DVX_SIGN=${sign}
                          -DVX_ICON=${SOURCE_DIR}/src/platform/win32/resources/app.ico -DVX_OUTFILE=${INSTALLER}
                          ${SOURCE_DIR}/packaging/installer.nsi
                  COMMAND_ERROR_IS_FATAL ANY)
endif()
