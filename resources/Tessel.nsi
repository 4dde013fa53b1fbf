; The installer of Tessel, made by tools/package.sh, which defines:
;   VERSION (0.60), VERSION_DOTTED (0.60.0.0), STAGE (the folder of the files to install),
;   FILES and UNFILES (the File and Delete lines of every file in STAGE), ICON, OUTFILE.
; It installs for the current user only, into a folder the user can write to: the editor
; reads and writes its settings and log in its working folder, which the Start-menu entry
; makes the install folder. /S installs, and uninstall.exe /S uninstalls, without a window.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
ManifestSupportedOS all

!include MUI2.nsh

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessel"

Name "Tessel ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tessel"
InstallDirRegKey HKCU "${KEY}" "InstallLocation"
BrandingText "Tessel ${VERSION}"

VIProductVersion "${VERSION_DOTTED}"
VIFileVersion "${VERSION_DOTTED}"
VIAddVersionKey /LANG=1041 "ProductName" "Tessel"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileDescription" "Tessel ${VERSION} セットアップ"
VIAddVersionKey /LANG=1041 "LegalCopyright" "${COPYRIGHT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tessel.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Section "Tessel"
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The working folder of both shortcuts is the install folder (the last SetOutPath).
    SetOutPath "$INSTDIR"
    CreateDirectory "$SMPROGRAMS\Tessel"
    CreateShortcut "$SMPROGRAMS\Tessel\Tessel.lnk" "$INSTDIR\Tessel.exe"
    CreateShortcut "$SMPROGRAMS\Tessel\Tessel ガイド.lnk" "$INSTDIR\guide\guide.html"

    WriteRegStr HKCU "${KEY}" "DisplayName" "Tessel ${VERSION}"
    WriteRegStr HKCU "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${KEY}" "DisplayIcon" "$INSTDIR\Tessel.exe"
    WriteRegStr HKCU "${KEY}" "Publisher" "The Tessel authors"
    WriteRegStr HKCU "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there, file by file: whatever the user saved in the folder
; (a log, border settings) stays, and so does the folder then.
Section "Uninstall"
    !include "${UNFILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Tessel\Tessel.lnk"
    Delete "$SMPROGRAMS\Tessel\Tessel ガイド.lnk"
    RMDir "$SMPROGRAMS\Tessel"
    DeleteRegKey HKCU "${KEY}"
SectionEnd
