; The Windows installer of Mirevo, made from the shipped folder by the build's package
; target (cmake/Packaging.cmake). It installs for the current user without elevation, or
; for every user with /ALLUSERS or the choice on its first page, and registers an
; uninstaller in Add/Remove Programs.
;
; The build defines:
;   VERSION          the program's version
;   DIST             the shipped folder, copied as it is
;   OUTFILE          the installer to write
;   UNINSTALL_LIST   the generated list that removes exactly the files DIST holds
;   ICON             the program's icon
;
; Uninstaller options: /S keeps the user's settings; /REMOVESETTINGS removes them too.

Unicode true
Target amd64-unicode

!include MUI2.nsh
!include nsDialogs.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!macro RequireDefine name
  !ifndef ${name}
    !error "${name} is not defined: the build's package target passes it"
  !endif
!macroend
!insertmacro RequireDefine VERSION
!insertmacro RequireDefine DIST
!insertmacro RequireDefine OUTFILE
!insertmacro RequireDefine UNINSTALL_LIST
!insertmacro RequireDefine ICON

!define PRODUCT "Mirevo"
; The name the program keeps its preferences, autorun value and data folder under.
!define PRODUCT_KEY "Corvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define UNINSTALLER "Uninstall.exe"
; ERROR_ELEVATION_REQUIRED: what a script that asked for /ALLUSERS without rights sees.
!define EXIT_NEEDS_ADMIN 740

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; A per-user install needs no rights; an install for everyone needs an elevated start.
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestDPIAware true
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "${PRODUCT}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "${PRODUCT} setup"
VIAddVersionKey LegalCopyright "The Mirevo authors"

Var AllUsers        ; 1: installed for every user (Program Files, HKLM, the common menu)
Var GivenDir        ; 1: /D= named the folder, which no scope choice overrides
Var RemoveSettings  ; 1: the uninstaller also removes the user's settings
Var ScopeMine
Var ScopeEveryone
Var RemoveSettingsBox

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Mirevo.exe"

Page custom ScopePage ScopePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
UninstPage custom un.SettingsPage un.SettingsPageLeave
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; True when this process may write Program Files and HKLM.
!macro IsAdmin result
  UserInfo::GetAccountType
  Pop ${result}
!macroend

Function ApplyScope
  ${If} $AllUsers == 1
    SetShellVarContext all
    ${IfNot} $GivenDir == 1
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${EndIf}
  ${Else}
    SetShellVarContext current
    ${IfNot} $GivenDir == 1
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
    ${EndIf}
  ${EndIf}
FunctionEnd

Function .onInit
  StrCpy $AllUsers 0
  ${If} $INSTDIR != ""
    StrCpy $GivenDir 1
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/ALLUSERS" $1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
    !insertmacro IsAdmin $1
    ${If} $1 != "Admin"
      MessageBox MB_ICONSTOP "Installing ${PRODUCT} for all users needs administrator rights. Start the installer as administrator, or install it just for yourself." /SD IDOK
      SetErrorLevel ${EXIT_NEEDS_ADMIN}
      Quit
    ${EndIf}
  ${EndIf}
  Call ApplyScope
FunctionEnd

Function ScopePage
  !insertmacro MUI_HEADER_TEXT "Choose who can use ${PRODUCT}" "Install it for yourself only, or for everyone who uses this computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 0 100% 12u "Just for me (no administrator rights needed)"
  Pop $ScopeMine
  ${NSD_CreateRadioButton} 0 20u 100% 12u "For everyone who uses this computer (needs administrator rights)"
  Pop $ScopeEveryone
  ${If} $AllUsers == 1
    ${NSD_Check} $ScopeEveryone
  ${Else}
    ${NSD_Check} $ScopeMine
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ScopePageLeave
  ${NSD_GetState} $ScopeEveryone $0
  ${If} $0 == ${BST_CHECKED}
    !insertmacro IsAdmin $1
    ${If} $1 != "Admin"
      MessageBox MB_ICONEXCLAMATION "Installing for everyone needs administrator rights. Start the installer as administrator, or choose Just for me."
      Abort
    ${EndIf}
    StrCpy $AllUsers 1
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  Call ApplyScope
FunctionEnd

Section "${PRODUCT}"
  SetOutPath "$INSTDIR"
  File /r "${DIST}/*"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\Mirevo.exe" "" "$INSTDIR\Mirevo.exe" 0

  ; SHCTX follows the scope: HKLM for every user, HKCU for one.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Mirevo authors"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Mirevo.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  ; An install for every user registered itself in HKLM with this very folder.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    StrCpy $AllUsers 1
    SetShellVarContext all
    !insertmacro IsAdmin $1
    ${If} $1 != "Admin"
      MessageBox MB_ICONSTOP "${PRODUCT} was installed for all users; removing it needs administrator rights. Start the uninstaller as administrator." /SD IDOK
      SetErrorLevel ${EXIT_NEEDS_ADMIN}
      Quit
    ${EndIf}
  ${Else}
    StrCpy $AllUsers 0
    SetShellVarContext current
  ${EndIf}
  StrCpy $RemoveSettings 0
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    StrCpy $RemoveSettings 1
  ${EndIf}
FunctionEnd

Function un.SettingsPage
  !insertmacro MUI_HEADER_TEXT "Your settings" "Choose whether your ${PRODUCT} settings stay on this computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateCheckbox} 0 0 100% 12u "Also remove my settings (mouse settings and preferences)"
  Pop $RemoveSettingsBox
  ${NSD_CreateLabel} 0 20u 100% 24u "Left unchecked, a later install finds them again. Files you exported are never removed."
  Pop $0
  ${If} $RemoveSettings == 1
    ${NSD_Check} $RemoveSettingsBox
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function un.SettingsPageLeave
  ${NSD_GetState} $RemoveSettingsBox $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $RemoveSettings 1
  ${Else}
    StrCpy $RemoveSettings 0
  ${EndIf}
FunctionEnd

; The settings databases and preferences of the user who uninstalls. The data folder
; itself goes only when nothing else (an exported file) is left in it. The rest of the
; uninstall works in the scope of the install again.
Function un.RemoveUserSettings
  SetShellVarContext current
  RMDir /r "$DOCUMENTS\${PRODUCT_KEY} Files\db"
  RMDir "$DOCUMENTS\${PRODUCT_KEY} Files"
  DeleteRegKey HKCU "Software\${PRODUCT_KEY}"
  ${If} $AllUsers == 1
    SetShellVarContext all
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ; Windows would otherwise try to start a program that is gone at every log-on.
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT_KEY}"
  Delete "${SHORTCUT}"
  ; Only what the installer put there: a folder the user chose may hold other files.
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  ${If} $RemoveSettings == 1
    Call un.RemoveUserSettings
  ${EndIf}
  ; Last, so an uninstall cut short can be run again from Add/Remove Programs.
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
