; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer. scripts/installer-windows passes VERSIONE, CARTELLA (the gathered
; program), ELENCO (the uninstaller's list of what it removes), ICONA and USCITA (the installer
; to write).
;
; Besides NSIS's own /S (no windows) and /D=folder, it takes:
;   /ALLUSERS       for every user of the PC, in Program Files: needs administrator rights
;   /CURRENTUSER    only for whoever runs it, as when neither is given to a silent install
;   /DESKTOP        an icon on the desktop as well, which a silent install otherwise leaves out
;   /OPERAZIONE=n   the lab's operation code (1 to 7), written to %ProgramData%\VELTRIX\veltrix.ini
; Exit codes: 0 done, 1 cancelled, 2 a wrong option, 3 no administrator rights for all users,
; 4 VELTRIX could not be closed or the version already there removed, 5 veltrix.ini not written.
Unicode true
; The default 32-bit stub does not start where only 64-bit Windows programs run.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "nsDialogs.nsh"
!include "Sections.nsh"
!include "WinMessages.nsh"

Name "VELTRIX ${VERSIONE}"
Caption "Installazione di VELTRIX ${VERSIONE}"
BrandingText "VELTRIX ${VERSIONE}"
OutFile "${USCITA}"
; An administrator is asked to confirm, so that the installer may write for every user; anyone
; else runs it as themselves and installs for themselves, as a teacher always could.
RequestExecutionLevel highest
; No InstallDir: $INSTDIR stays empty unless /D names a folder, and the users chosen decide it.

!define LAVORO "$DOCUMENTS\VELTRIX"
!define DISINSTALLA "Software\Microsoft\Windows\CurrentVersion\Uninstall\VELTRIX"
!define DISINSTALLATORE "Disinstalla VELTRIX.exe"

VIProductVersion "${VERSIONE}.0"
VIAddVersionKey /LANG=1040 "ProductName" "VELTRIX"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di VELTRIX"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSIONE}"
VIAddVersionKey /LANG=1040 "LegalCopyright" "GPL-3.0-or-later"

Var Tutti          ; 1: for every user of the PC, 0: for whoever runs the installer
Var CartellaDaRiga ; the folder /D gave, which choosing the users does not change
Var Operazione     ; the lab's operation code /OPERAZIONE gave, or nothing
Var Cartella       ; the folder whose running programs ChiudiVeltrix closes
Var SceltaTutti    ; the two choices of the users' page
Var SceltaSolo

!define MUI_ICON "${ICONA}"
!define MUI_UNICON "${ICONA}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Avvia VELTRIX"
!define MUI_FINISHPAGE_RUN_FUNCTION Avvia

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${CARTELLA}\LICENZA.txt"
Page custom PaginaUtenti LasciaPaginaUtenti
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

; A refusal: said in a window, unless silent, where only the exit code tells.
!macro FALLISCI codice testo
    MessageBox MB_OK|MB_ICONSTOP "${testo}" /SD IDOK
    SetErrorLevel ${codice}
    Quit
!macroend

!define TESTO_AMMINISTRATORE "Per installare o togliere VELTRIX per tutti gli utenti di questo \
computer servono i diritti di amministratore.$\n$\nAvvia il programma con il tasto destro, «Esegui come \
amministratore», oppure installa VELTRIX solo per te."

Section "VELTRIX" SezioneProgramma
    SectionIn RO
    ; In this order, so that a refusal in the first two steps leaves everything as it was.
    Call ChiudiTutto
    Call ScriviOperazione
    Call TogliVersionePrecedente
    SetOutPath "$INSTDIR"
    ClearErrors
    File /r "${CARTELLA}\*"
    WriteUninstaller "$INSTDIR\${DISINSTALLATORE}"
    ${If} ${Errors}
        !insertmacro FALLISCI 4 "Non riesco a scrivere i file di VELTRIX in $INSTDIR."
    ${EndIf}
    WriteRegStr SHCTX "Software\VELTRIX" "Cartella" "$INSTDIR"
    StrCpy $R5 "$SMPROGRAMS\VELTRIX.lnk"
    Call Collegamento

    WriteRegStr SHCTX "${DISINSTALLA}" "DisplayName" "VELTRIX"
    WriteRegStr SHCTX "${DISINSTALLA}" "DisplayVersion" "${VERSIONE}"
    WriteRegStr SHCTX "${DISINSTALLA}" "Publisher" "VELTRIX"
    WriteRegStr SHCTX "${DISINSTALLA}" "DisplayIcon" "$INSTDIR\veltrix.exe"
    WriteRegStr SHCTX "${DISINSTALLA}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${DISINSTALLA}" "UninstallString" '"$INSTDIR\${DISINSTALLATORE}"'
    WriteRegStr SHCTX "${DISINSTALLA}" "QuietUninstallString" '"$INSTDIR\${DISINSTALLATORE}" /S'
    WriteRegDWORD SHCTX "${DISINSTALLA}" "NoModify" 1
    WriteRegDWORD SHCTX "${DISINSTALLA}" "NoRepair" 1
    SectionGetSize ${SezioneProgramma} $0
    WriteRegDWORD SHCTX "${DISINSTALLA}" "EstimatedSize" $0
SectionEnd

Section "Icona sul desktop" SezioneDesktop
    StrCpy $R5 "$DESKTOP\VELTRIX.lnk"
    Call Collegamento
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SezioneProgramma} \
        "Il programma, con una voce nel menu Start. Le impostazioni e le stampe salvate come PDF vanno nella cartella Documenti\VELTRIX di chi lo usa."
    !insertmacro MUI_DESCRIPTION_TEXT ${SezioneDesktop} "Un'icona di VELTRIX sul desktop."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
    StrCpy $CartellaDaRiga $INSTDIR
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/ALLUSERS" $1
    ${IfNot} ${Errors}
        StrCpy $Tutti 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $0 "/CURRENTUSER" $1
    ${IfNot} ${Errors}
        ${If} $Tutti == 1
            !insertmacro FALLISCI 2 \
                "Le opzioni /ALLUSERS e /CURRENTUSER si escludono: scegline una."
        ${EndIf}
        StrCpy $Tutti 0
    ${EndIf}
    ClearErrors
    ${GetOptions} $0 "/OPERAZIONE=" $Operazione
    ${IfNot} ${Errors}
        Call ControllaOperazione
    ${EndIf}
    ClearErrors
    ${GetOptions} $0 "/DESKTOP" $1
    ${If} ${Errors}
    ${AndIf} ${Silent}
        !insertmacro UnselectSection ${SezioneDesktop}
    ${EndIf}

    ${If} $Tutti == ""
        ; Silent, as before: for whoever runs it. On the page, the kind already installed.
        StrCpy $Tutti 0
        ReadRegStr $1 HKLM "${DISINSTALLA}" "InstallLocation"
        ReadRegStr $2 HKCU "${DISINSTALLA}" "InstallLocation"
        ${If} $1 != ""
        ${AndIf} $2 == ""
        ${AndIfNot} ${Silent}
            StrCpy $Tutti 1
        ${EndIf}
    ${ElseIf} $Tutti == 1
        Call Amministratore
        ${If} $0 != "Admin"
            !insertmacro FALLISCI 3 "${TESTO_AMMINISTRATORE}"
        ${EndIf}
    ${EndIf}
    Call ImpostaUtenti
FunctionEnd

; One digit from 1 to 7, nothing around it: anything else would reach every new user's settings.
Function ControllaOperazione
    StrLen $1 $Operazione
    IntOp $2 $Operazione + 0
    ${If} $1 != 1
    ${OrIf} $2 < 1
    ${OrIf} $2 > 7
        !insertmacro FALLISCI 2 "«$Operazione» non è un codice di operazione: /OPERAZIONE= vuole \
un numero da 1 a 7 (1 addizioni, 2 sottrazioni, 3 addizioni e sottrazioni, 4 moltiplicazioni, \
5 divisioni, 6 moltiplicazioni e divisioni, 7 tutte e quattro).$\n$\nNon è stato installato niente."
    ${EndIf}
FunctionEnd

; The shell folders ($SMPROGRAMS, $DESKTOP, $APPDATA) and the registry (SHCTX) of the users chosen.
Function ImpostaContesto
    ${If} $Tutti == 1
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

; The folder of an earlier installation for the same users, or the one /D gave, or the usual one.
Function ImpostaUtenti
    SetShellVarContext current
    StrCpy $1 "$LOCALAPPDATA\Programs\VELTRIX"
    ${If} $Tutti == 1
        StrCpy $1 "$PROGRAMFILES64\VELTRIX"
    ${EndIf}
    Call ImpostaContesto
    ${If} $CartellaDaRiga != ""
        StrCpy $INSTDIR $CartellaDaRiga
    ${Else}
        ReadRegStr $INSTDIR SHCTX "Software\VELTRIX" "Cartella"
        ${If} $INSTDIR == ""
            StrCpy $INSTDIR $1
        ${EndIf}
    ${EndIf}
FunctionEnd

Function PaginaUtenti
    !insertmacro MUI_HEADER_TEXT "Per chi installare VELTRIX" \
        "Scegli se VELTRIX servirà a tutti gli utenti di questo computer o solo a te."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateRadioButton} 0 0 100% 12u "Per tutti gli utenti di questo computer"
    Pop $SceltaTutti
    ${NSD_CreateLabel} 12u 14u -12u 30u "In $PROGRAMFILES64\VELTRIX, con una voce nel menu Start \
di ogni utente. Ognuno lavora nella sua cartella Documenti\VELTRIX, che il programma crea al primo \
avvio. Servono i diritti di amministratore."
    Pop $0
    ${NSD_CreateRadioButton} 0 52u 100% 12u "Solo per me"
    Pop $SceltaSolo
    ${NSD_CreateLabel} 12u 66u -12u 30u "In $LOCALAPPDATA\Programs\VELTRIX, con una voce nel \
menu Start solo per te. Si lavora nella cartella Documenti\VELTRIX, creata ora."
    Pop $0
    ${If} $Tutti == 1
        ${NSD_Check} $SceltaTutti
    ${Else}
        ${NSD_Check} $SceltaSolo
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function LasciaPaginaUtenti
    ${NSD_GetState} $SceltaTutti $0
    ${If} $0 == ${BST_CHECKED}
        Call Amministratore
        ${If} $0 != "Admin"
            MessageBox MB_OK|MB_ICONEXCLAMATION "${TESTO_AMMINISTRATORE}"
            Abort
        ${EndIf}
        StrCpy $Tutti 1
    ${Else}
        StrCpy $Tutti 0
    ${EndIf}
    Call ImpostaUtenti
FunctionEnd

; The shortcut $R5 to the program. For every user it names no folder to start in: none exists yet
; for a user who has never run the program, and a shortcut whose folder is missing does not start
; at all; the program makes that user's Documents\VELTRIX itself.
Function Collegamento
    ${If} $Tutti == 1
        StrCpy $OUTDIR ""
        CreateShortcut "$R5" "$INSTDIR\veltrix.exe" "--documenti" "$INSTDIR\veltrix.exe" 0 \
            SW_SHOWNORMAL "" "Allenamento al calcolo"
    ${Else}
        ; veltrix.dat and the PDFs made without a printer land in the folder the program starts
        ; in: one the user finds and may write in, not the program's own.
        CreateDirectory "${LAVORO}"
        SetOutPath "${LAVORO}"
        CreateShortcut "$R5" "$INSTDIR\veltrix.exe" "" "$INSTDIR\veltrix.exe" 0 \
            SW_SHOWNORMAL "" "Allenamento al calcolo"
    ${EndIf}
FunctionEnd

; Only the key it is given: a [registro] group or anything else in the file stays as it is.
Function ScriviOperazione
    ${If} $Operazione == ""
        Return
    ${EndIf}
    SetShellVarContext all
    CreateDirectory "$APPDATA\VELTRIX"
    ClearErrors
    WriteINIStr "$APPDATA\VELTRIX\veltrix.ini" "General" "operazione" "$Operazione"
    ${If} ${Errors}
        !insertmacro FALLISCI 5 "Non riesco a scrivere il codice di operazione in \
$APPDATA\VELTRIX\veltrix.ini. Non è stato installato niente."
    ${EndIf}
    Call ImpostaContesto
FunctionEnd

; VELTRIX running from the folder of the version already installed for the same users, or from
; the folder chosen now.
Function ChiudiTutto
    ReadRegStr $Cartella SHCTX "${DISINSTALLA}" "InstallLocation"
    ${If} $Cartella != ""
        Call ChiudiVeltrix
    ${EndIf}
    StrCpy $Cartella $INSTDIR
    Call ChiudiVeltrix
FunctionEnd

; The version already installed for the same users goes first, by its own uninstaller, which
; removes only the files that version put there: the settings, the register and the printouts a
; user may have left in its folder stay.
Function TogliVersionePrecedente
    ReadRegStr $R3 SHCTX "${DISINSTALLA}" "InstallLocation"
    ${If} $R3 == ""
    ${OrIfNot} ${FileExists} "$R3\${DISINSTALLATORE}"
        Return
    ${EndIf}
    ; A desktop icon that was there stays through a silent upgrade.
    ${If} ${Silent}
    ${AndIf} ${FileExists} "$DESKTOP\VELTRIX.lnk"
        !insertmacro SelectSection ${SezioneDesktop}
    ${EndIf}
    ClearErrors
    StrCpy $0 ""
    ExecWait '"$R3\${DISINSTALLATORE}" /S _?=$R3' $0
    ${If} ${Errors}
    ${OrIf} $0 != 0
    ${OrIf} ${FileExists} "$R3\veltrix.exe"
        !insertmacro FALLISCI 4 "Non riesco a togliere la versione di VELTRIX già installata in \
$R3: chiudi VELTRIX e riprova."
    ${EndIf}
    ; Run in place, the uninstaller could not delete itself.
    Delete "$R3\${DISINSTALLATORE}"
    RMDir "$R3"
FunctionEnd

; Started from the finish page as from its shortcut.
Function Avvia
    ${If} $Tutti == 1
        Exec '"$INSTDIR\veltrix.exe" --documenti'
    ${Else}
        SetOutPath "${LAVORO}"
        Exec '"$INSTDIR\veltrix.exe"'
    ${EndIf}
FunctionEnd

; What the installer and the uninstaller both need, built once for each.
!macro FUNZIONI_COMUNI un
; "Admin" in $0 when this process may write for every user. Running as an administrator is not
; enough: without the elevation Windows asks for, the group counts only to deny.
Function ${un}Amministratore
    UserInfo::GetAccountType
    Pop $0
FunctionEnd

; For every other process started from a file of $Cartella, in $R1 how many there are and, as $R0
; says, nothing (0), its visible windows asked to close (1) or the process ended (2).
Function ${un}ProgrammiDellaCartella
    Push $0
    Push $1
    Push $2
    Push $3
    Push $4
    Push $5
    Push $6
    StrCpy $R1 0
    System::Call 'kernel32::GetCurrentProcessId() i .r6'
    System::Call 'kernel32::CreateToolhelp32Snapshot(i 2, i 0) p .r0'
    ${If} $0 P<> -1
        ; PROCESSENTRY32W, with the padding of a 64-bit process spelled out.
        System::Call '*(i 568, i 0, i 0, i 0, p 0, i 0, i 0, i 0, i 0, i 0, &w260 "", i 0) p .r1'
        System::Call 'kernel32::Process32FirstW(p r0, p r1) i .r2'
        ${DoWhile} $2 <> 0
            System::Call '*$1(i, i, i .r3)'
            ; QUERY_LIMITED_INFORMATION, SYNCHRONIZE and TERMINATE
            System::Call 'kernel32::OpenProcess(i 0x101001, i 0, i r3) p .r4'
            ${If} $4 P<> 0
            ${AndIf} $3 <> $6
                System::Call 'kernel32::QueryFullProcessImageNameW(p r4, i 0, w .r5, \
                    *i ${NSIS_MAX_STRLEN}) i .r2'
                ${GetParent} $5 $5
                ${If} $2 <> 0
                ${AndIf} $5 == $Cartella
                    IntOp $R1 $R1 + 1
                    ${If} $R0 = 1
                        Call ${un}ChiudiFinestre
                    ${ElseIf} $R0 = 2
                        System::Call 'kernel32::TerminateProcess(p r4, i 1)'
                        System::Call 'kernel32::WaitForSingleObject(p r4, i 5000)'
                    ${EndIf}
                ${EndIf}
            ${EndIf}
            ${If} $4 P<> 0
                System::Call 'kernel32::CloseHandle(p r4)'
            ${EndIf}
            System::Call 'kernel32::Process32NextW(p r0, p r1) i .r2'
        ${Loop}
        System::Free $1
        System::Call 'kernel32::CloseHandle(p r0)'
    ${EndIf}
    Pop $6
    Pop $5
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

; WM_CLOSE to every visible top-level window of process $3, as its close button would send.
Function ${un}ChiudiFinestre
    Push $7
    Push $8
    Push $9
    StrCpy $7 0
    ${Do}
        System::Call 'user32::FindWindowExW(p 0, p r7, p 0, p 0) p .r7'
        ${If} $7 P= 0
            ${Break}
        ${EndIf}
        System::Call 'user32::GetWindowThreadProcessId(p r7, *i .r8)'
        System::Call 'user32::IsWindowVisible(p r7) i .r9'
        ${If} $8 = $3
        ${AndIf} $9 <> 0
            System::Call 'user32::PostMessageW(p r7, i ${WM_CLOSE}, p 0, p 0)'
        ${EndIf}
    ${Loop}
    Pop $9
    Pop $8
    Pop $7
FunctionEnd

; Closes VELTRIX where it runs from $Cartella, asking first unless silent: first as its close
; button would, so that it saves its settings, then, if it is still open after ten seconds (a
; message waiting for an answer, say), for good. Quits with code 4 if it is still running.
Function ${un}ChiudiVeltrix
    StrCpy $R0 0
    Call ${un}ProgrammiDellaCartella
    ${If} $R1 = 0
        Return
    ${EndIf}
    MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION "VELTRIX è aperto su questo computer e va chiuso per \
continuare.$\n$\nSe qualcuno lo sta usando, gli conviene stampare prima gli esercizi. Premi OK per \
chiudere VELTRIX, Annulla per lasciare tutto com'è." /SD IDOK IDOK chiudi
    SetErrorLevel 1
    Quit
chiudi:
    StrCpy $R0 1
    Call ${un}ProgrammiDellaCartella
    ${For} $R2 1 20
        Sleep 500
        StrCpy $R0 0
        Call ${un}ProgrammiDellaCartella
        ${If} $R1 = 0
            Return
        ${EndIf}
    ${Next}
    StrCpy $R0 2
    Call ${un}ProgrammiDellaCartella
    StrCpy $R0 0
    Call ${un}ProgrammiDellaCartella
    ${If} $R1 <> 0
        !insertmacro FALLISCI 4 "VELTRIX è ancora aperto in $Cartella e non si lascia chiudere: \
chiudilo e riprova."
    ${EndIf}
FunctionEnd
!macroend
!insertmacro FUNZIONI_COMUNI ""
!insertmacro FUNZIONI_COMUNI "un."

; 1 in $0 when the folder $0 is the one the uninstaller runs from, else 0. Compared by their
; long names, without regard to case, as Windows compares them: a path written as PROGRA~1 is
; the same folder.
Function un.QuestaCartella
    ${If} $0 == ""
        StrCpy $0 0
        Return
    ${EndIf}
    System::Call 'kernel32::GetLongPathNameW(w r0, w .r1, i ${NSIS_MAX_STRLEN}) i .r3'
    ${If} $3 = 0
        StrCpy $1 $0
    ${EndIf}
    System::Call 'kernel32::GetLongPathNameW(w "$INSTDIR", w .r2, i ${NSIS_MAX_STRLEN}) i .r3'
    ${If} $3 = 0
        StrCpy $2 $INSTDIR
    ${EndIf}
    StrCpy $0 0
    ${If} $1 == $2
        StrCpy $0 1
    ${EndIf}
FunctionEnd

; Installed for every user when the machine's entry names this folder; then only an
; administrator may remove it.
Function un.onInit
    SetShellVarContext current
    ReadRegStr $0 HKLM "${DISINSTALLA}" "InstallLocation"
    Call un.QuestaCartella
    ${If} $0 == 1
        Call un.Amministratore
        ${If} $0 != "Admin"
            !insertmacro FALLISCI 3 "${TESTO_AMMINISTRATORE}"
        ${EndIf}
        SetShellVarContext all
    ${EndIf}
FunctionEnd

; The users' working folders stay: they hold the settings, the register and the printouts, which
; are the users', and so does the lab's %ProgramData%\VELTRIX\veltrix.ini. Only the files the
; installer put are removed, by name: a folder chosen by mistake, Documents say, loses nothing else.
Section "Uninstall"
    StrCpy $Cartella $INSTDIR
    Call un.ChiudiVeltrix
    !include "${ELENCO}"
    Delete "$INSTDIR\${DISINSTALLATORE}"
    RMDir "$INSTDIR"
    ; The entries only if they are this folder's: a copy installed elsewhere for the same users
    ; keeps its own.
    ReadRegStr $0 SHCTX "${DISINSTALLA}" "InstallLocation"
    Call un.QuestaCartella
    ${If} $0 == 1
        Delete "$SMPROGRAMS\VELTRIX.lnk"
        Delete "$DESKTOP\VELTRIX.lnk"
        DeleteRegKey SHCTX "${DISINSTALLA}"
        DeleteRegValue SHCTX "Software\VELTRIX" "Cartella"
        DeleteRegKey /ifempty SHCTX "Software\VELTRIX"
    ${EndIf}
SectionEnd
