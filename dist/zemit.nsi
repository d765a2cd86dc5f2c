; The Windows installer of Zemit, in Czech. Installs zemit.exe and help.rtf
; into Program Files\Zemit, a Start-menu shortcut and the entry in the list of
; installed programs; the uninstaller removes exactly these again.
; make_dist.py passes DEFINES: an include file with VERSION, PUBLISHER and
; COPYRIGHT (from zemit.exe's version resource), STAGE (the folder of the files
; to install) and OUTFILE.
; Silent mode: setup.exe /S [/D=folder], uninstall.exe /S.
Unicode true
SetCompressor /SOLID lzma
!include "${DEFINES}"
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zemit"
!define UNINSTALLER "uninstall.exe"

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
!insertmacro MUI_PAGE_DIRECTORY
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
  IfErrors 0 +3
    MessageBox MB_OK|MB_ICONSTOP "Program Zemit je spuštěný. Zavřete ho a spusťte odinstalaci znovu." /SD IDOK
    Abort
  Delete "$SMPROGRAMS\Zemit.lnk"
  Delete "$INSTDIR\help.rtf"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
