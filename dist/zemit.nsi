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
!define EXIT_RUNNING 3 ; zemit.exe is running or a file cannot be replaced: nothing changed
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
  Push $INSTDIR
  Call FolderIdentity
  Pop $0
  Push $Installed
  Call FolderIdentity
  Pop $1
  StrCmp $0 "" elsewhere ; a folder that does not exist is not the installed one
  StrCmp $0 $1 0 elsewhere ; case-insensitive, as paths are
    StrCpy $INSTDIR $Installed ; the entry keeps the folder's own spelling
    Goto checked
  elsewhere:
    MessageBox MB_OK|MB_ICONSTOP "Zemit je už nainstalovaný ve složce $Installed. Novou verzi lze nainstalovat jen tam; chcete-li ho mít jinde, nejdřív ho odinstalujte." /SD IDOK
    SetErrorLevel ${EXIT_ELSEWHERE}
    Quit
  checked:
  ; Silent installations show no pages: check here, before anything is written.
  IfSilent 0 +2
    Call WaitUntilClosed
FunctionEnd

; A folder as Windows identifies it, whatever form it was given in: its full
; path with every part in its short form and no trailing backslash; "" when
; it does not exist. Compared case-insensitively, two spellings of one folder
; (a trailing backslash, another letter case, 8.3 short names) are equal.
Function FolderIdentity
  Exch $R0
  Push $R1
  GetFullPathName /SHORT $R0 $R0
  StrCpy $R1 $R0 "" -1
  StrCmp $R1 "\" 0 +2
    StrCpy $R0 $R0 -1
  Pop $R1
  Exch $R0
FunctionEnd

Function SkipDirectoryOnUpgrade
  StrCmp $Installed "" +2
    Abort
FunctionEnd

!define RUNNING_TEXT "Program Zemit je spuštěný, a proto ho nelze nahradit novou verzí.$\n$\nZavřete ho a zkuste to znovu. Storno instalaci ukončí a nic nezmění."
; The file in $R9 is held by another program (a reader of the help), or its
; folder denies access.
!define HELD_TEXT "Soubor $R9 je otevřený v jiném programu nebo k němu nemáte přístup, a proto ho nelze nahradit novou verzí.$\n$\nZavřete program, který ho používá, a zkuste to znovu. Storno instalaci ukončí a nic nezmění."

; Jumps to LABEL when FILE exists and cannot be opened for writing (nor
; replaced): a running program, or a reader that shares nothing, holds it.
!macro IfLocked FILE LABEL
  IfFileExists "${FILE}" 0 +5
  ClearErrors
  FileOpen $0 "${FILE}" a
  IfErrors ${LABEL}
  FileClose $0
!macroend

; Every file the installation replaces is checked before any is written, so
; that a locked one leaves the installed Zemit whole. Retry checks again;
; Cancel, and a silent installation, end with nothing changed.
Function WaitUntilClosed
  retry:
  !insertmacro IfLocked "$INSTDIR\zemit.exe" running
  StrCpy $R9 "$INSTDIR\help.rtf"
  !insertmacro IfLocked $R9 held
  StrCpy $R9 "$INSTDIR\${UNINSTALLER}"
  !insertmacro IfLocked $R9 held
  Goto closed
  running:
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${RUNNING_TEXT}" /SD IDCANCEL IDRETRY retry
  Goto cancelled
  held:
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${HELD_TEXT}" /SD IDCANCEL IDRETRY retry
  cancelled:
  SetErrorLevel ${EXIT_RUNNING}
  Quit
  closed:
FunctionEnd

; How many of the installed files, in the order below, have been taken in
; hand: set aside (an old one) and being written or written.
Var Replaced

; Replaces the installed file FILE, the INDEX-th, by running WRITE: the old
; file is first set aside as FILE.old, so that a failure here or later can
; put it back. Jumps to `failed` with the file in $R9 when the old file
; cannot be set aside (a program holds it without letting it be renamed, the
; check above notwithstanding) or the new one cannot be written.
!macro Replace INDEX FILE WRITE
  StrCpy $R9 "${FILE}"
  Delete "${FILE}.old" ; left by an installation that was cut off
  ClearErrors
  IfFileExists "${FILE}" 0 +2
  Rename "${FILE}" "${FILE}.old"
  IfErrors failed
  StrCpy $Replaced ${INDEX}
  ${WRITE}
  IfErrors failed
!macroend

; Undoes Replace for the INDEX-th file if it was taken in hand: the new file
; goes and the old one, if there was one, gets its name back.
!macro PutBack INDEX FILE
  IntCmp $Replaced ${INDEX} 0 +4
  Delete "${FILE}"
  IfFileExists "${FILE}.old" 0 +2
  Rename "${FILE}.old" "${FILE}"
!macroend

Section "Zemit" SecProgram
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  ; A file that cannot be written is skipped without NSIS's own question and
  ; sets the error flag, which Replace reads.
  SetOverwrite try
  retry:
  StrCpy $Replaced 0
  !insertmacro Replace 1 "$INSTDIR\zemit.exe" 'File "${STAGE}\zemit.exe"'
  !insertmacro Replace 2 "$INSTDIR\help.rtf" 'File "${STAGE}\help.rtf"'
  !insertmacro Replace 3 "$INSTDIR\${UNINSTALLER}" 'WriteUninstaller "$INSTDIR\${UNINSTALLER}"'
  Goto written
  ; Any failure puts every old file back, the last first, so that exit code 3
  ; keeps meaning "nothing changed": the installed Zemit is the old one, whole.
  ; Retry starts again; Cancel and a silent installation end here.
  failed:
  !insertmacro PutBack 3 "$INSTDIR\${UNINSTALLER}"
  !insertmacro PutBack 2 "$INSTDIR\help.rtf"
  !insertmacro PutBack 1 "$INSTDIR\zemit.exe"
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${HELD_TEXT}" /SD IDCANCEL IDRETRY retry
  SetErrorLevel ${EXIT_RUNNING}
  Quit
  written:
  Delete "$INSTDIR\zemit.exe.old"
  Delete "$INSTDIR\help.rtf.old"
  Delete "$INSTDIR\${UNINSTALLER}.old"
  SetOverwrite on
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
  ; Old files an upgrade set aside and could not delete (one still in use).
  Delete "$INSTDIR\zemit.exe.old"
  Delete "$INSTDIR\help.rtf.old"
  Delete "$INSTDIR\${UNINSTALLER}.old"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
