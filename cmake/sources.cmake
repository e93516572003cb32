# Source files of src/, one list per folder, one file per line, in
# alphabetical order. A new or renamed file is added to its folder's list.

# vx_folder_sources(VAR FOLDER FILE...): VAR holds FOLDER/FILE for each FILE,
# FOLDER relative to the top of the source tree.
function(vx_folder_sources var folder)
  list(TRANSFORM ARGN PREPEND ${CMAKE_SOURCE_DIR}/${folder}/ OUTPUT_VARIABLE files)
  set(${var} ${files} PARENT_SCOPE)
endfunction()

vx_folder_sources(VX_APP_SOURCES src/app
  application.cpp
  auto_switch.cpp
  auto_switch_feature.cpp
  control_client.cpp
  control_protocol.cpp
  control_requests.cpp
  hotkey_table.cpp
  hotkeys.cpp
  interface_actions.cpp
  main_window.cpp
  profile_switch.cpp
  program.cpp
  program_interface.cpp
  program_subsystems.cpp
  startup.cpp
  window_lifecycle.cpp
)

vx_folder_sources(VX_DEVICE_SOURCES src/device
  action_player.cpp
  action_wake.cpp
  apply_configuration.cpp
  command_tables.cpp
  discovery.cpp
  driver_exit.cpp
  feature_report.cpp
  input_listener.cpp
  workers.cpp
)

vx_folder_sources(VX_MACRO_SOURCES src/macro
  event_lines.cpp
  key_codes.cpp
  macro_files.cpp
  macro_record.cpp
  macro_text.cpp
  record_edits.cpp
)

vx_folder_sources(VX_SETTINGS_SOURCES src/settings
  config_section.cpp
  ini_value.cpp
  mouse_config.cpp
  auto_switch_file.cpp
  profiles.cpp
  program_match.cpp
  settings_file.cpp
)

vx_folder_sources(VX_SKIN_SOURCES src/skin
  layout_loaders.cpp
  layout_reader.cpp
  skin_layout.cpp
)

vx_folder_sources(VX_UI_SOURCES src/ui
  config_edits.cpp
  function_menu_model.cpp
  function_menus.cpp
  hit_test.cpp
  led_preview.cpp
  macro_editor.cpp
  macro_recorder.cpp
  mouse_handlers.cpp
  owner_drawn_menu.cpp
  page_switch.cpp
  paint.cpp
  paint_snapshot.cpp
  paint_text.cpp
  skin_images.cpp
  window_shape.cpp
)

vx_folder_sources(VX_PORTABLE_SOURCES src/platform/portable
  chrono_clock.cpp
  editable_list_box.cpp
  ini_document.cpp
  menu_item_painter.cpp
  menu_resources.cpp
  pixel_canvas.cpp
  portable_profile_files.cpp
  posted_work.cpp
  program_paths.cpp
  program_rules_dialog_model.cpp
  save_temporaries.cpp
  start_options.cpp
  startup_trace.cpp
  utf_text.cpp
)

vx_folder_sources(VX_POSIX_SOURCES src/platform/posix
  posix_file_system.cpp
)

# The Linux program's Qt-free decisions (paths, pointer speed, programs,
# HID report descriptors):
# built and tested with every native preset, Qt or not.
vx_folder_sources(VX_LINUX_DESKTOP_SOURCES src/platform/qt
  hid_descriptor.cpp
  linux_control_socket.cpp
  linux_desktop.cpp
  linux_desktop_input.cpp
  linux_session_start.cpp
)

# The Linux program's backend over Qt 6 Widgets (the linux preset only).
vx_folder_sources(VX_QT_SOURCES src/platform/qt
  desktop_notice.cpp
  linux_diagnostics.cpp
  linux_foreground_watch.cpp
  linux_process.cpp
  linux_realtime.cpp
  linux_sleep_watch.cpp
  linux_system_settings.cpp
  linux_threads.cpp
  linux_xinput_speed.cpp
  qt_controls.cpp
  qt_drawing.cpp
  qt_image_decoder.cpp
  qt_keys.cpp
  qt_main_window.cpp
  qt_menu.cpp
  qt_popup.cpp
  qt_program_rules_dialog.cpp
  qt_shell.cpp
  x11_hotkeys.cpp
  x11_key_repeat.cpp
)

vx_folder_sources(VX_QT_ENTRY_SOURCES src/platform/qt/entry
  main.cpp
)

# vx230ctl, the console program that scripts the running one.
vx_folder_sources(VX_QT_CTL_SOURCES src/platform/qt/entry
  ctl_main.cpp
)

vx_folder_sources(VX_QT_HID_SOURCES src/platform/qt
  linux_hid_api.cpp
)

vx_folder_sources(VX_SIM_SOURCES src/platform/sim
  sim_control.cpp
  sim_factory.cpp
  simulated_mouse.cpp
)

# The command file's change watch, one per system.
vx_folder_sources(VX_SIM_POSIX_SOURCES src/platform/sim
  command_file_watch_inotify.cpp
)

vx_folder_sources(VX_SIM_WIN32_SOURCES src/platform/sim
  command_file_watch_win32.cpp
)

vx_folder_sources(VX_TESTING_SOURCES src/platform/testing
  fake_drawing.cpp
  fake_hid_api.cpp
  memory_file_system.cpp
)

vx_folder_sources(VX_WIN32_SOURCES src/platform/win32
  text_convert.cpp
  win32_clock.cpp
  win32_control_pipe.cpp
  win32_controls.cpp
  win32_diagnostics.cpp
  win32_drawing.cpp
  win32_file_dialog.cpp
  win32_file_system.cpp
  win32_foreground_watch.cpp
  win32_image_decoder.cpp
  win32_input.cpp
  win32_main_window.cpp
  win32_menu.cpp
  win32_popup.cpp
  win32_power.cpp
  win32_process.cpp
  win32_profile_files.cpp
  win32_program_rules_dialog.cpp
  win32_region.cpp
  win32_shell.cpp
  win32_system_settings.cpp
  win32_threads.cpp
)

vx_folder_sources(VX_WIN32_ENTRY_SOURCES src/platform/win32/entry
  main.cpp
)

# vx230ctl.exe, the console program that scripts the running one.
vx_folder_sources(VX_WIN32_CTL_SOURCES src/platform/win32/entry
  ctl_main.cpp
)

vx_folder_sources(VX_WIN32_HID_SOURCES src/platform/win32/hid
  hid_win32.cpp
)
