#!/bin/bash
# Checks a Windows build's executables as built: Quorvel.exe's resources as
# windres decompiles them (dialog template, icon, version block, manifest), and
# that every exe imports only Windows system DLLs.
#   check_executables.sh TRIPLET WINDOWS_BUILD_DIR
set -u
triplet=$1
build=$2
windres=$(command -v "$triplet-windres")
objdump=$(command -v "$triplet-objdump")
app=$build/Quorvel.exe
if [ -z "$windres" ] || [ -z "$objdump" ] || [ ! -f "$app" ]; then
  echo "FAILED: $triplet-windres, $triplet-objdump or $app missing"
  exit 1
fi

passed=0
failed=0
verdict() {  # verdict OK DESCRIPTION [DETAIL]
  if [ "$1" = 0 ]; then
    passed=$((passed + 1)); echo "ok:   $2"
  else
    failed=$((failed + 1)); echo "FAIL: $2"; [ -n "${3:-}" ] && echo "$3"
  fi
}
contains() {  # contains TEXT LINE
  grep -qxF -- "$2" <<<"$1"
}

rc=$("$windres" -i "$app" -O rc 2>&1)
verdict $? "windres decompiles Quorvel.exe" "$rc"

dialog=$(sed -n '/^102 DIALOGEX/,/^END/p' <<<"$rc")
expected_dialog='102 DIALOGEX 0, 0, 372, 258
STYLE 0x90c000c8
EXSTYLE 0x40000
CAPTION "Quorvel"
FONT 8, "MS Shell Dlg"
BEGIN
  PUSHBUTTON "Input", 1006, 204, 18, 50, 12, 0x50010000
  PUSHBUTTON "Output", 1007, 204, 48, 50, 12, 0x50010000
  COMBOBOX 1002, 18, 78, 168, 80, 0x50210003
  CONTROL "Add /M to mobiles", 1009, "BUTTON", 0x50010023, 204, 96, 73, 10
  DEFPUSHBUTTON "Convert", 1, 306, 18, 50, 12, 0x50010001
  PUSHBUTTON "Exit", 2, 306, 42, 50, 12, 0x50010000
  PUSHBUTTON "Help", 1003, 306, 66, 50, 12, 0x50010000
  PUSHBUTTON "About", 1004, 306, 90, 50, 12, 0x50010000
  COMBOBOX 1000, 18, 18, 168, 12, 0x50010001
  COMBOBOX 1001, 18, 48, 168, 12, 0x50010001
  LISTBOX 1005, 18, 120, 336, 120, 0x50a00101
  LTEXT "State", 1008, 204, 78, 18, 8, 0x50020000
END'
# STYLE: WS_POPUP|WS_VISIBLE|WS_CAPTION|DS_MODALFRAME|DS_SETFONT|DS_FIXEDSYS, no
# WS_SYSMENU; EXSTYLE: WS_EX_APPWINDOW. Controls in Tab order with WS_CHILD|
# WS_VISIBLE and: tab stops on all but the list and label; CBS_DROPDOWNLIST|
# WS_VSCROLL; BS_AUTOCHECKBOX|BS_LEFTTEXT; BS_DEFPUSHBUTTON; CBS_SIMPLE without
# CBS_AUTOHSCROLL; LBS_NOTIFY|LBS_NOINTEGRALHEIGHT|WS_VSCROLL|WS_BORDER; SS_LEFT|WS_GROUP.
[ "$dialog" = "$expected_dialog" ]
verdict $? "dialog 102: styles, caption, font and every control in Tab order" \
  "$(diff <(echo "$expected_dialog") <(echo "$dialog"))"

icons=$(sed -n '/^128 14/,/^END/p' <<<"$rc")
contains "$icons" '   0, 1, 2,	 /* Has 2 elements.  */'
verdict $? "icon 128 holds two images" "$icons"
grep -qF '"\040\040\020\000", 1, 4,' <<<"$icons"
verdict $? "icon 128 has a 32x32 image in 16 colours"
grep -qF '"\020\020\020\000", 1, 4,' <<<"$icons"
verdict $? "icon 128 has a 16x16 image in 16 colours"

version=$(sed -n '/^1 VERSIONINFO/,/^END/p' <<<"$rc")
for line in ' FILEVERSION 5, 0, 0, 1' ' PRODUCTVERSION 5, 0, 0, 1' ' FILEOS 0x4' ' FILETYPE 0x1' \
  '    BLOCK "040904e4"' '      VALUE "FileVersion", "5.0.0.1"' \
  '      VALUE "ProductVersion", "5.0.0.1"' '      VALUE "FileDescription", "Quorvel"' \
  '      VALUE "ProductName", "Quorvel"' '      VALUE "InternalName", "Quorvel.exe"' \
  '      VALUE "OriginalFilename", "Quorvel.exe"' '    VALUE "Translation", 0x409, 1252'; do
  contains "$version" "$line"
  verdict $? "version block: $line" "$version"
done
grep -q '^      VALUE "CompanyName", ".\+"$' <<<"$version"
verdict $? "version block names the company"
grep -q '^      VALUE "LegalCopyright", ".\+"$' <<<"$version"
verdict $? "version block has a legal notice"
! grep -q 'FILEFLAGS ' <<<"$version"
verdict $? "version block sets no file flags" "$version"
[ "$(grep -c '^    BLOCK ' <<<"$version")" = 1 ]
verdict $? "version block has one string table"

manifest=$(sed -n '/^1 24 /,/^END/p' <<<"$rc")
grep -q '<assembly xmlns=""urn:schemas-microsoft-com:asm.v1"" manifestVersion=""1.0""></assembly>' \
  <<<"$manifest"
verdict $? "manifest 1: an empty assembly element of manifestVersion 1.0" "$manifest"
[ "$(grep -c '^1 24 ' <<<"$rc")" = 1 ] && ! grep -qi 'dependency\|trustInfo' <<<"$manifest"
verdict $? "manifest 1 is the only one and asks for nothing"

headers=$("$objdump" -p "$app")
grep -q '^Subsystem[[:space:]]*00000002' <<<"$headers"
verdict $? "Quorvel.exe is a GUI program"

system_dlls='^(kernel32|user32|gdi32|comdlg32|shell32|advapi32|msvcrt)\.dll$'
for exe in "$app" "$build"/cli/*.exe "$build"/tests/*.exe "$build"/tests/wine/*.exe; do
  [ -f "$exe" ] || continue
  dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
  others=$(tr 'A-Z' 'a-z' <<<"$dlls" | grep -vE "$system_dlls")
  [ -n "$dlls" ] && [ -z "$others" ]
  verdict $? "$(basename "$exe") imports only Windows system DLLs" "$dlls"
done

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
