# profile_tests.exe: the profile-file behaviour tests against the system's
# profile functions and against the portable implementation over Windows
# files. Run it under Wine with tests/e2e/run_windows_unit_tests.sh.
set(VX_GTEST_SOURCE /usr/src/googletest)
if(NOT EXISTS ${VX_GTEST_SOURCE}/CMakeLists.txt)
  message(WARNING "GoogleTest sources not found at ${VX_GTEST_SOURCE} (package googletest); profile_tests.exe is not built")
  return()
endif()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VX_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest is third-party code: build it without the project's strict warnings.
foreach(gtest_target gtest gtest_main)
  set_target_properties(${gtest_target} PROPERTIES COMPILE_OPTIONS "")
endforeach()

set(VX_PROFILE_TEST_SOURCES
  ${CMAKE_SOURCE_DIR}/tests/platform/profile_contract_tests.cpp
  ${CMAKE_SOURCE_DIR}/tests/windows/profile_contract_win32.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/portable/utf_text.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/portable/ini_document.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/portable/portable_profile_files.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/win32/text_convert.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/win32/win32_file_system.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/win32/win32_profile_files.cpp)
add_executable(profile_tests ${VX_PROFILE_TEST_SOURCES})
target_include_directories(profile_tests PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(profile_tests PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(profile_tests PRIVATE gtest gtest_main)
target_link_options(profile_tests PRIVATE -static -static-libgcc -static-libstdc++)
set_target_properties(profile_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
