; The per-user installer of PofuttoErase: the program under the user's local programs folder,
; a Start-menu shortcut to its settings dialog, two entries on folders in Explorer, and the
; entry under the user's installed programs. No administrator rights.
; makensis -INPUTCHARSET UTF8 -DEXE=<PofuttoErase.exe> -DOUTFILE=<setup.exe> -DCOPYRIGHT=<text>
;   -DENTRIES=<FolderEntries.nsh, the entries' captions and keywords> [-DSIGN_SHELL=<bash> -DSIGN_SCRIPT=<scripts/sign_file.sh>]
;   [-DMENU=<PofuttoEraseMenu.dll> -DPACKAGE=<PofuttoErase.msix>] PofuttoErase.nsi
; A signed release hands the context-menu module and the sparse package, signed: on Windows 11
; the package is registered with the installation folder as its external location, so that the
; two entries stand in the first context menu too. Without them it installs the classic entries
; alone, as ever.
; (paths are taken from this folder, where makensis works)
Unicode true
; The program is 64-bit; so is its installer where this NSIS has the 64-bit stubs (Debian's has;
; the official Windows build has only the 32-bit ones, which install the same files and keys for
; the current user).
!if /FileExists "${NSISDIR}\Stubs\lzma_solid-amd64-unicode"
  Target amd64-unicode
!else
  Target x86-unicode
!endif
; Signed: the uninstaller before it is packed, so Windows names its publisher when the program is
; removed too, and the installer once it is written.
!ifdef SIGN_SCRIPT
  !uninstfinalize '"${SIGN_SHELL}" "${SIGN_SCRIPT}" "%1"'
  !finalize '"${SIGN_SHELL}" "${SIGN_SCRIPT}" "%1"'
!endif
!include MUI2.nsh
!include FileFunc.nsh
!include Sections.nsh
!include LogicLib.nsh
!include "${ENTRIES}"

; The version is the one in the program's own version resource.
!getdllversion "${EXE}" VERSION_
!define VERSION "${VERSION_1}.${VERSION_2}.${VERSION_3}.${VERSION_4}"
!define PRODUCT "VARNEL ポフッと削除"
!define PUBLISHER "VARNEL"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\PofuttoErase"
!define SHORTCUT "$SMPROGRAMS\ポフッと削除.lnk"

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION} セットアップ"
UninstallCaption "${PRODUCT} ${VERSION} アンインストール"
BrandingText "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\PofuttoErase"
RequestExecutionLevel user
SetCompressor /SOLID lzma
ShowInstDetails nevershow
ShowUninstDetails nevershow
; The installer holds no file times, so two builds of one commit give the same bytes; installed
; files carry the time of their installation.
SetDateSave off

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT} セットアップ"
VIAddVersionKey /LANG=1041 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} セットアップ"
VIAddVersionKey /LANG=1041 "LegalCopyright" "${COPYRIGHT}"

!define MUI_ICON "..\resources\PofuttoErase.ico"
!define MUI_UNICON "..\resources\PofuttoErase.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\PofuttoErase.exe"
!define MUI_FINISHPAGE_RUN_TEXT "条件の設定を開く"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

; The two entries of folders (root "Directory\shell", argument %1) and of the background of an
; open folder (root "Directory\Background\shell", argument %V).
!macro FolderEntries ROOT ARGUMENT
  WriteRegStr HKCU "Software\Classes\${ROOT}\PofuttoErase" "" "${CLEAN_TITLE}"
  WriteRegStr HKCU "Software\Classes\${ROOT}\PofuttoErase" "Icon" "$INSTDIR\PofuttoErase.exe,0"
  WriteRegStr HKCU "Software\Classes\${ROOT}\PofuttoErase\command" "" '"$INSTDIR\PofuttoErase.exe" ${CLEAN_KEYWORD} "${ARGUMENT}"'
  WriteRegStr HKCU "Software\Classes\${ROOT}\PofuttoEraseSelect" "" "${CHOOSE_TITLE}"
  WriteRegStr HKCU "Software\Classes\${ROOT}\PofuttoEraseSelect" "Icon" "$INSTDIR\PofuttoErase.exe,0"
  WriteRegStr HKCU "Software\Classes\${ROOT}\PofuttoEraseSelect\command" "" '"$INSTDIR\PofuttoErase.exe" ${CHOOSE_KEYWORD} "${ARGUMENT}"'
!macroend

; The sparse package, on Windows 11 (build 22000 and later), whose first context menu shows only
; what a package declares. PowerShell's Appx commands register and remove it for the current user
; without administrator rights; a package of an earlier version goes before the new one comes.
!ifdef PACKAGE
!define PACKAGE_NAME "VARNEL.PofuttoErase"
!macro RemovePackage
  nsExec::Exec 'powershell.exe -NoProfile -NonInteractive -ExecutionPolicy Bypass -Command "Get-AppxPackage -Name ${PACKAGE_NAME} | Remove-AppxPackage"'
  Pop $0
!macroend
!macro AddPackage
  ReadRegStr $0 HKLM "SOFTWARE\Microsoft\Windows NT\CurrentVersion" "CurrentBuildNumber"
  ${If} $0 >= 22000
    !insertmacro RemovePackage
    nsExec::Exec 'powershell.exe -NoProfile -NonInteractive -ExecutionPolicy Bypass -Command "Add-AppxPackage -Path \"$INSTDIR\PofuttoErase.msix\" -ExternalLocation \"$INSTDIR\""'
    Pop $0
  ${EndIf}
!macroend
!endif

!macro RemoveFolderEntries ROOT
  DeleteRegKey HKCU "Software\Classes\${ROOT}\PofuttoErase"
  DeleteRegKey HKCU "Software\Classes\${ROOT}\PofuttoEraseSelect"
!macroend

; Installing over an earlier installation replaces the program and keeps PEConfig.ini, which
; the installer never writes.
Section "-Program"
  SetOutPath "$INSTDIR"
  File "/oname=PofuttoErase.exe" "${EXE}"
  !ifdef PACKAGE
    File "/oname=PofuttoEraseMenu.dll" "${MENU}"
    File "/oname=PofuttoErase.msix" "${PACKAGE}"
    !insertmacro AddPackage
  !endif
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\PofuttoErase.exe" "" "$INSTDIR\PofuttoErase.exe" 0
  !insertmacro FolderEntries "Directory\shell" "%1"
  !insertmacro FolderEntries "Directory\Background\shell" "%V"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\PofuttoErase.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "-un.Program"
  !ifdef PACKAGE
    !insertmacro RemovePackage
    Delete "$INSTDIR\PofuttoEraseMenu.dll"
    Delete "$INSTDIR\PofuttoErase.msix"
  !endif
  Delete "$INSTDIR\PofuttoErase.exe"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "${SHORTCUT}"
  !insertmacro RemoveFolderEntries "Directory\shell"
  !insertmacro RemoveFolderEntries "Directory\Background\shell"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Off unless the user ticks it, or passes /REMOVESETTINGS to a silent uninstall.
Section /o "un.設定ファイル (PEConfig.ini) も削除する" SettingsSection
  Delete "$INSTDIR\PEConfig.ini"
SectionEnd

Section "-un.Folder"
  ; Only when empty: a kept settings file keeps its folder.
  RMDir "$INSTDIR"
SectionEnd

Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SettingsSection}
  ${EndIf}
FunctionEnd
