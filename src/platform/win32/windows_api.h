#pragma once
// <windows.h> for the backend's files. Three of its macros share their names
// with MainWindow's methods (MessageBox, CreateFont, LoadMenu); they are removed so the
// interface means the same thing in every file. Call the W functions by name.
#include <windows.h>

#undef MessageBox
#undef CreateFont
#undef LoadMenu
