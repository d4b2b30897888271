; The Windows installer of Harbinet: the programs in bin\, the files they copy into a game
; folder (sounds, pictures, the manual) in share\harbinet\, as `cmake --install` lays them out,
; a Start-menu entry and an uninstaller. Built by scripts/build-windows.sh:
;   makensis -DSTAGE=<install folder> -DOUTFILE=<setup.exe> installer.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

!define NAME "Harbinet"
!define VERSION "2.2b"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Harbinet"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "harbinet.ico"
!define MUI_UNICON "harbinet.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\harbinet.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\readme.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Harbinet"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}\readme.txt"
  SetOutPath "$INSTDIR\bin"
  File "${STAGE}\bin\harbinet.exe"
  File "${STAGE}\bin\harbinet-cli.exe"
  SetOutPath "$INSTDIR\share\harbinet"
  File /r "${STAGE}\share\harbinet\*.*"

  CreateDirectory "$SMPROGRAMS\${NAME}"
  CreateShortcut "$SMPROGRAMS\${NAME}\${NAME} ${VERSION}.lnk" "$INSTDIR\bin\harbinet.exe"
  CreateShortcut "$SMPROGRAMS\${NAME}\${NAME} ReadMe.lnk" "$INSTDIR\readme.txt"
  CreateShortcut "$SMPROGRAMS\${NAME}\Uninstall ${NAME}.lnk" "$INSTDIR\uninstall.exe"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\harbinet.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  ; The game folders Harbinet served keep their files: they are the user's.
  Delete "$INSTDIR\bin\harbinet.exe"
  Delete "$INSTDIR\bin\harbinet-cli.exe"
  RMDir "$INSTDIR\bin"
  RMDir /r "$INSTDIR\share\harbinet"
  RMDir "$INSTDIR\share"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${NAME}\*.lnk"
  RMDir "$SMPROGRAMS\${NAME}"
  DeleteRegValue HKLM "Software\Microsoft\Windows\CurrentVersion\Run" "${NAME}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
