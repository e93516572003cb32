# Fills a run-time tree beside ZUV_GMouse.exe from data/:
#   cmake -DSOURCE_DIR=<repo> -DDIST_DIR=<tree> -P stage_run_tree.cmake
# config.ini and the macro files are copied when present; skins/ is copied
# from data/skins/. Without skin art, a placeholder main_mask.jpg (a black
# rounded rectangle on white) still gives the window a visible shape.
set(data ${SOURCE_DIR}/data)
file(MAKE_DIRECTORY ${DIST_DIR})

if(EXISTS ${data}/config.ini)
  file(COPY ${data}/config.ini DESTINATION ${DIST_DIR})
endif()
file(GLOB macro_files ${data}/*.dat)
if(macro_files)
  file(COPY ${macro_files} DESTINATION ${DIST_DIR})
endif()
if(IS_DIRECTORY ${data}/skins)
  file(COPY ${data}/skins DESTINATION ${DIST_DIR})
endif()

set(mask ${DIST_DIR}/skins/main_mask.jpg)
if(NOT EXISTS ${mask})
  find_program(VX_CONVERT convert)
  if(VX_CONVERT)
    file(MAKE_DIRECTORY ${DIST_DIR}/skins)
    execute_process(
      COMMAND ${VX_CONVERT} -size 800x520 xc:white -fill black
              -draw "roundrectangle 10,10 789,509 60,60" -quality 95 ${mask}
      RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(WARNING "placeholder mask not generated: ${result}")
    endif()
  else()
    message(WARNING "ImageMagick 'convert' not found: no placeholder main_mask.jpg")
  endif()
endif()
