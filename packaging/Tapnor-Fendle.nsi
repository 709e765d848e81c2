; The suite's installer: for the current user, without administrator rights, in Japanese.
; It installs into a folder of the user's own, since the programs write their settings
; files beside themselves. scripts/package defines VERSION, OUTFILE, X64DIR and X86DIR,
; and TARGET for a stub other than the default 32-bit one (which runs on both kinds of
; Windows).
Unicode true
!ifdef TARGET
Target ${TARGET}
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh

!define PRODUCT "Tapnor-Fendle"
!define MENU_FOLDER "$SMPROGRAMS\Tapnor-Fendle"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tapnor-Fendle"

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

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    ${If} ${RunningX64}
        File "${X64DIR}\Tapnor.exe"
        File "${X64DIR}\Fendle.exe"
        File "${X64DIR}\Sleekon.ocx"
    ${Else}
        File "${X86DIR}\Tapnor.exe"
        File "${X86DIR}\Fendle.exe"
        File "${X86DIR}\Sleekon.ocx"
    ${EndIf}
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\Tapnor.lnk" "$INSTDIR\Tapnor.exe" "" "$INSTDIR\Tapnor.exe" 0
    CreateShortcut "${MENU_FOLDER}\Fendle.lnk" "$INSTDIR\Fendle.exe" "" "$INSTDIR\Fendle.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tapnor / Fendle"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tapnor.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$INSTDIR\Tapnor.exe"
    Delete "$INSTDIR\Fendle.exe"
    Delete "$INSTDIR\Sleekon.ocx"
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
