; The installer of the VX230 Gaming Mouse Driver, built by the windows preset
; (cmake/windows_release.cmake):
;   makensis -INPUTCHARSET UTF8 -DVX_VERSION=1.0.0 -DVX_TREE=<run-time tree>
;            -DVX_ICON=<app.ico> -DVX_FACTORY_SECTIONS=<factory_sections.nsh>
;            -DVX_PROGRAMS=<programs.nsh>
;            -DVX_OUTFILE=<setup.exe> -DVX_PUBLISHER=<name> -DVX_COPYRIGHT=<line>
;            -DVX_SIGN=<signer>
;            [-DVX_TEST_BUILD] installer.nsi
; VX_SIGN is the command that signs one file in place (packaging/sign.sh);
; the installer and the uninstaller it writes go through it. VX_TEST_BUILD
; makes the installer of the simulated-mouse program: named, titled and
; installed apart from the real one, and its uninstall also removes the
; simulated mouse's files.
;
; A per-user install: the program writes config.ini and the macro files
; beside its exe, so it lives in the user's own, writable folder and needs no
; administrator rights. Command-line switches besides NSIS's own /S and /D=:
;   setup.exe /S /NOAUTOSTART   no start-with-Windows entry
;   Uninstall.exe /S /REMOVEDATA also removes config.ini and the macro files
; The program is a 64-bit exe, so the installer is one too.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestDPIAware true

!ifndef VX_VERSION | VX_TREE | VX_OUTFILE | VX_ICON | VX_FACTORY_SECTIONS | VX_PROGRAMS | VX_PUBLISHER | VX_COPYRIGHT | VX_SIGN
  !error "VX_VERSION, VX_TREE, VX_OUTFILE, VX_ICON, VX_FACTORY_SECTIONS, VX_PROGRAMS, VX_PUBLISHER, VX_COPYRIGHT and VX_SIGN must be defined"
!endif

!ifdef VX_TEST_BUILD
  !define VX_PRODUCT "VX230 Gaming Mouse Driver (test build, simulated mouse)"
  !define VX_KEY_NAME "VX230-test"
  !define VX_DISPLAY_VERSION "${VX_VERSION} (test build)"
!else
  !define VX_PRODUCT "VX230 Gaming Mouse Driver"
  !define VX_KEY_NAME "VX230"
  !define VX_DISPLAY_VERSION "${VX_VERSION}"
!endif
!define VX_EXE "ZUV_GMouse.exe"
!define VX_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${VX_KEY_NAME}"
!define VX_RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define VX_SETTINGS_KEY "Software\${VX_KEY_NAME}"
; The main window's title and the tray menu's "Exit Driver" command: the
; installer ends a running program through its own exit, which puts the
; pointer speed back and tells the mouse, before its files are replaced.
!define VX_WINDOW_TITLE "VX230 Gaming Mouse Driver"
!define VX_EXIT_COMMAND 32800

Name "${VX_PRODUCT}"
OutFile "${VX_OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${VX_KEY_NAME}"
; An upgrade goes where the last install went.
InstallDirRegKey HKCU "${VX_UNINSTALL_KEY}" "InstallLocation"
BrandingText "${VX_PRODUCT} ${VX_VERSION}"
VIProductVersion "${VX_VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${VX_PRODUCT}"
VIAddVersionKey /LANG=0 "FileDescription" "${VX_PRODUCT} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VX_VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VX_VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${VX_PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${VX_COPYRIGHT}"

; Signed as they are written (a no-op without a certificate).
!finalize '${VX_SIGN} "%1"'
!uninstfinalize '${VX_SIGN} "%1"'

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"

!define MUI_ICON "${VX_ICON}"
!define MUI_UNICON "${VX_ICON}"
!define MUI_ABORTWARNING
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${VX_SETTINGS_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${VX_EXE}"
!define MUI_WELCOMEPAGE_TITLE "$(WelcomeTitle)"
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${VX_TREE}/LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The run box is not offered when the driver was running before: it is
; started again already.
!define MUI_PAGE_CUSTOMFUNCTION_SHOW HideRunWhenRestarted
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString WelcomeTitle ${LANG_ENGLISH} "${VX_PRODUCT} ${VX_VERSION}"
LangString WelcomeTitle ${LANG_SIMPCHINESE} "VX230 游戏鼠标驱动 ${VX_VERSION}"
LangString WelcomeText ${LANG_ENGLISH} "This installs the driver of the VX230 gaming mouse for your Windows account: the program that sends the mouse its buttons, DPI levels, lighting and macros, with its user guide.$\r$\n$\r$\nNo administrator rights are needed. Installing over an earlier version keeps your settings and macros; a running driver is ended first and started again afterwards.$\r$\n$\r$\nClick Next to continue."
LangString WelcomeText ${LANG_SIMPCHINESE} "本程序为您的 Windows 帐户安装 VX230 游戏鼠标驱动：设置鼠标按键、DPI 档位、灯光和宏的程序，以及使用说明。$\r$\n$\r$\n无需管理员权限。覆盖安装时保留您的设置和宏；正在运行的驱动会先关闭，安装后重新启动。$\r$\n$\r$\n单击“下一步”继续。"
LangString SecProgram ${LANG_ENGLISH} "Program"
LangString SecProgram ${LANG_SIMPCHINESE} "驱动程序"
LangString SecAutostart ${LANG_ENGLISH} "Start with Windows"
LangString SecAutostart ${LANG_SIMPCHINESE} "开机自动启动"
LangString DescProgram ${LANG_ENGLISH} "The driver program, its skins and user guide, and a Start-menu shortcut. Your settings and macros are kept when you install over an earlier version."
LangString DescProgram ${LANG_SIMPCHINESE} "驱动程序、界面皮肤、使用说明和开始菜单快捷方式。覆盖安装时保留您的设置和宏。"
LangString DescAutostart ${LANG_ENGLISH} "Starts the driver hidden in the notification area when you sign in, so the mouse is configured and macros play from the first minute."
LangString DescAutostart ${LANG_SIMPCHINESE} "登录 Windows 时在通知区域隐藏启动驱动，鼠标设置和宏立即生效。"
LangString KeepData ${LANG_ENGLISH} "Keep your settings (config.ini) and macros for a later install?"
LangString KeepData ${LANG_SIMPCHINESE} "是否保留您的设置 (config.ini) 和宏，以便以后再次安装时使用？"

; 1 when the install ended a running driver, which it then starts again.
Var WasRunning

; Ends a running copy of the program through its own exit command.
!macro VX_END_RUNNING_PROGRAM UN
Function ${UN}EndRunningProgram
  FindWindow $0 "#32770" "${VX_WINDOW_TITLE}"
  ${If} $0 == 0
    Return
  ${EndIf}
  StrCpy $WasRunning 1
  SendMessage $0 ${WM_COMMAND} ${VX_EXIT_COMMAND} 0 /TIMEOUT=5000
  StrCpy $1 0
  ${DoWhile} $0 != 0
    ${If} $1 >= 50
      ${ExitDo}
    ${EndIf}
    Sleep 200
    IntOp $1 $1 + 1
    FindWindow $0 "#32770" "${VX_WINDOW_TITLE}"
  ${Loop}
  ; The process may still hold its exe for a moment after the window goes.
  Sleep 500
FunctionEnd
!macroend
!insertmacro VX_END_RUNNING_PROGRAM ""
!insertmacro VX_END_RUNNING_PROGRAM "un."

; Adding the factory sections an older config.ini lacks: appended at its
; end, so every byte the user's file had stays where it was. $R1: the open
; file, $R2: 1 when it is UTF-16LE.
!macro VX_FACTORY_SECTION_BEGIN SECTION PROBE_KEY
  ClearErrors
  ReadINIStr $0 "$INSTDIR\config.ini" "${SECTION}" "${PROBE_KEY}"
  ${If} ${Errors}
    !insertmacro VX_FACTORY_LINE "[${SECTION}]"
!macroend
!macro VX_FACTORY_LINE LINE
    ${If} $R2 == 1
      FileWriteUTF16LE $R1 "${LINE}$\r$\n"
    ${Else}
      FileWrite $R1 "${LINE}$\r$\n"
    ${EndIf}
!macroend
!macro VX_FACTORY_SECTION_END
  ${EndIf}
!macroend
!include "${VX_FACTORY_SECTIONS}"
; VX_DELETE_PROGRAMS: a Delete line per program of the release.
!include "${VX_PROGRAMS}"

Function AddFactorySections
  ClearErrors
  FileOpen $R1 "$INSTDIR\config.ini" a
  ${If} ${Errors}
    Return
  ${EndIf}
  StrCpy $R2 0
  FileReadByte $R1 $0
  FileReadByte $R1 $1
  ${If} $0 == 255
  ${AndIf} $1 == 254
    StrCpy $R2 1
  ${EndIf}
  ; A last line without its line end would run into the first new one.
  FileSeek $R1 -1 END
  FileReadByte $R1 $0
  FileSeek $R1 0 END
  ${If} $R2 == 1
    FileSeek $R1 -2 END
    FileReadByte $R1 $0
    FileSeek $R1 0 END
  ${EndIf}
  ${If} $0 != 10
    !insertmacro VX_FACTORY_LINE ""
  ${EndIf}
  !insertmacro VX_FACTORY_SECTIONS
  FileClose $R1
FunctionEnd

Function .onInit
  ${IfNot} ${Silent}
    !insertmacro MUI_LANGDLL_DISPLAY
  ${EndIf}
FunctionEnd

Section "!$(SecProgram)" SecProgramId
  SectionIn RO
  SetShellVarContext current
  Call EndRunningProgram
  SetOutPath "$INSTDIR"
  ; The program, its constant macros, skins and user guide are replaced.
  File /r /x config.ini /x Macro_EN.dat /x Macro_CN.dat "${VX_TREE}/*"
  ; The user's settings and macros: put there only on a first install, so an
  ; upgrade keeps them byte for byte; it only adds factory sections a newer
  ; version brings.
  ${If} ${FileExists} "$INSTDIR\config.ini"
    Call AddFactorySections
  ${EndIf}
  SetOverwrite off
  File "${VX_TREE}/config.ini"
  File "${VX_TREE}/Macro_EN.dat"
  File "${VX_TREE}/Macro_CN.dat"
  SetOverwrite on

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${VX_PRODUCT}.lnk" "$INSTDIR\${VX_EXE}" "" "$INSTDIR\${VX_EXE}" 0

  ; Apps & Features, for this user only.
  WriteRegStr HKCU "${VX_UNINSTALL_KEY}" "DisplayName" "${VX_PRODUCT}"
  WriteRegStr HKCU "${VX_UNINSTALL_KEY}" "DisplayVersion" "${VX_DISPLAY_VERSION}"
  WriteRegStr HKCU "${VX_UNINSTALL_KEY}" "Publisher" "${VX_PUBLISHER}"
  ; The user guide installed with the program.
  WriteRegStr HKCU "${VX_UNINSTALL_KEY}" "URLInfoAbout" "$INSTDIR\help\index.html"
  WriteRegStr HKCU "${VX_UNINSTALL_KEY}" "HelpLink" "$INSTDIR\help\index.html"
  ${GetTime} "" "L" $0 $1 $2 $3 $4 $5 $6
  WriteRegStr HKCU "${VX_UNINSTALL_KEY}" "InstallDate" "$2$1$0"
  WriteRegStr HKCU "${VX_UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${VX_EXE}"
  WriteRegStr HKCU "${VX_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${VX_UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${VX_UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${VX_UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${VX_UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${VX_UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(SecAutostart)" SecAutostartId
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOAUTOSTART" $1
  ${If} ${Errors}
    ; --tray: only the tray icon at sign-in; the window opens from it.
    WriteRegStr HKCU "${VX_RUN_KEY}" "${VX_KEY_NAME}" '"$INSTDIR\${VX_EXE}" --tray'
  ${Else}
    DeleteRegValue HKCU "${VX_RUN_KEY}" "${VX_KEY_NAME}"
  ${EndIf}
SectionEnd

; An upgrade without the start-with-Windows choice removes the old entry.
Section "-RemoveAutostart"
  ${IfNot} ${SectionIsSelected} ${SecAutostartId}
    DeleteRegValue HKCU "${VX_RUN_KEY}" "${VX_KEY_NAME}"
  ${EndIf}
SectionEnd

; A driver the install ended starts again as at sign-in (only the tray
; icon), so the mouse's buttons keep working without a new sign-in.
Section "-RestartDriver"
  ${If} $WasRunning == 1
    Exec '"$INSTDIR\${VX_EXE}" --tray'
  ${EndIf}
SectionEnd

Function HideRunWhenRestarted
  ${If} $WasRunning == 1
    ShowWindow $mui.FinishPage.Run 0
    SendMessage $mui.FinishPage.Run ${BM_SETCHECK} 0 0
  ${EndIf}
FunctionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgramId} $(DescProgram)
  !insertmacro MUI_DESCRIPTION_TEXT ${SecAutostartId} $(DescAutostart)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "Uninstall"
  SetShellVarContext current
  Call un.EndRunningProgram

  ; Keep the user's data unless asked otherwise: by default in the question
  ; and in a silent uninstall, which removes it only with /REMOVEDATA.
  StrCpy $R0 "keep"
  ${If} ${Silent}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVEDATA" $1
    ${IfNot} ${Errors}
      StrCpy $R0 "remove"
    ${EndIf}
  ${Else}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON1 "$(KeepData)" IDYES +2
    StrCpy $R0 "remove"
  ${EndIf}

  !insertmacro VX_DELETE_PROGRAMS
  Delete "$INSTDIR\constMacro.dat"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\THIRD-PARTY-NOTICES.txt"
!ifdef VX_TEST_BUILD
  ; The simulated mouse's command and report files.
  Delete "$INSTDIR\simmouse.cmd"
  Delete "$INSTDIR\simmouse.log"
!endif
  Delete "$INSTDIR\diagnostics.log"
  RMDir /r "$INSTDIR\skins"
  RMDir /r "$INSTDIR\help"
  ${If} $R0 == "remove"
    Delete "$INSTDIR\config.ini"
    Delete "$INSTDIR\Macro_EN.dat"
    Delete "$INSTDIR\Macro_CN.dat"
  ${EndIf}
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: files the user put there stay.
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${VX_PRODUCT}.lnk"
  DeleteRegValue HKCU "${VX_RUN_KEY}" "${VX_KEY_NAME}"
  DeleteRegKey HKCU "${VX_UNINSTALL_KEY}"
  DeleteRegKey HKCU "${VX_SETTINGS_KEY}"
SectionEnd
