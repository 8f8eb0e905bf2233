; The Verlumo installer: installs the game for the current user, in German or English after the
; system's language, and registers an uninstaller that leaves the player's games and settings.
; package.cmake builds it with makensis and passes:
;   VERSION       the project version, "2.3"
;   FILE_VERSION  its four numbers, "2.3.0.0"
;   PACKAGE_DIR   the folder of the shipped files (verlumo.exe, vlmo.dat, vlmo.chm, read-mes)
;   ICON          the game's icon
;   WELCOME_BITMAP  the picture of the welcome and finish pages, 164 x 314, drawn by the art
;                   generator from the game's own art
;   HEADER_BITMAP   the picture in the other pages' header, 150 x 57, likewise
;   OUTFILE       the installer to write
;   SIGN          (only with a code-signing certificate) the command that signs the program file
;                 %1 in place; makensis runs it on the uninstaller and on the finished installer

; A 64-bit installer for a 64-bit game, with the Unicode stubs.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestDPIAware true

; The uninstaller is signed before it goes into the installer, the installer once it is whole;
; a failed signing fails the build.
!ifdef SIGN
  !uninstfinalize '${SIGN}' = 0
  !finalize '${SIGN}' = 0
!endif

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define PRODUCT "Verlumo"
!define PUBLISHER "Zorbel Games"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Verlumo"
!define UNINSTALLER "uninstall.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

; Why per user, in %LOCALAPPDATA%\Programs\Verlumo and not in Program Files: the game writes
; next to itself. Its default game file noname.vlm, the small file it writes to learn whether its
; folder is writable, and the help trace all go into the program folder. Windows gives a 64-bit
; program no file virtualisation, so installed under Program Files the game could not save for a
; normal user. In the player's own folder it can, and installing needs no administrator rights.
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An upgrade goes where the last install went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${FILE_VERSION}"
VIFileVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "© Ralf Verhoeven, ${PUBLISHER}"
VIAddVersionKey /LANG=1031 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1031 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1031 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1031 "FileVersion" "${FILE_VERSION}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "© Ralf Verhoeven, ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME_BITMAP}"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${HEADER_BITMAP}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\verlumo.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(RunText)"
!define MUI_UNCONFIRMPAGE_TEXT_TOP "$(UninstallConfirmText)"
; The stock welcome text asks to close all other programs; the installer looks for a running
; game itself (.onInit), and nothing else is in its way.
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one for systems that speak neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

LangString WelcomeText ${LANG_ENGLISH} "Setup will install $(^NameDA), the tile puzzle with roads, for your user account only, so it needs no administrator rights.$\r$\n$\r$\n$_CLICK"
LangString WelcomeText ${LANG_GERMAN} "Der Assistent installiert $(^NameDA), das Legespiel mit Straßen, nur für Ihr Benutzerkonto und braucht dazu keine Administratorrechte.$\r$\n$\r$\n$_CLICK"
LangString RunText ${LANG_ENGLISH} "Play Verlumo now"
LangString RunText ${LANG_GERMAN} "Verlumo jetzt spielen"
LangString UninstallConfirmText ${LANG_ENGLISH} "$(^NameDA) will be removed from the folder below. Your game files (*.vlm) and your settings are kept. $_CLICK"
LangString UninstallConfirmText ${LANG_GERMAN} "$(^NameDA) wird aus dem unten angegebenen Ordner entfernt. Ihre Spieldateien (*.vlm) und Ihre Einstellungen bleiben erhalten. $_CLICK"
; The names fit the components list in both languages; the descriptions say the rest.
LangString GameSection ${LANG_ENGLISH} "Verlumo"
LangString GameSection ${LANG_GERMAN} "Verlumo"
LangString GameDescription ${LANG_ENGLISH} "The game, its levels and its rules, with a shortcut in the Start menu."
LangString GameDescription ${LANG_GERMAN} "Das Spiel, seine Stufen und seine Spielregeln, mit einer Verknüpfung im Startmenü."
LangString DesktopSection ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopSection ${LANG_GERMAN} "Desktopverknüpfung"
LangString DesktopDescription ${LANG_ENGLISH} "A shortcut to Verlumo on your desktop."
LangString DesktopDescription ${LANG_GERMAN} "Eine Verknüpfung zu Verlumo auf Ihrem Desktop."
LangString GameRunning ${LANG_ENGLISH} "Verlumo is running. Please quit the game first, then start Setup again."
LangString GameRunning ${LANG_GERMAN} "Verlumo läuft gerade. Bitte beenden Sie zuerst das Spiel und starten Sie dann das Setup noch einmal."
LangString GameRunningUninstall ${LANG_ENGLISH} "Verlumo is running. Please quit the game first, then start the uninstall again."
LangString GameRunningUninstall ${LANG_GERMAN} "Verlumo läuft gerade. Bitte beenden Sie zuerst das Spiel und starten Sie dann die Deinstallation noch einmal."

; Files in use cannot be replaced or removed, and the install or uninstall would stop halfway.
; So both refuse, before they change anything, while a game from the install folder runs: a
; main window of the game whose process was started from $INSTDIR\verlumo.exe.
!macro DEFINE_GAME_RUNNING_CHECK prefix
Function ${prefix}IsGameRunning
  Push $R0
  Push $R1
  Push $R2
  Push $R3
  StrCpy $R0 0
  StrCpy $R3 ""
  ${Do}
    FindWindow $R0 "TMainForm" "" 0 $R0
    ${If} $R0 = 0
      ${Break}
    ${EndIf}
    System::Call "user32::GetWindowThreadProcessId(p R0, *i .R1)"
    ; PROCESS_QUERY_LIMITED_INFORMATION
    System::Call "kernel32::OpenProcess(i 0x1000, i 0, i R1) p .R2"
    ${If} $R2 P<> 0
      System::Call "kernel32::QueryFullProcessImageNameW(p R2, i 0, w .R3, *i ${NSIS_MAX_STRLEN})"
      System::Call "kernel32::CloseHandle(p R2)"
      ${If} $R3 == "$INSTDIR\verlumo.exe"
        ${Break}
      ${EndIf}
    ${EndIf}
    StrCpy $R3 ""
  ${Loop}
  ${If} $R3 == ""
    StrCpy $R0 0
  ${Else}
    StrCpy $R0 1
  ${EndIf}
  Pop $R3
  Pop $R2
  Pop $R1
  Exch $R0
FunctionEnd
!macroend
!insertmacro DEFINE_GAME_RUNNING_CHECK ""
!insertmacro DEFINE_GAME_RUNNING_CHECK "un."

Function .onInit
  Call IsGameRunning
  Pop $0
  ${If} $0 = 1
    MessageBox MB_OK|MB_ICONSTOP "$(GameRunning)" /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
FunctionEnd

Function un.onInit
  Call un.IsGameRunning
  Pop $0
  ${If} $0 = 1
    MessageBox MB_OK|MB_ICONSTOP "$(GameRunningUninstall)" /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
FunctionEnd

; Over an older or the same version, the files are replaced; the player's game files (*.vlm)
; are not the installer's and stay untouched.
Section "!$(GameSection)" GameSection
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${PACKAGE_DIR}\verlumo.exe"
  File "${PACKAGE_DIR}\vlmo.dat"
  File "${PACKAGE_DIR}\vlmo.chm"
  File "${PACKAGE_DIR}\LIESMICH.txt"
  File "${PACKAGE_DIR}\README.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\verlumo.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\verlumo.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; In kilobytes, of the program's own files.
  SectionGetSize ${GameSection} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(DesktopSection)" DesktopSection
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\verlumo.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${GameSection} "$(GameDescription)"
  !insertmacro MUI_DESCRIPTION_TEXT ${DesktopSection} "$(DesktopDescription)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Removes exactly what the installer put there, and what the game leaves that is no player's:
; its help trace and its writability test file. The player's game files (*.vlm) stay, and with
; them the folder; so do the game's settings under HKCU\Software\ZorbelGames, which a later
; install picks up again.
Section "Uninstall"
  Delete "$INSTDIR\verlumo.exe"
  Delete "$INSTDIR\vlmo.dat"
  Delete "$INSTDIR\vlmo.chm"
  Delete "$INSTDIR\LIESMICH.txt"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\HHDebug.txt"
  Delete "$INSTDIR\$$_Temp_$$.$$$$$$"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
