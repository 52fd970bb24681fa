; The Windows installer: the program for every user of the computer (Program Files, HKLM; needs
; administrator rights) or for the user alone (their own programs folder, HKCU; needs none), its
; Start-menu shortcuts, a desktop shortcut, an uninstaller and the entry in the list of installed
; programs. In Russian, for pupils and their teachers. Built by the `installer` target
; (CMakeLists.txt), which defines IDENTITY (the include that names the product, its program file,
; publisher, homepage, version, entry in the installed programs and what the running program
; holds), PROGRAM (the program file), ICON, LICENSE (the licence as Windows text) and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "${IDENTITY}"
!define LARGE_SHORTCUT "${PRODUCT} — крупно"

; Asks for administrator rights where the user has them, and runs without them otherwise; `/S
; /AllUsers` or `/S /CurrentUser` choose silently. A new version finds the old one's place and
; kind of installation by its entry, and replaces it there.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE \
    "Установить ${PRODUCT} для всех пользователей компьютера может только администратор."

!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include nsDialogs.nsh

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM_FILE}"
Page custom InstallModePage InstallModePageLeave
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "Установка программы ${PRODUCT}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "LegalCopyright" "GPL-3.0-or-later"

; The program's file cannot be replaced or removed while it runs, and closing it for the pupil
; would lose what they typed: they are asked to close it. Silently, the installation stops.
!macro WaitForProgramToClose DOING
    ${Do}
        System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MARK}") p .r0'
        ${IfThen} $0 == 0 ${|} ${Break} ${|}
        System::Call 'kernel32::CloseHandle(p r0)'
        ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Программа ${PRODUCT} сейчас открыта. Закройте её, чтобы ${DOING}, и нажмите «Повтор»." /SD IDCANCEL IDRETRY`
            SetErrorLevel 2
            Quit
        ${EndIf}
    ${Loop}
!macroend

Var AllUsersButton
Var CurrentUserButton

Function .onInit
    SetRegView 64
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function InstallModePage
    !insertmacro MUI_HEADER_TEXT "Для кого установить ${PRODUCT}" \
        "Программу можно поставить всем, кто работает за этим компьютером, или только себе."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateRadioButton} 0 6u 100% 12u "Для всех пользователей компьютера"
    Pop $AllUsersButton
    ${NSD_CreateLabel} 12u 20u -12u 18u \
        "В папку Program Files. Нужны права администратора."
    Pop $0
    ${NSD_CreateRadioButton} 0 48u 100% 12u "Только для меня"
    Pop $CurrentUserButton
    ${NSD_CreateLabel} 12u 62u -12u 18u \
        "В вашу папку программ. Права администратора не нужны — подходит для школьного компьютера."
    Pop $0
    ${If} $MultiUser.Privileges != "Admin"
    ${AndIf} $MultiUser.Privileges != "Power"
        EnableWindow $AllUsersButton 0
        ${NSD_CreateLabel} 0 96u 100% 18u \
            "У вас нет прав администратора, поэтому программа будет установлена только для вас."
        Pop $0
    ${EndIf}
    ${If} $MultiUser.InstallMode == "AllUsers"
        ${NSD_Check} $AllUsersButton
    ${Else}
        ${NSD_Check} $CurrentUserButton
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function InstallModePageLeave
    ${NSD_GetState} $AllUsersButton $0
    ${If} $0 == ${BST_CHECKED}
        Call MultiUser.InstallMode.AllUsers
    ${Else}
        Call MultiUser.InstallMode.CurrentUser
    ${EndIf}
FunctionEnd

Section "-${PRODUCT}"
    !insertmacro WaitForProgramToClose "установка могла продолжиться"
    SetOutPath "$INSTDIR"
    File "${PROGRAM}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM_FILE}" "" \
        "$INSTDIR\${PROGRAM_FILE}" 0
    CreateShortCut "$SMPROGRAMS\${LARGE_SHORTCUT}.lnk" "$INSTDIR\${PROGRAM_FILE}" \
        "--scale fit" "$INSTDIR\${PROGRAM_FILE}" 0
    ; Made again below if still wanted: an upgrade that leaves it out removes the old one.
    Delete "$DESKTOP\${PRODUCT}.lnk"

    ; SHCTX is HKLM for every user and HKCU for the user alone.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM_FILE},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Ярлык на рабочем столе"
    CreateShortCut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM_FILE}" "" \
        "$INSTDIR\${PROGRAM_FILE}" 0
SectionEnd

; The uninstaller removes the installation it came with: the user's own when its folder is the
; one their entry names, the one for every user otherwise.
Function un.onInit
    SetRegView 64
    UserInfo::GetAccountType
    Pop $MultiUser.Privileges
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        Call un.MultiUser.InstallMode.CurrentUser
    ${ElseIf} $MultiUser.Privileges == "Admin"
    ${OrIf} $MultiUser.Privileges == "Power"
        Call un.MultiUser.InstallMode.AllUsers
    ${Else}
        MessageBox MB_OK|MB_ICONSTOP \
            "${PRODUCT} установлен для всех пользователей компьютера: удалить его может только администратор." \
            /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    !insertmacro WaitForProgramToClose "её можно было удалить"
FunctionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$SMPROGRAMS\${LARGE_SHORTCUT}.lnk"
    Delete "$DESKTOP\${PRODUCT}.lnk"
    Delete "$INSTDIR\${PROGRAM_FILE}"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
