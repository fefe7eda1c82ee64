; The Windows installer: the zip's folder installed for the current user, no
; administrator, with a Start menu shortcut, an uninstall entry in Apps &
; features and an uninstaller that removes what the installer made.
;
; packaging/windows/build.sh runs makensis with
;   VERSION   the game's version (CMake's project(), e.g. 1.0.0)
;   STAGE     the folder the zip holds (bin\, Fonts\, Images\, Sounds\, ...)
;   LICENCE   the licence page's text
;   ICON      the game's .ico
;   SIDEBAR   the welcome and finish pages' picture (164x314 BMP)
;   HEADER    the other pages' header picture (150x57 BMP)
;   OUTFILE   the installer to write

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel user

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define NAME "Sunken Finds"
!define EXE "sunken-finds.exe"
!define UNINSTALLER "remove-sunken-finds.exe"
!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\SunkenFinds"
!define PUBLISHER "The Sunken Finds developers"

Name "${NAME}"
OutFile "${OUTFILE}"
BrandingText "${NAME} ${VERSION}"
; The game's name, not NSIS's "Setup", in the title bar.
Caption "Install ${NAME} ${VERSION}"
UninstallCaption "Remove ${NAME}"
; Per user, as Windows keeps such programs; a former install's folder first.
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
InstallDirRegKey HKCU "${KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${NAME} ${VERSION} for Windows"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}. MIT License"

!define MUI_ICON "${ICON}"
!define MUI_ABORTWARNING
; The game's own pictures, made by assets/ui.sh from assets/ui/installer-*.svg.
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SIDEBAR}"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${HEADER}"
!define MUI_WELCOMEPAGE_TITLE "Welcome aboard ${NAME} ${VERSION}"
!define MUI_WELCOMEPAGE_TEXT "This puts ${NAME}, a hidden-object game on a sunken pirate wreck, on this computer for you alone: no administrator is needed.$\r$\n$\r$\nIf the game is running, close it first.$\r$\n$\r$\nClick Next to continue."
!define MUI_FINISHPAGE_TITLE "${NAME} is installed"
!define MUI_FINISHPAGE_TEXT "Start it from the Start menu whenever you like. Good hunting!"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "The game is free software: you need not accept anything to play it."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Play ${NAME} now"
!define MUI_FINISHPAGE_RUN_FUNCTION PlayNow
; The finish page's second box, off unless ticked: a desktop shortcut.
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Put a shortcut on the desktop"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION DesktopShortcut

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The game runs from bin\: it reads ../Fonts, ../Images and ../Sounds. A
; shortcut's working folder and Exec's are $OUTDIR.
!macro SHORTCUT LINK
  SetOutPath "$INSTDIR\bin"
  CreateShortcut "${LINK}" "$INSTDIR\bin\${EXE}" "" "$INSTDIR\bin\${EXE}" 0 SW_SHOWNORMAL "" "A hidden-object game"
!macroend

; Both programs stop before they remove anything while the game runs: Windows
; opens no running program for writing. Retry or Cancel; silent, they stop.
!macro WAIT_FOR_THE_GAME DIR
  ${If} ${FileExists} "${DIR}\bin\${EXE}"
    ${Do}
      ClearErrors
      FileOpen $0 "${DIR}\bin\${EXE}" a
      ${IfNot} ${Errors}
        FileClose $0
        ${Break}
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${NAME} is running from $\"${DIR}$\". Close the game, then choose Retry." /SD IDCANCEL IDRETRY +2
      Abort "${NAME} is running; nothing was changed."
    ${Loop}
  ${EndIf}
!macroend

; What the installer put in the game's folder, and only that: a folder the
; player chose may hold other files. Only where the uninstaller shows an
; install of ours.
!macro REMOVE_GAME DIR
  ${If} ${FileExists} "${DIR}\${UNINSTALLER}"
  RMDir /r "${DIR}\bin"
  RMDir /r "${DIR}\Fonts"
  RMDir /r "${DIR}\Images"
  RMDir /r "${DIR}\Sounds"
  RMDir /r "${DIR}\licenses"
  Delete "${DIR}\README.txt"
  Delete "${DIR}\${UNINSTALLER}"
  RMDir "${DIR}"
  ${EndIf}
!macroend

Section
  ; An install over an earlier one replaces it: its files go first, in its
  ; folder too if the player chose another one now.
  ReadRegStr $1 HKCU "${KEY}" "InstallLocation"
  !insertmacro WAIT_FOR_THE_GAME "$INSTDIR"
  ${If} $1 != ""
  ${AndIf} $1 != $INSTDIR
    !insertmacro WAIT_FOR_THE_GAME "$1"
    !insertmacro REMOVE_GAME "$1"
  ${EndIf}
  !insertmacro REMOVE_GAME "$INSTDIR"

  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  !insertmacro SHORTCUT "$SMPROGRAMS\${NAME}.lnk"
  ${If} ${FileExists} "$DESKTOP\${NAME}.lnk"  ; kept from an earlier install, to the new folder
    !insertmacro SHORTCUT "$DESKTOP\${NAME}.lnk"
  ${EndIf}

  ; Apps & features.
  WriteRegStr HKCU "${KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${KEY}" "DisplayIcon" "$INSTDIR\bin\${EXE},0"
  WriteRegStr HKCU "${KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${KEY}" "NoRepair" 1
  Call GameSize
  WriteRegDWORD HKCU "${KEY}" "EstimatedSize" $2
SectionEnd

; $2: the size of the installed game's own files in KB, rounded up.
!macro ADD_SIZE PATH OPTIONS
  ${GetSize} "${PATH}" "${OPTIONS} /S=0B" $3 $4 $5
  IntOp $2 $2 + $3
!macroend
Function GameSize
  StrCpy $2 1023
  !insertmacro ADD_SIZE "$INSTDIR\bin" ""
  !insertmacro ADD_SIZE "$INSTDIR\Fonts" ""
  !insertmacro ADD_SIZE "$INSTDIR\Images" ""
  !insertmacro ADD_SIZE "$INSTDIR\Sounds" ""
  !insertmacro ADD_SIZE "$INSTDIR\licenses" ""
  !insertmacro ADD_SIZE "$INSTDIR" "/M=README.txt /G=0"
  !insertmacro ADD_SIZE "$INSTDIR" "/M=${UNINSTALLER} /G=0"
  IntOp $2 $2 / 1024
FunctionEnd

Function PlayNow
  SetOutPath "$INSTDIR\bin"
  Exec '"$INSTDIR\bin\${EXE}"'
FunctionEnd

Function DesktopShortcut
  !insertmacro SHORTCUT "$DESKTOP\${NAME}.lnk"
FunctionEnd

Section Uninstall
  !insertmacro WAIT_FOR_THE_GAME "$INSTDIR"
  Delete "$SMPROGRAMS\${NAME}.lnk"
  Delete "$DESKTOP\${NAME}.lnk"
  DeleteRegKey HKCU "${KEY}"
  !insertmacro REMOVE_GAME "$INSTDIR"
SectionEnd
