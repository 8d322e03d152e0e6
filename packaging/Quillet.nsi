; The Korean installer of Quillet, made by scripts/package:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DSOURCE=<the package folder> -DASSETS=<assets/app>
;            -DSIZE_KB=<its size> -DOUTFILE=<QuilletSetup-1.0.0.exe> packaging/Quillet.nsi
; Unquill.exe, installed beside the program, removes it: this installer writes no uninstaller.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; Installed for the user who runs it, where that user can write: the program keeps files beside itself.
RequestExecutionLevel user

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"

!define PRODUCT "Quillet"
!define UNINSTALL_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Quillet"
!define SETTINGS_KEY "Software\Quillet Program\Quillet"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Var OlderFolder

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quillet"
BrandingText "Quillet ${VERSION}"
ShowInstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1042 "ProductName" "Quillet"
VIAddVersionKey /LANG=1042 "FileDescription" "Quillet 설치"
VIAddVersionKey /LANG=1042 "CompanyName" "Quillet Program"
VIAddVersionKey /LANG=1042 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1042 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1042 "LegalCopyright" "Quillet Program"

!define MUI_ICON "${ASSETS}\quillet.ico"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${ASSETS}\installer_header.bmp"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${ASSETS}\installer_welcome.bmp"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "바탕화면 메모와 일정 알림 프로그램 Quillet ${VERSION}을(를) 이 컴퓨터에 설치합니다.$\r$\n$\r$\n실행 중인 Quillet은 설치하기 전에 종료됩니다. 작성한 메모는 그대로 남습니다.$\r$\n$\r$\n계속하려면 [다음]을 누르세요."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Quillet을(를) 설치하였습니다.$\r$\n$\r$\n시작 메뉴의 Quillet 폴더에서도 프로그램을 시작할 수 있습니다."
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quillet.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Quillet 실행하기"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_LANGUAGE "Korean"

; A running Quillet is asked to close as at log-off, and given time to save its memos.
Function CloseQuillet
  FindWindow $0 "" "TARN Memo"
  ${If} $0 == 0
    FindWindow $0 "" "Quillet Program"
  ${EndIf}
  ${If} $0 == 0
    Return
  ${EndIf}
  DetailPrint "Quillet를 종료중입니다"
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=4000
  StrCpy $1 0
  ${Do}
    Sleep 500
    IntOp $1 $1 + 1
    FindWindow $0 "" "TARN Memo"
    ${If} $0 == 0
      FindWindow $0 "" "Quillet Program"
    ${EndIf}
    ${IfThen} $0 == 0 ${|} ${ExitDo} ${|}
  ${LoopUntil} $1 >= 20
  ${If} $0 != 0
    MessageBox MB_OK|MB_ICONEXCLAMATION "Quillet 프로그램을 종료하는데 실패하였습니다$\n프로그램을 종료하신 후에 다시 시도하세요" /SD IDOK
    Abort
  ${EndIf}
FunctionEnd

; $R0 the section, $R1 the value of a path setting: one under the older installation's folder
; names the same place under this one.
Function RebaseSetting
  ReadRegStr $R2 HKCU "${SETTINGS_KEY}\$R0" $R1
  StrLen $R3 $OlderFolder
  StrCpy $R4 $R2 $R3
  StrCpy $R5 $R2 "" $R3
  StrCpy $R6 $R5 1
  ${If} $R2 != ""
  ${AndIf} $R4 == $OlderFolder
  ${AndIf} $R6 == "\"
    WriteRegStr HKCU "${SETTINGS_KEY}\$R0" $R1 "$INSTDIR$R5"
  ${EndIf}
FunctionEnd

!macro RebaseSetting SECTION NAME
  StrCpy $R0 "${SECTION}"
  StrCpy $R1 "${NAME}"
  Call RebaseSetting
!macroend

; A file the user changed in the older installation, or in the user's own folder (where that
; installation kept it when it could not write its folder, so the newer copy): it comes over.
; Never over one this installation has already.
!macro CarryUserFile NAME
  ${IfNot} ${FileExists} "$INSTDIR\${NAME}"
    ${If} ${FileExists} "$APPDATA\Quillet\${NAME}"
      CopyFiles /SILENT "$APPDATA\Quillet\${NAME}" "$INSTDIR\${NAME}"
    ${ElseIf} ${FileExists} "$OlderFolder\${NAME}"
      CopyFiles /SILENT "$OlderFolder\${NAME}" "$INSTDIR\${NAME}"
    ${EndIf}
  ${EndIf}
!macroend

; An installation an older installer made for every user, in another folder: the user's files
; come over, the settings that name its folder follow, and this version's Unquill removes it with
; an administrator's consent, so one installation is left.
Function ReplaceOlderMachineInstallation
  ReadRegStr $OlderFolder HKLM "${UNINSTALL_KEY}" "InstallLocation"
  StrCpy $R0 $OlderFolder "" -1
  ${IfThen} $R0 == "\" ${|} StrCpy $OlderFolder $OlderFolder -1 ${|}
  ${If} $OlderFolder == ""
  ${OrIf} $OlderFolder == $INSTDIR
    Return
  ${EndIf}
  ${IfNot} ${FileExists} "$OlderFolder\Quillet.exe"
    Return
  ${EndIf}
  ${If} ${FileExists} "$OlderFolder\memo_data\*.*"
  ${AndIfNot} ${FileExists} "$INSTDIR\memo_data\*.*"
    CreateDirectory "$INSTDIR\memo_data"
    CopyFiles /SILENT "$OlderFolder\memo_data\*.*" "$INSTDIR\memo_data"
  ${EndIf}
  !insertmacro CarryUserFile "CalendarSkin\DayInfo.dat"
  !insertmacro CarryUserFile "Rauncher00.xml"
  !insertmacro RebaseSetting "General" "MemoDBFolder"
  !insertmacro RebaseSetting "General" "AlarmFile"
  !insertmacro RebaseSetting "Clock" "SkinFile"
  !insertmacro RebaseSetting "Calendar" "SkinFile"
  !insertmacro RebaseSetting "Schedule" "SkinFile"
  !insertmacro RebaseSetting "Rauncher" "SkinFile"
  ReadRegStr $R0 HKCU "${RUN_KEY}" "Quillet Start"
  ${If} $R0 == '"$OlderFolder\Quillet.exe" /logon'
    WriteRegStr HKCU "${RUN_KEY}" "Quillet Start" '"$INSTDIR\Quillet.exe" /logon'
  ${EndIf}
  DetailPrint "이전에 설치된 Quillet을 제거하는 중입니다"
  ExecShellWait "runas" "$INSTDIR\Unquill.exe" '/older "$OlderFolder"' SW_HIDE
  ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R0 != ""
    MessageBox MB_OK|MB_ICONEXCLAMATION "이 컴퓨터의 모든 사용자용으로 설치된 이전 Quillet($OlderFolder)을 제거하지 못하였습니다.$\r$\n메모와 설정은 새로 설치한 Quillet으로 옮겼습니다. 이전 설치를 제거하려면 설치 프로그램을 다시 실행하고 관리자 권한을 허용하세요." /SD IDOK
  ${EndIf}
FunctionEnd

Section "Quillet"
  SetRegView 64
  Call CloseQuillet
  SetOutPath "$INSTDIR"
  File "${SOURCE}\Quillet.exe"
  File "${SOURCE}\Unquill.exe"
  File "${SOURCE}\quillet-data.exe"
  File /r "${SOURCE}\ClockSkin"
  File /r "${SOURCE}\CalendarSkin"
  File /r "${SOURCE}\ScheduleSkin"
  File /r "${SOURCE}\RauncherSkin"
  Call ReplaceOlderMachineInstallation

  SetShellVarContext current
  CreateDirectory "$SMPROGRAMS\Quillet"
  CreateShortcut "$SMPROGRAMS\Quillet\Quillet.lnk" "$INSTDIR\Quillet.exe" "" "$INSTDIR\Quillet.exe" 0
  CreateShortcut "$SMPROGRAMS\Quillet\Quillet 제거.lnk" "$INSTDIR\Unquill.exe" "" "$INSTDIR\Unquill.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quillet"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Quillet Program"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quillet.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Unquill.exe"'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd
