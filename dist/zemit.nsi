; The Windows installer of Zemit, in Czech. Installs zemit.exe and help.rtf
; into Program Files\Zemit, a Start-menu shortcut and the entry in the list of
; installed programs; the uninstaller removes exactly these again. An upgrade
; replaces them in the installed Zemit's folder.
; make_dist.py passes DEFINES: an include file with VERSION, PUBLISHER and
; COPYRIGHT (from zemit.exe's version resource), STAGE (the folder of the files
; to install) and OUTFILE; SIGN, the signing command, when the packages are
; signed; and TARGET, NSIS's target, for the 64-bit test packages only
; (amd64-unicode; the shipped installer is NSIS's default, 32-bit).
; Silent mode: setup.exe /S [/D=folder], uninstall.exe /S. The exit codes
; below are listed in the README for deployment tools.
Unicode true
SetCompressor /SOLID lzma
!include "${DEFINES}"
!ifdef TARGET
  Target ${TARGET}
!endif
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zemit"
!define UNINSTALLER "uninstall.exe"
; Zemit's own exit codes, beside NSIS's 0 (done), 1 (cancelled) and 2 (aborted).
!define EXIT_RUNNING 3 ; zemit.exe in the target folder is running: nothing changed
!define EXIT_ELSEWHERE 4 ; /D= names another folder than the installed Zemit's

!ifdef SIGN
  !finalize `${SIGN} "%1"` = 0
  !uninstfinalize `${SIGN} --name ${UNINSTALLER} "%1"` = 0
!endif

Name "Zemit"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Zemit"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "Zemit ${VERSION}"

!define MUI_ICON "${STAGE}\zemit.ico"
!define MUI_UNICON "${STAGE}\zemit.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\zemit.exe"
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipDirectoryOnUpgrade
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_PAGE_CUSTOMFUNCTION_PRE WaitUntilClosed
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Czech"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_CZECH} "ProductName" "Zemit"
VIAddVersionKey /LANG=${LANG_CZECH} "FileDescription" "Instalace programu Zemit"
VIAddVersionKey /LANG=${LANG_CZECH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_CZECH} "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=${LANG_CZECH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_CZECH} "ProductVersion" "${VERSION}"

; The folder of an installed Zemit (from its uninstall entry), "" if none.
Var Installed

; An upgrade goes into the installed Zemit's folder, so that there is one
; program, one uninstall entry and one shortcut, and the user's files in the
; folder stay beside it. A /D= naming another folder is refused rather than
; ignored: the installer does not report success for a folder it did not use.
Function .onInit
  ReadRegStr $Installed HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ; An entry whose program is gone is left over: install as new.
  IfFileExists "$Installed\zemit.exe" +2
    StrCpy $Installed ""
  StrCmp $Installed "" checked
  StrCmp $Installed $INSTDIR checked ; case-insensitive, as paths are
    MessageBox MB_OK|MB_ICONSTOP "Zemit je už nainstalovaný ve složce $Installed. Novou verzi lze nainstalovat jen tam; chcete-li ho mít jinde, nejdřív ho odinstalujte." /SD IDOK
    SetErrorLevel ${EXIT_ELSEWHERE}
    Quit
  checked:
  ; Silent installations show no pages: check here, before anything is written.
  IfSilent 0 +2
    Call WaitUntilClosed
FunctionEnd

Function SkipDirectoryOnUpgrade
  StrCmp $Installed "" +2
    Abort
FunctionEnd

; A running program's file cannot be opened for writing (nor replaced). Retry
; checks again; Cancel, and a silent installation, end with nothing changed.
Function WaitUntilClosed
  retry:
  IfFileExists "$INSTDIR\zemit.exe" 0 closed
  ClearErrors
  FileOpen $0 "$INSTDIR\zemit.exe" a
  IfErrors running
  FileClose $0
  Goto closed
  running:
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Program Zemit je spuštěný, a proto ho nelze nahradit novou verzí.$\n$\nZavřete ho a zkuste to znovu. Storno instalaci ukončí a nic nezmění." /SD IDCANCEL IDRETRY retry
  SetErrorLevel ${EXIT_RUNNING}
  Quit
  closed:
FunctionEnd

Section "Zemit" SecProgram
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}\zemit.exe"
  File "${STAGE}\help.rtf"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\Zemit.lnk" "$INSTDIR\zemit.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Zemit"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zemit.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SecProgram} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Only what the installer made: files the user added keep the folder alive.
; The uninstall entry goes last, so that its absence means the work is done.
Section "Uninstall"
  SetShellVarContext all
  ; A running program keeps its file: stop before anything is removed.
  ClearErrors
  Delete "$INSTDIR\zemit.exe"
  IfErrors 0 closed
    MessageBox MB_OK|MB_ICONSTOP "Program Zemit je spuštěný. Zavřete ho a spusťte odinstalaci znovu." /SD IDOK
    SetErrorLevel ${EXIT_RUNNING}
    Abort
  closed:
  Delete "$SMPROGRAMS\Zemit.lnk"
  Delete "$INSTDIR\help.rtf"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
