# Fills a run-time tree beside ZUV_GMouse.exe from data/:
#   cmake -DSOURCE_DIR=<repo> -DDIST_DIR=<tree> [-DRUNTIME_NOTICES=<file>]
#         -P stage_run_tree.cmake
# config.ini, the macro files, skins/ (images and layout files) and help/
# (the user guide the main window opens), the licence as LICENSE.txt, and
# with RUNTIME_NOTICES (the Windows trees) THIRD-PARTY-NOTICES.txt.
set(data ${SOURCE_DIR}/data)
file(MAKE_DIRECTORY ${DIST_DIR})
file(COPY
  ${data}/config.ini
  ${data}/constMacro.dat
  ${data}/Macro_CN.dat
  ${data}/Macro_EN.dat
  ${data}/skins
  ${data}/help
  DESTINATION ${DIST_DIR})
file(COPY_FILE ${SOURCE_DIR}/LICENSE ${DIST_DIR}/LICENSE.txt ONLY_IF_DIFFERENT)

# The Windows programs carry the compiler's runtime libraries, linked in;
# their licences ask for their notices to go with them.
if(NOT DEFINED RUNTIME_NOTICES)
  return()
endif()
file(READ ${SOURCE_DIR}/packaging/third-party-notices.txt notices)
file(READ ${RUNTIME_NOTICES} runtime)
file(WRITE ${DIST_DIR}/.notices.tmp "${notices}${runtime}")
file(COPY_FILE ${DIST_DIR}/.notices.tmp ${DIST_DIR}/THIRD-PARTY-NOTICES.txt ONLY_IF_DIFFERENT)
file(REMOVE ${DIST_DIR}/.notices.tmp)
