; SPDX-FileCopyrightText: 2026 The velmora developers
; SPDX-License-Identifier: MIT
; The Windows installer (NSIS Modern UI 2): the licence and the third-party
; notices, the choice to install for every user of the machine (as
; administrator, into Program Files) or for the current user alone (no
; administrator rights, into the user's own programs folder), the folder,
; progress, and a finish page offering to start Velmora and to open the page
; on its model. A Start-menu shortcut for each program, an entry in Apps, and
; the uninstaller that takes all of it away again. Installing over an earlier
; version removes it first, with its own uninstaller.
; Its pages speak the user's Windows language where it is one of the
; translations' (NSIS picks it at start), English otherwise; the languages
; and the texts of our own come from the translations' catalogues
; (installer-strings.sh).
; Silent: /S, /S /AllUsers, /S /CurrentUser. The build defines VERSION,
; PUBLISHER, COPYRIGHT, STAGE (the folder holding what installs), ICON,
; INSTALLED_FILES and REMOVED_FILES (the lists of what the folder holds),
; STRINGS (the languages and the texts of our own: MUI_LANGUAGE and
; LangString lines) and OUTFILE.
Unicode true
Target amd64-unicode

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\velmora"

; Administrators choose, others install for themselves; each mode finds an
; earlier install's folder from its Uninstall key.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR velmora
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME InstallLocation
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME InstallLocation
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

Name "Velmora ${VERSION}"
OutFile "${OUTFILE}"
SetCompressor /SOLID lzma
SetDateSave off ; installed files take the time of installing: no build time in the installer
VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "Velmora"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey FileDescription "Velmora ${VERSION} setup"
VIAddVersionKey LegalCopyright "${COPYRIGHT}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!define MUI_PAGE_HEADER_TEXT "$(NOTICES_HEADER)"
!define MUI_PAGE_HEADER_SUBTEXT "$(NOTICES_SUBTEXT)"
!define MUI_LICENSEPAGE_TEXT_TOP "$(NOTICES_TOP)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(NOTICES_BOTTOM) $_CLICK"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\THIRD-PARTY-NOTICES.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\velmora.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(START_VELMORA)"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\$(PAGES)\model.html"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(READ_MODEL)"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishPageShow
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The languages, English first, and our texts in each.
!include "${STRINGS}"

; The folder a message names (installer-strings.sh's {folder}).
Var Folder

; Windows refuses to open a running program's file for writing: each
; program found running is named in $1.
!macro PROGRAM_RUNNING PROGRAM
    ${If} ${FileExists} "$INSTDIR\${PROGRAM}"
        ClearErrors
        FileOpen $0 "$INSTDIR\${PROGRAM}" a
        ${If} ${Errors}
            ${If} $1 == ""
                StrCpy $1 "${PROGRAM}"
            ${Else}
                StrCpy $1 "$1 ${PROGRAM}"
            ${EndIf}
        ${Else}
            FileClose $0
        ${EndIf}
    ${EndIf}
!macroend

; Asks the user to close the programs in $INSTDIR until none runs; on Cancel,
; or at once when silent, ends with exit code 2 and touches nothing.
!macro CLOSE_PROGRAMS_FIRST UN
Function ${UN}CloseProgramsFirst
    retry:
    StrCpy $1 ""
    !insertmacro PROGRAM_RUNNING velmora.exe
    !insertmacro PROGRAM_RUNNING tarnwick.exe
    StrCmp $1 "" done
    StrCpy $Folder $INSTDIR
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(CLOSE_FIRST)" \
        /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
    done:
FunctionEnd
!macroend
!insertmacro CLOSE_PROGRAMS_FIRST ""
!insertmacro CLOSE_PROGRAMS_FIRST "un."

; Modern UI makes the finish page's check boxes one line high; the second
; one's text with the page's file takes two in German, say, so it gets twice
; the height (the box wraps its text).
Function FinishPageShow
    System::Call "*(i, i, i, i) p .r0"
    System::Call "user32::GetWindowRect(p $mui.FinishPage.ShowReadme, p r0)"
    System::Call "*$0(i .r1, i .r2, i .r3, i .r4)"
    System::Free $0
    IntOp $3 $3 - $1
    IntOp $4 $4 - $2
    IntOp $4 $4 * 2
    ; SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE
    System::Call "user32::SetWindowPos(p $mui.FinishPage.ShowReadme, p 0, i 0, i 0, i r3, i r4, i 0x16)"
FunctionEnd

Function .onInit
    !insertmacro MULTIUSER_INIT
FunctionEnd

; The uninstaller serves the mode whose Uninstall key names its folder.
Function un.onInit
    !insertmacro MULTIUSER_UNINIT
    ReadRegStr $0 HKCU "${KEY}" InstallLocation
    ${If} $0 == $INSTDIR
        Call un.MultiUser.InstallMode.CurrentUser
    ${EndIf}
    ReadRegStr $0 HKLM "${KEY}" InstallLocation
    ${If} $0 == $INSTDIR
        Call un.MultiUser.InstallMode.AllUsers
    ${EndIf}
FunctionEnd

Section
    Call CloseProgramsFirst
    ; An earlier install in this mode goes first, by its own uninstaller run
    ; in place (_?=), so that no file of it stays and Apps keeps one entry.
    ReadRegStr $2 SHCTX "${KEY}" InstallLocation
    ${If} $2 != ""
    ${AndIf} ${FileExists} "$2\uninstall.exe"
        StrCpy $Folder $2
        DetailPrint "$(REMOVING)"
        ExecWait '"$2\uninstall.exe" /S _?=$2' $3
        ${If} $3 != 0
            MessageBox MB_OK|MB_ICONSTOP "$(REMOVE_FAILED)" /SD IDOK
            SetErrorLevel 2
            Quit
        ${EndIf}
        Delete "$2\uninstall.exe"
        RMDir "$2"
    ${EndIf}

    !include "${INSTALLED_FILES}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; Each shortcut's description, its tooltip, in the installer's language.
    CreateShortcut "$SMPROGRAMS\Velmora.lnk" "$INSTDIR\velmora.exe" "" "$INSTDIR\velmora.exe" 0 \
        SW_SHOWNORMAL "" "$(VELMORA_COMMENT)"
    CreateShortcut "$SMPROGRAMS\Tarnwick.lnk" "$INSTDIR\tarnwick.exe" "" "$INSTDIR\tarnwick.exe" 0 \
        SW_SHOWNORMAL "" "$(TARNWICK_COMMENT)"

    ; SHCTX: HKLM for all users, HKCU for the current user.
    WriteRegStr SHCTX "${KEY}" DisplayName "Velmora"
    WriteRegStr SHCTX "${KEY}" DisplayVersion "${VERSION}"
    WriteRegStr SHCTX "${KEY}" Publisher "${PUBLISHER}"
    WriteRegStr SHCTX "${KEY}" DisplayIcon "$INSTDIR\velmora.exe,0"
    WriteRegStr SHCTX "${KEY}" InstallLocation "$INSTDIR"
    WriteRegStr SHCTX "${KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${KEY}" NoModify 1
    WriteRegDWORD SHCTX "${KEY}" NoRepair 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2 ; what the folder holds, in KiB
    WriteRegDWORD SHCTX "${KEY}" EstimatedSize $0
SectionEnd

Section Uninstall
    Call un.CloseProgramsFirst
    Delete "$SMPROGRAMS\Velmora.lnk"
    Delete "$SMPROGRAMS\Tarnwick.lnk"
    !include "${REMOVED_FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${KEY}"
SectionEnd
