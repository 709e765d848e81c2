; The suite's installer: for the current user, without administrator rights, in Japanese.
; It installs into a folder of the user's own, since the programs write their settings
; files beside themselves. scripts/package defines VERSION, OUTFILE, X64DIR and X86DIR,
; TAPNOR_INSTANCE and FENDLE_INSTANCE (the programs' single-instance mutexes, taken from
; their sources), SIGNER when it signs, and TARGET for a stub other than the default 32-bit
; one (which runs on both kinds of Windows).
Unicode true
!ifdef TARGET
Target ${TARGET}
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
; A file in use offers Retry and Cancel only: skipping it would leave an old program
; beside a new control (NSIS manual, "AllowSkipFiles").
AllowSkipFiles off

!ifdef TAPNOR_INSTANCE & FENDLE_INSTANCE
!else
!error "scripts/package names the programs' single-instance mutexes"
!endif

; Authenticode: the installer, and the uninstaller before it goes into the installer
; (NSIS 3.08's !uninstfinalize), signed by the command scripts/package names.
!ifdef SIGNER
!finalize '"${SIGNER}" "%1"' = 0
!uninstfinalize '"${SIGNER}" "%1"' = 0
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh

!define PRODUCT "Tapnor-Fendle"
!define MENU_FOLDER "$SMPROGRAMS\Tapnor-Fendle"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tapnor-Fendle"
; NSIS's own code for "installation aborted by script" (NSIS manual, appendix "Error Levels").
!define ABORTED_BY_SCRIPT 2

Name "Tapnor / Fendle ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tapnor-Fendle"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText " "

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "Tapnor / Fendle"
VIAddVersionKey /LANG=1041 "FileDescription" "Tapnor / Fendle セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" " "

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

LangString KeepSettings ${LANG_JAPANESE} "設定ファイル (Tapnor.ini、Fendle.ini) を残しますか?$\r$\n$\r$\n「いいえ」を選ぶと設定ファイルも削除します。"
LangString ClosePrograms ${LANG_JAPANESE} "$R0 が実行中です。$\r$\n$\r$\n終了してから「再試行」を押してください。「キャンセル」を押すと中止します。"
LangString FilesLeft ${LANG_JAPANESE} "使用中のファイルを削除できませんでした。$\r$\n$\r$\nTapnor と Fendle を終了してから、もう一度アンインストールしてください。"

; The program files, one list for installing, measuring and removing them.
!macro ForEachProgramFile action
    !insertmacro ${action} Tapnor.exe
    !insertmacro ${action} Fendle.exe
    !insertmacro ${action} Sleekon.ocx
!macroend

; Appends the program's name to $R0 when its single-instance mutex exists. A mutex that
; exists but cannot be opened (ERROR_ACCESS_DENIED, 5) still means the program runs.
!macro AddIfRunning name instance
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${instance}") p.R1 ?e'
    Pop $R2
    ${If} $R1 P<> 0
    ${OrIf} $R2 = 5
        System::Call 'kernel32::CloseHandle(p R1)'
        ${If} $R0 != ""
            StrCpy $R0 "$R0、"
        ${EndIf}
        StrCpy $R0 "$R0${name}"
    ${EndIf}
!macroend

; Asks the user to close a running Tapnor or Fendle, until none runs or the user cancels;
; a silent run cancels at once, with a non-zero exit code, before any file changes.
!macro CloseRunningPrograms un
Function ${un}CloseRunningPrograms
    check:
    StrCpy $R0 ""
    !insertmacro AddIfRunning Tapnor "${TAPNOR_INSTANCE}"
    !insertmacro AddIfRunning Fendle "${FENDLE_INSTANCE}"
    ${If} $R0 == ""
        Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ClosePrograms)" /SD IDCANCEL IDRETRY check
    SetErrorLevel ${ABORTED_BY_SCRIPT}
    Abort
FunctionEnd
!macroend
!insertmacro CloseRunningPrograms ""
!insertmacro CloseRunningPrograms "un."

!macro InstallX64 file
    File "${X64DIR}\${file}"
!macroend
!macro InstallX86 file
    File "${X86DIR}\${file}"
!macroend
; Adds the file's size in bytes to $R0.
!macro AddSize file
    FileOpen $R1 "$INSTDIR\${file}" r
    FileSeek $R1 0 END $R2
    FileClose $R1
    IntOp $R0 $R0 + $R2
!macroend
!macro Remove file
    Delete "$INSTDIR\${file}"
!macroend
; Sets $R0 to 1 when the file is still there.
!macro FlagIfLeft file
    ${If} ${FileExists} "$INSTDIR\${file}"
        StrCpy $R0 1
    ${EndIf}
!macroend

Section
    SetShellVarContext current
    Call CloseRunningPrograms
    SetOutPath "$INSTDIR"
    ; The x64 programs only where the machine itself is x64. RunningX64 is true on every
    ; 64-bit Windows, Windows on ARM too, where Windows 10 runs no x64 program; IsNativeAMD64
    ; asks for the native machine (NSIS's Include\x64.nsh: "IsNative* checks the OS native
    ; CPU architecture", through IsWow64Process2).
    ; Over an older version the programs are replaced; the settings files stay as they are.
    ${If} ${IsNativeAMD64}
        !insertmacro ForEachProgramFile InstallX64
    ${Else}
        !insertmacro ForEachProgramFile InstallX86
    ${EndIf}
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\Tapnor.lnk" "$INSTDIR\Tapnor.exe" "" "$INSTDIR\Tapnor.exe" 0
    CreateShortcut "${MENU_FOLDER}\Fendle.lnk" "$INSTDIR\Fendle.exe" "" "$INSTDIR\Fendle.exe" 0

    ; EstimatedSize is in KB, of what this installation wrote.
    StrCpy $R0 0
    !insertmacro ForEachProgramFile AddSize
    !insertmacro AddSize Uninstall.exe
    IntOp $R0 $R0 + 1023
    IntOp $R0 $R0 / 1024

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tapnor / Fendle"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tapnor / Fendle"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tapnor.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $R0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Call un.CloseRunningPrograms
    !insertmacro ForEachProgramFile Remove
    ; A program file that could not be removed keeps the Apps entry, the uninstaller and
    ; the shortcuts, so that the user can uninstall again.
    StrCpy $R0 0
    !insertmacro ForEachProgramFile FlagIfLeft
    ${If} $R0 = 1
        MessageBox MB_OK|MB_ICONSTOP "$(FilesLeft)" /SD IDOK
        SetErrorLevel ${ABORTED_BY_SCRIPT}
        Abort
    ${EndIf}
    Delete "$INSTDIR\Uninstall.exe"
    ; The settings are the user's: kept unless the user says otherwise (a silent
    ; uninstall keeps them).
    ${If} ${FileExists} "$INSTDIR\Tapnor.ini"
    ${OrIf} ${FileExists} "$INSTDIR\Fendle.ini"
        MessageBox MB_YESNO|MB_ICONQUESTION "$(KeepSettings)" /SD IDYES IDYES keep
        Delete "$INSTDIR\Tapnor.ini"
        Delete "$INSTDIR\Fendle.ini"
        keep:
    ${EndIf}
    RMDir "$INSTDIR"

    Delete "${MENU_FOLDER}\Tapnor.lnk"
    Delete "${MENU_FOLDER}\Fendle.lnk"
    RMDir "${MENU_FOLDER}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
