# The Windows test programs, run under Wine: profile_tests.exe (the
# profile-file behaviour tests against the system's profile functions and
# against the portable implementation over Windows files; run it with
# tests/e2e/run_windows_unit_tests.sh) and win32_backend_tests.exe (the
# backend's own tests; run by the end-to-end scenario backend_tests).
# GoogleTest is built from the sources of Debian's googletest package.
set(VX_GTEST_SOURCE /usr/src/googletest)
if(NOT EXISTS ${VX_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found at ${VX_GTEST_SOURCE}: install the package googletest (scripts/install-deps.sh)")
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
  ${CMAKE_SOURCE_DIR}/src/platform/portable/save_temporaries.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/win32/text_convert.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/win32/win32_file_system.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/win32/win32_profile_files.cpp)
add_executable(profile_tests ${VX_PROFILE_TEST_SOURCES})
target_include_directories(profile_tests PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(profile_tests PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(profile_tests PRIVATE gtest gtest_main)
target_link_options(profile_tests PRIVATE -static -static-libgcc -static-libstdc++)
set_target_properties(profile_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

vx_folder_sources(VX_WIN32_BACKEND_TEST_SOURCES tests/e2e/backend
  backend_services_tests.cpp
  main_window_tests.cpp
  resource_tests.cpp
)
add_executable(win32_backend_tests ${VX_WIN32_BACKEND_TEST_SOURCES} ${VX_APP_RC})
set_target_properties(win32_backend_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
target_link_options(win32_backend_tests PRIVATE -static -static-libgcc -static-libstdc++)
target_link_libraries(win32_backend_tests PRIVATE vx_win32 gtest gtest_main)
