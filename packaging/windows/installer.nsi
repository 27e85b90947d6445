; The installer of Кварделон for Windows, made by build.sh from the staged folder STAGE.
;
; It installs for the current user, with no administrator rights, into
; %LOCALAPPDATA%\Programs\Кварделон; run elevated it offers (or with /ALLUSERS it takes)
; Program Files and the Start menu of every user. /S installs silently; /D=FOLDER, last on
; the command line, chooses another folder.
; A 64-bit installer for 64-bit programs; it runs wherever they can.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Кварделон"
!define PUBLISHER "Тавреллин"
!define MENU_FOLDER "$SMPROGRAMS\Кварделон"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kvardelon"
!define UNINSTALLER "Удалить Кварделон.exe"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1049 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1049 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка игры «Кварделон»"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "© 2026 ${PUBLISHER}, GNU GPL 3 или новее"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Начать игру"
!define MUI_FINISHPAGE_RUN_FUNCTION StartTheGame

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

Var AllUsers

; Sets $AllUsers from the command line: 1 with /ALLUSERS.
!macro AllUsersFromCommandLine
    StrCpy $AllUsers 0
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/ALLUSERS" $R1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
    ${EndIf}
!macroend

Function .onInit
    !insertmacro AllUsersFromCommandLine
    UserInfo::GetAccountType
    Pop $R2
    ${If} $AllUsers == 1
    ${AndIf} $R2 != "Admin"
        MessageBox MB_ICONSTOP "Чтобы установить Кварделон для всех пользователей, запустите установку от имени администратора." /SD IDOK
        SetErrorLevel 740
        Quit
    ${EndIf}
    ${If} $AllUsers == 0
    ${AndIf} $R2 == "Admin"
    ${AndIfNot} ${Silent}
        MessageBox MB_YESNO|MB_ICONQUESTION "Установить Кварделон для всех пользователей этого компьютера?$\n$\n«Нет» — только для вас." IDNO +2
        StrCpy $AllUsers 1
    ${EndIf}
    ${If} $AllUsers == 1
        SetShellVarContext all
        ${If} $INSTDIR == ""
            StrCpy $INSTDIR "$PROGRAMFILES64\Кварделон"
        ${EndIf}
    ${Else}
        SetShellVarContext current
        ${If} $INSTDIR == ""
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Кварделон"
        ${EndIf}
    ${EndIf}
FunctionEnd

; The game reads data\ from its current folder: it starts in the installation folder.
Function StartTheGame
    SetOutPath "$INSTDIR"
    Exec '"$INSTDIR\kvardelon.exe"'
FunctionEnd

Section "Кварделон"
    SetOutPath "$INSTDIR"
    File "${STAGE}\kvardelon.exe"
    File "${STAGE}\kvardelon-editor.exe"
    File "${STAGE}\kvardelon-check.exe"
    File "${STAGE}\ПРОЧТИ.txt"
    File "${STAGE}\ЛИЦЕНЗИЯ.txt"
    File "${STAGE}\ШРИФТ-LIBERATION.txt"
    File "${STAGE}\Кварделон — школьный банк.cmd"
    SetOutPath "$INSTDIR\data"
    File "${STAGE}\data\qw*.txt"
    SetOutPath "$INSTDIR\classroom\data"
    File "${STAGE}\classroom\data\qw*.txt"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ; Each entry starts in the folder whose data\ it plays: its working folder.
    CreateDirectory "${MENU_FOLDER}"
    SetOutPath "$INSTDIR"
    CreateShortCut "${MENU_FOLDER}\Кварделон.lnk" "$INSTDIR\kvardelon.exe" "" "$INSTDIR\kvardelon.exe" 0 \
        SW_SHOWNORMAL "" "Игра-викторина: пятнадцать вопросов до миллиона"
    SetOutPath "$INSTDIR\classroom"
    CreateShortCut "${MENU_FOLDER}\Кварделон — школьный банк.lnk" "$INSTDIR\kvardelon.exe" "" "$INSTDIR\kvardelon.exe" 0 \
        SW_SHOWNORMAL "" "Кварделон с вопросами для учеников 10–12 лет"
    SetOutPath "$INSTDIR"
    CreateShortCut "${MENU_FOLDER}\Редактор вопросов Кварделона.lnk" "$INSTDIR\kvardelon-editor.exe" "" \
        "$INSTDIR\kvardelon-editor.exe" 0 SW_SHOWNORMAL "" "Свой банк вопросов для Кварделона"

    ; Apps & features: for this user (HKCU) or for all (HKLM), as the shell context says.
    ${If} $AllUsers == 1
        StrCpy $R0 " /ALLUSERS"
    ${Else}
        StrCpy $R0 ""
    ${EndIf}
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kvardelon.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"$R0'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S$R0'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $R1 $R2 $R3
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $R1
SectionEnd

Function un.onInit
    !insertmacro AllUsersFromCommandLine
    ${If} $AllUsers == 1
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

; Removes a file of a shipped bank unless it was saved after the installation (its time is
; later than the uninstaller's, which the installation wrote): that one is the author's work.
!macro RemoveBankFileUnlessChanged FILE
    ${If} ${FileExists} "${FILE}"
        GetFileTime "${FILE}" $R1 $R2
        GetFileTime "$INSTDIR\${UNINSTALLER}" $R3 $R4
        ${If} $R1 U< $R3
            Delete "${FILE}"
        ${ElseIf} $R1 == $R3
        ${AndIf} $R2 U<= $R4
            Delete "${FILE}"
        ${EndIf}
    ${EndIf}
!macroend

Section "Uninstall"
    Delete "${MENU_FOLDER}\Кварделон.lnk"
    Delete "${MENU_FOLDER}\Кварделон — школьный банк.lnk"
    Delete "${MENU_FOLDER}\Редактор вопросов Кварделона.lnk"
    RMDir "${MENU_FOLDER}"

    Delete "$INSTDIR\kvardelon.exe"
    Delete "$INSTDIR\kvardelon-editor.exe"
    Delete "$INSTDIR\kvardelon-check.exe"
    Delete "$INSTDIR\ПРОЧТИ.txt"
    Delete "$INSTDIR\ЛИЦЕНЗИЯ.txt"
    Delete "$INSTDIR\ШРИФТ-LIBERATION.txt"
    Delete "$INSTDIR\Кварделон — школьный банк.cmd"
    ; Only the shipped banks' own files, and only as shipped; a folder keeps whatever else
    ; is in it, and so stays.
    StrCpy $R0 1
    ${Do}
        !insertmacro RemoveBankFileUnlessChanged "$INSTDIR\data\qw$R0.txt"
        !insertmacro RemoveBankFileUnlessChanged "$INSTDIR\classroom\data\qw$R0.txt"
        IntOp $R0 $R0 + 1
    ${LoopUntil} $R0 > 15
    RMDir "$INSTDIR\data"
    RMDir "$INSTDIR\classroom\data"
    RMDir "$INSTDIR\classroom"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"

    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
