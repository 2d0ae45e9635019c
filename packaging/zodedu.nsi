; The Windows installer: the game in Program Files, a Start-menu shortcut, and an uninstaller
; listed in Add/Remove Programs that removes the player's settings only when asked to.
;   makensis -DVERSION=1.0 -DFILE_VERSION=1.0.0.0 -DSTAGE=<staged files> -DICON=<icon>
;            -DOUTFILE=<setup.exe> zodedu.nsi
; Installer: /S silent, /D=<folder> (last) another folder.
; Uninstaller: /S silent, keeping the settings; /REMOVESETTINGS removes them without asking.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zodedu"
!define COMPANY_KEY "Software\Vivevev"
!define SETTINGS_KEY "${COMPANY_KEY}\Zodedu"

Name "Zodedu"
Caption "Zodedu Setup"
UninstallCaption "Zodedu Uninstall"
BrandingText "Zodedu ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Zodedu"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey "ProductName" "Zodedu"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Zodedu Setup"
VIAddVersionKey "CompanyName" "Vivevev"
VIAddVersionKey "LegalCopyright" "MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\zodedu.exe"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The game's main window is a dialog captioned "Zodedu". A running copy holds zodedu.exe
; open, so files could be neither replaced nor removed: wait for the player to close it.
!macro WAIT_UNTIL_GAME_CLOSED
    check:
    FindWindow $0 "#32770" "Zodedu"
    IntCmp $0 0 closed
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Zodedu is running. Close the game, then choose Retry." /SD IDCANCEL IDRETRY check
    SetErrorLevel 2
    Quit
    closed:
!macroend

Function .onInit
    !insertmacro WAIT_UNTIL_GAME_CLOSED
FunctionEnd

Function un.onInit
    !insertmacro WAIT_UNTIL_GAME_CLOSED
FunctionEnd

Section "Zodedu"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "${STAGE}\zodedu.exe"
    File "${STAGE}\zodedu.HLP"
    File "${STAGE}\first.wav"
    File "${STAGE}\last.wav"
    File "${STAGE}\win.wav"
    File "${STAGE}\lose.wav"
    File "${STAGE}\README.txt"
    File "${STAGE}\LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The shortcut starts the game in its own folder (the output path).
    CreateShortcut "$SMPROGRAMS\Zodedu.lnk" "$INSTDIR\zodedu.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Zodedu"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Vivevev"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zodedu.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The settings live in the registry, or in zodedu.INI in the Windows folder on systems
; without one. Removed on /REMOVESETTINGS, or when the player answers Yes; a silent
; uninstall without the switch keeps them.
Function un.RemoveSettingsIfAsked
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/REMOVESETTINGS" $R1
    IfErrors 0 remove
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
        "Also remove your Zodedu settings (difficulty, time limit and sound effects)?" \
        /SD IDNO IDYES remove
    Return
    remove:
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "${COMPANY_KEY}"
    Delete "$WINDIR\zodedu.INI"
FunctionEnd

; The question comes first, and the folder goes last: once it is gone, all is done.
Section "Uninstall"
    Call un.RemoveSettingsIfAsked
    SetShellVarContext all
    Delete "$SMPROGRAMS\Zodedu.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    Delete "$INSTDIR\zodedu.exe"
    Delete "$INSTDIR\zodedu.HLP"
    Delete "$INSTDIR\first.wav"
    Delete "$INSTDIR\last.wav"
    Delete "$INSTDIR\win.wav"
    Delete "$INSTDIR\lose.wav"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
