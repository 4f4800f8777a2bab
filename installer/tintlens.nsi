; Tintlens setup: a per-user install that needs no administrator rights.
; tools/make-dist.sh builds it with makensis and defines VERSION and
; VERSION_FOUR (its four-part form; both from the build's version header),
; WIN32_DIR, WIN64_DIR (the two build folders) and OUTFILE, all as absolute paths.
;
; Silent use: "Tintlens-VERSION-setup.exe /S" installs without asking and leaves
; "Start Tintlens with Windows" off; "uninstall.exe /S" uninstalls and keeps
; the settings. Both end with exit code 2, changing nothing, while Tintlens runs.

Unicode true
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include Sections.nsh
!include FileFunc.nsh
!include x64.nsh

!define PRODUCT "Tintlens"
!define PUBLISHER "Quorvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\Quorvane\Tintlens"
; Colour list files open in the program, for this user only.
!define CLASSES_KEY "Software\Classes"
!define LIST_EXTENSION ".clf"
!define LIST_PROGID "${PRODUCT}.ColorList"
!define SHCNE_ASSOCCHANGED 0x08000000

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An update goes where the last install went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_FOUR}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

Page components
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Files in use cannot be replaced or removed on Windows, and a half-replaced
; install is worse than none, so both directions stop while the program runs.
; Its main window is a dialog titled "Tintlens", or "Tintlens - colors.clf" once
; a file is saved or opened; the only other dialogs with either title are its
; own message boxes, which also mean it runs.
!macro DEFINE_REFUSE_WHILE_RUNNING prefix
Function ${prefix}RefuseWhileRunning
  Push $0
  Push $1
  Push $2
  check:
    StrCpy $0 0
  next_window:
    FindWindow $0 "#32770" "" 0 $0
    ${If} $0 = 0
      Goto not_running
    ${EndIf}
    System::Call "user32::GetWindowTextW(p r0, w .r1, i ${NSIS_MAX_STRLEN})"
    StrCpy $2 $1 11
    ${If} $1 == "${PRODUCT}"
    ${OrIf} $2 == "${PRODUCT} - "
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${PRODUCT} is running. Please exit it (right-click its icon in the notification area and choose Exit) and try again." \
        /SD IDCANCEL IDRETRY check
      SetErrorLevel 2
      Quit
    ${EndIf}
    Goto next_window
  not_running:
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro DEFINE_REFUSE_WHILE_RUNNING ""
!insertmacro DEFINE_REFUSE_WHILE_RUNNING "un."

Section "${PRODUCT}" SecProgram
  SectionIn RO
  ; Asked again here: the program may have been started while the pages showed.
  Call RefuseWhileRunning

  SetOutPath "$INSTDIR"
  ; A 32-bit setup runs on both; it installs the build that matches Windows.
  ${If} ${RunningX64}
    File "/oname=tintlens.exe" "${WIN64_DIR}\tintlens.exe"
    File "/oname=tintlens-palette.exe" "${WIN64_DIR}\tintlens-palette.exe"
  ${Else}
    File "/oname=tintlens.exe" "${WIN32_DIR}\tintlens.exe"
    File "/oname=tintlens-palette.exe" "${WIN32_DIR}\tintlens-palette.exe"
  ${EndIf}
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\tintlens.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tintlens.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  WriteRegStr HKCU "${CLASSES_KEY}\${LIST_EXTENSION}" "" "${LIST_PROGID}"
  WriteRegStr HKCU "${CLASSES_KEY}\${LIST_PROGID}" "" "${PRODUCT} Color List"
  WriteRegStr HKCU "${CLASSES_KEY}\${LIST_PROGID}\DefaultIcon" "" '"$INSTDIR\tintlens.exe",0'
  WriteRegStr HKCU "${CLASSES_KEY}\${LIST_PROGID}\shell\open\command" "" \
    '"$INSTDIR\tintlens.exe" "%1"'
  ; The Explorer keeps what it knew of file types until it is told.
  System::Call "shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)"
SectionEnd

Section "Start ${PRODUCT} with Windows" SecAutostart
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\tintlens.exe"'
SectionEnd

Function .onInit
  ; Someone installing silently has not been asked, so nothing starts with
  ; Windows unless they tick it on the components page.
  ${If} ${Silent}
    !insertmacro UnselectSection ${SecAutostart}
  ${EndIf}
  Call RefuseWhileRunning
FunctionEnd

Section "Uninstall"
  Call un.RefuseWhileRunning

  Delete "$INSTDIR\tintlens.exe"
  Delete "$INSTDIR\tintlens-palette.exe"
  Delete "$INSTDIR\uninstall.exe"
  ; Not recursive: anything the user put in the folder stays, and so does the folder.
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; Our file type goes; .clf itself only while it still names it: another
  ; program may have taken the extension since, and keeps it. The extension's
  ; key goes with our value when nothing else is left in it.
  DeleteRegKey HKCU "${CLASSES_KEY}\${LIST_PROGID}"
  ReadRegStr $0 HKCU "${CLASSES_KEY}\${LIST_EXTENSION}" ""
  ${If} $0 == "${LIST_PROGID}"
    DeleteRegValue HKCU "${CLASSES_KEY}\${LIST_EXTENSION}" ""
    EnumRegValue $0 HKCU "${CLASSES_KEY}\${LIST_EXTENSION}" 0
    ${If} $0 == ""
      DeleteRegKey /ifempty HKCU "${CLASSES_KEY}\${LIST_EXTENSION}"
    ${EndIf}
  ${EndIf}
  System::Call "shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)"

  ; The settings outlive an uninstall unless the user says otherwise; a silent
  ; uninstall (an update script, say) keeps them.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Also remove the ${PRODUCT} settings (hotkeys, zoom level, always on top)?" \
    /SD IDNO IDNO keep_settings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Quorvane"
  keep_settings:
SectionEnd
