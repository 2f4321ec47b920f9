; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer. scripts/installer-windows passes VERSIONE, CARTELLA (the gathered
; program), ELENCO (the uninstaller's list of what it removes), ICONA and USCITA (the installer
; to write).
Unicode true
; The default 32-bit stub does not start where only 64-bit Windows programs run.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

Name "VELTRIX ${VERSIONE}"
Caption "Installazione di VELTRIX ${VERSIONE}"
BrandingText "VELTRIX ${VERSIONE}"
OutFile "${USCITA}"
; Installed for the user who runs the installer: a teacher needs no administrator, and the
; working folder is in that user's own Documents.
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\VELTRIX"
InstallDirRegKey HKCU "Software\VELTRIX" "Cartella"

!define LAVORO "$DOCUMENTS\VELTRIX"
!define DISINSTALLA "Software\Microsoft\Windows\CurrentVersion\Uninstall\VELTRIX"

VIProductVersion "${VERSIONE}.0"
VIAddVersionKey /LANG=1040 "ProductName" "VELTRIX"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di VELTRIX"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSIONE}"
VIAddVersionKey /LANG=1040 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${ICONA}"
!define MUI_UNICON "${ICONA}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Avvia VELTRIX"
!define MUI_FINISHPAGE_RUN_FUNCTION Avvia

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${CARTELLA}\LICENZA.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Section "VELTRIX" SezioneProgramma
    SectionIn RO
    SetOutPath "$INSTDIR"
    File /r "${CARTELLA}\*"
    WriteUninstaller "$INSTDIR\Disinstalla VELTRIX.exe"
    WriteRegStr HKCU "Software\VELTRIX" "Cartella" "$INSTDIR"

    ; veltrix.dat and the PDFs made without a printer land in the folder the program starts in:
    ; one the user finds and may write in, not the program's own.
    CreateDirectory "${LAVORO}"
    SetOutPath "${LAVORO}"
    CreateShortcut "$SMPROGRAMS\VELTRIX.lnk" "$INSTDIR\veltrix.exe" "" "$INSTDIR\veltrix.exe" 0 \
        SW_SHOWNORMAL "" "Allenamento al calcolo"

    WriteRegStr HKCU "${DISINSTALLA}" "DisplayName" "VELTRIX"
    WriteRegStr HKCU "${DISINSTALLA}" "DisplayVersion" "${VERSIONE}"
    WriteRegStr HKCU "${DISINSTALLA}" "Publisher" "VELTRIX"
    WriteRegStr HKCU "${DISINSTALLA}" "DisplayIcon" "$INSTDIR\veltrix.exe"
    WriteRegStr HKCU "${DISINSTALLA}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${DISINSTALLA}" "UninstallString" '"$INSTDIR\Disinstalla VELTRIX.exe"'
    WriteRegStr HKCU "${DISINSTALLA}" "QuietUninstallString" '"$INSTDIR\Disinstalla VELTRIX.exe" /S'
    WriteRegDWORD HKCU "${DISINSTALLA}" "NoModify" 1
    WriteRegDWORD HKCU "${DISINSTALLA}" "NoRepair" 1
SectionEnd

Section "Icona sul desktop" SezioneDesktop
    SetOutPath "${LAVORO}"
    CreateShortcut "$DESKTOP\VELTRIX.lnk" "$INSTDIR\veltrix.exe" "" "$INSTDIR\veltrix.exe" 0 \
        SW_SHOWNORMAL "" "Allenamento al calcolo"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SezioneProgramma} \
        "Il programma, con una voce nel menu Start. Le impostazioni e le stampe salvate come PDF vanno nella cartella Documenti\VELTRIX."
    !insertmacro MUI_DESCRIPTION_TEXT ${SezioneDesktop} "Un'icona di VELTRIX sul desktop."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Started from the finish page as from its shortcut: in the working folder.
Function Avvia
    SetOutPath "${LAVORO}"
    Exec '"$INSTDIR\veltrix.exe"'
FunctionEnd

; The working folder stays: it holds the settings and the printouts, which are the user's. Only
; the files the installer put are removed, by name: a folder chosen by mistake, Documents say,
; loses nothing else.
Section "Uninstall"
    Delete "$SMPROGRAMS\VELTRIX.lnk"
    Delete "$DESKTOP\VELTRIX.lnk"
    !include "${ELENCO}"
    Delete "$INSTDIR\Disinstalla VELTRIX.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${DISINSTALLA}"
    DeleteRegKey HKCU "Software\VELTRIX"
SectionEnd
