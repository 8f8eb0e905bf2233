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

; The installer speaks to the player as the game does, with "Du" in German. The stock texts of
; the pages it shows say "Sie" there, so each page is given its texts here, and the English ones
; are the stock texts.
!define MUI_ABORTWARNING_TEXT "$(AbortWarningText)"

!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_HEADER_SUBTEXT "$(ComponentsSubtitle)"
!define MUI_COMPONENTSPAGE_TEXT_TOP "$(ComponentsTop)"
!define MUI_COMPONENTSPAGE_TEXT_COMPLIST "$(ComponentsList)"
!define MUI_COMPONENTSPAGE_TEXT_DESCRIPTION_INFO "$(ComponentsInfo)"
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_HEADER_SUBTEXT "$(DirectorySubtitle)"
!define MUI_DIRECTORYPAGE_TEXT_TOP "$(DirectoryTop)"
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_PAGE_HEADER_SUBTEXT "$(InstallingSubtitle)"
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$(FinishText)"
!insertmacro MUI_PAGE_FINISH
!define MUI_PAGE_HEADER_SUBTEXT "$(UninstallConfirmSubtitle)"
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_PAGE_HEADER_SUBTEXT "$(UninstallingSubtitle)"
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one for systems that speak neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

LangString WelcomeText ${LANG_ENGLISH} "Setup will install $(^NameDA), the tile puzzle with roads, for your user account only, so it needs no administrator rights.$\r$\n$\r$\n$_CLICK"
LangString WelcomeText ${LANG_GERMAN} "Der Assistent installiert $(^NameDA), das Legespiel mit Straßen, nur für Dein Benutzerkonto und braucht dazu keine Administratorrechte.$\r$\n$\r$\nKlicke auf Weiter, um fortzufahren."
LangString RunText ${LANG_ENGLISH} "Play Verlumo now"
LangString RunText ${LANG_GERMAN} "Verlumo jetzt spielen"
LangString UninstallConfirmText ${LANG_ENGLISH} "$(^NameDA) will be removed from the folder below. Your game files (*.vlm) and your settings are kept. $_CLICK"
LangString UninstallConfirmText ${LANG_GERMAN} "$(^NameDA) wird aus dem unten angegebenen Ordner entfernt. Deine Spieldateien (*.vlm) und Deine Einstellungen bleiben erhalten. Klicke auf Deinstallieren, um die Deinstallation zu starten."
; The names fit the components list in both languages; the descriptions say the rest.
LangString GameSection ${LANG_ENGLISH} "Verlumo"
LangString GameSection ${LANG_GERMAN} "Verlumo"
LangString GameDescription ${LANG_ENGLISH} "The game, its levels and its rules, with a shortcut in the Start menu."
LangString GameDescription ${LANG_GERMAN} "Das Spiel, seine Stufen und seine Spielregeln, mit einer Verknüpfung im Startmenü."
LangString DesktopSection ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopSection ${LANG_GERMAN} "Desktopverknüpfung"
LangString DesktopDescription ${LANG_ENGLISH} "A shortcut to Verlumo on your desktop."
LangString DesktopDescription ${LANG_GERMAN} "Eine Verknüpfung zu Verlumo auf Deinem Desktop."
LangString GameRunning ${LANG_ENGLISH} "Verlumo is running. Please quit the game first, then start Setup again."
LangString GameRunning ${LANG_GERMAN} "Verlumo läuft gerade. Bitte beende zuerst das Spiel und starte dann das Setup noch einmal."
LangString GameRunningUninstall ${LANG_ENGLISH} "Verlumo is running. Please quit the game first, then start the uninstall again."
LangString GameRunningUninstall ${LANG_GERMAN} "Verlumo läuft gerade. Bitte beende zuerst das Spiel und starte dann die Deinstallation noch einmal."
; The texts of the stock pages (see above the pages).
LangString ComponentsSubtitle ${LANG_ENGLISH} "Choose which features of $(^NameDA) you want to install."
LangString ComponentsSubtitle ${LANG_GERMAN} "Wähle die Komponenten aus, die Du installieren möchtest."
LangString ComponentsTop ${LANG_ENGLISH} "Check the components you want to install and uncheck the components you don't want to install. $_CLICK"
LangString ComponentsTop ${LANG_GERMAN} "Wähle die Komponenten, die Du installieren willst. Klicke auf Weiter, um fortzufahren."
LangString ComponentsList ${LANG_ENGLISH} "Select components to install:"
LangString ComponentsList ${LANG_GERMAN} "Wähle die zu installierenden Komponenten:"
LangString ComponentsInfo ${LANG_ENGLISH} "Position your mouse over a component to see its description."
LangString ComponentsInfo ${LANG_GERMAN} "Bewege den Mauszeiger über eine Komponente, um ihre Beschreibung zu lesen."
LangString DirectorySubtitle ${LANG_ENGLISH} "Choose the folder in which to install $(^NameDA)."
LangString DirectorySubtitle ${LANG_GERMAN} "Wähle den Ordner aus, in den $(^NameDA) installiert werden soll."
LangString DirectoryTop ${LANG_ENGLISH} "Setup will install $(^NameDA) in the following folder. To install in a different folder, click Browse and select another folder. $_CLICK"
LangString DirectoryTop ${LANG_GERMAN} "$(^NameDA) wird in den unten angegebenen Ordner installiert. Falls Du in einen anderen Ordner installieren möchtest, klicke auf Durchsuchen und wähle einen anderen Ordner aus. Klicke auf Installieren, um die Installation zu starten."
LangString InstallingSubtitle ${LANG_ENGLISH} "Please wait while $(^NameDA) is being installed."
LangString InstallingSubtitle ${LANG_GERMAN} "Bitte warte, während $(^NameDA) installiert wird."
LangString FinishText ${LANG_ENGLISH} "$(^NameDA) has been installed on your computer.$\r$\n$\r$\nClick Finish to close Setup."
LangString FinishText ${LANG_GERMAN} "$(^NameDA) wurde auf Deinem Computer installiert.$\r$\n$\r$\nKlicke auf Fertigstellen, um den Installationsassistenten zu schließen."
LangString AbortWarningText ${LANG_ENGLISH} "Are you sure you want to quit $(^Name) Setup?"
LangString AbortWarningText ${LANG_GERMAN} "Willst Du die Installation von $(^Name) wirklich abbrechen?"
LangString UninstallConfirmSubtitle ${LANG_ENGLISH} "Remove $(^NameDA) from your computer."
LangString UninstallConfirmSubtitle ${LANG_GERMAN} "$(^NameDA) wird von Deinem Computer entfernt."
LangString UninstallingSubtitle ${LANG_ENGLISH} "Please wait while $(^NameDA) is being uninstalled."
LangString UninstallingSubtitle ${LANG_GERMAN} "Bitte warte, während $(^NameDA) entfernt wird."

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
