# Fills a run-time tree beside ZUV_GMouse.exe from data/:
#   cmake -DSOURCE_DIR=<repo> -DDIST_DIR=<tree> -P stage_run_tree.cmake
# config.ini, the macro files, skins/ (images and layout files) and help/
# (the user guide the main window opens), and the licence as LICENSE.txt.
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
