# Builds the release files of one Windows program from a clean copy of its
# run-time tree (never from dist/ itself, which holds what runs left there):
#   cmake -DSOURCE_DIR=<repo> -DEXE=<ZUV_GMouse.exe> -DSTAGE_DIR=<folder>
#         -DVERSION=<x.y.z> [-DZIP=<file.zip>] [-DMAKENSIS=<makensis>
#         -DINSTALLER=<setup.exe>] -P stage_release.cmake
# STAGE_DIR is the tree: the exe and what stage_run_tree.cmake copies. The
# zip holds it as one folder named like STAGE_DIR.
file(REMOVE_RECURSE ${STAGE_DIR})
set(DIST_DIR ${STAGE_DIR})
include(${CMAKE_CURRENT_LIST_DIR}/stage_run_tree.cmake)
file(COPY ${EXE} DESTINATION ${STAGE_DIR})

if(ZIP)
  get_filename_component(parent ${STAGE_DIR} DIRECTORY)
  get_filename_component(name ${STAGE_DIR} NAME)
  file(REMOVE ${ZIP})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${name}
                  WORKING_DIRECTORY ${parent} COMMAND_ERROR_IS_FATAL ANY)
endif()

if(INSTALLER)
  file(REMOVE ${INSTALLER})
  execute_process(COMMAND ${MAKENSIS} -INPUTCHARSET UTF8 -V1 -DVX_VERSION=${VERSION} -DVX_TREE=${STAGE_DIR}
                          -DVX_ICON=${SOURCE_DIR}/src/platform/win32/resources/app.ico -DVX_OUTFILE=${INSTALLER}
                          ${SOURCE_DIR}/packaging/installer.nsi
                  COMMAND_ERROR_IS_FATAL ANY)
endif()
