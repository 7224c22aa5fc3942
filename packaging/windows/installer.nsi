; SPDX-FileCopyrightText: 2026 The velmora developers
; SPDX-License-Identifier: MIT
; The Windows installer: both programs into Program Files for every user of
; the machine, a Start-menu shortcut for each, an entry in Apps & features,
; and the uninstaller that takes all of it away again. The build defines
; VERSION, PUBLISHER, COPYRIGHT, STAGE (the folder holding what installs), ICON and OUTFILE.
Unicode true
Target amd64-unicode
!include FileFunc.nsh

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\velmora"

Name "Velmora ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\velmora"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
SetDateSave off ; installed files take the time of installing: no build time in the installer
VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "Velmora"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey FileDescription "Velmora ${VERSION} setup"
VIAddVersionKey LegalCopyright "${COPYRIGHT}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "${STAGE}/velmora.exe"
    File "${STAGE}/tarnwick.exe"
    File "${STAGE}/LICENSE.txt"
    File "${STAGE}/README.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\Velmora.lnk" "$INSTDIR\velmora.exe" "" "$INSTDIR\velmora.exe" 0
    CreateShortcut "$SMPROGRAMS\Tarnwick.lnk" "$INSTDIR\tarnwick.exe" "" "$INSTDIR\tarnwick.exe" 0

    WriteRegStr HKLM "${KEY}" DisplayName "Velmora"
    WriteRegStr HKLM "${KEY}" DisplayVersion "${VERSION}"
    WriteRegStr HKLM "${KEY}" Publisher "${PUBLISHER}"
    WriteRegStr HKLM "${KEY}" DisplayIcon "$INSTDIR\velmora.exe,0"
    WriteRegStr HKLM "${KEY}" InstallLocation "$INSTDIR"
    WriteRegStr HKLM "${KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${KEY}" NoModify 1
    WriteRegDWORD HKLM "${KEY}" NoRepair 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2 ; what the folder holds, in KiB
    WriteRegDWORD HKLM "${KEY}" EstimatedSize $0
SectionEnd

Section Uninstall
    SetShellVarContext all
    Delete "$SMPROGRAMS\Velmora.lnk"
    Delete "$SMPROGRAMS\Tarnwick.lnk"
    Delete "$INSTDIR\velmora.exe"
    Delete "$INSTDIR\tarnwick.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${KEY}"
SectionEnd
