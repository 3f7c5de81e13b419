#!/usr/bin/env bash
# Fails when a shipped binary imports a DLL that is not part of Windows, or a function that
# Windows XP SP3 lacks.
#   check-imports.sh OBJDUMP BINARY...
set -u
objdump=$1
shift
# System DLLs, and the control's companion library that ships beside it.
system_dlls='^(dovek14|kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|shlwapi|version|msvcrt|ws2_32|winmm|setupapi|crypt32)\.dll$'
vista_only='^(GetTickCount64|InitializeSRWLock|AcquireSRWLock.*|ReleaseSRWLock.*|TryAcquireSRWLock.*|InitializeConditionVariable|SleepConditionVariable.*|WakeConditionVariable|WakeAllConditionVariable|Fls(Alloc|Free|GetValue|SetValue)|InitOnce.*|CreateSymbolicLink.*|GetFinalPathNameByHandle.*|InitializeCriticalSectionEx|CompareStringEx|LCMapStringEx|GetLocaleInfoEx|CreateEventEx.*|CreateMutexEx.*|CreateSemaphoreEx.*|SetFileInformationByHandle|GetFileInformationByHandleEx|QueryFullProcessImageName.*|GetErrorMode|RegGetValue[AW]|RegDeleteTree[AW]|GetSystemTimePreciseAsFileTime|K32.*)$'
status=0
[ $# -gt 0 ] || { echo "no binaries given"; exit 1; }
for bin in "$@"; do
  [ -f "$bin" ] || { echo "missing: $bin"; status=1; continue; }
  dump=$("$objdump" -p "$bin") || { echo "unreadable: $bin"; status=1; continue; }
  dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
  funcs=$(awk '/^[ \t]*DLL Name:/ {in_dll=1; next} in_dll && NF>=3 && $1 ~ /^[0-9a-f]+$/ {print $3}' <<<"$dump")
  echo "$(basename "$bin"): $(tr '\n' ' ' <<<"$dlls")"
  while read -r dll; do
    [ -z "$dll" ] && continue
    if ! tr 'A-Z' 'a-z' <<<"$dll" | grep -Eq "$system_dlls"; then
      echo "  not a system DLL: $dll"
      status=1
    fi
  done <<<"$dlls"
  bad=$(grep -E "$vista_only" <<<"$funcs" | sort -u)
  if [ -n "$bad" ]; then
    echo "  newer than Windows XP: $(tr '\n' ' ' <<<"$bad")"
    status=1
  fi
done
exit $status
