#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The DLLs of the Windows folder: every DLL a program or DLL of it imports is
# either shipped beside the programs or one of the system's (found in the
# Wine prefix's system32, or an API set), and every DLL shipped beside the programs is
# imported by something there (the plugins, which Qt loads by name, aside).
#   dll_check.sh FOLDER
# Needs WINEPREFIX set to a prepared prefix.
set -u
folder=${1:?folder}
source "$(dirname "$0")/../../tests/e2e_lib.sh"
require_tools x86_64-w64-mingw32-objdump
system32=${WINEPREFIX:?}/drive_c/windows/system32

imports_of() {  # FILE
  x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ { print tolower($3) }'
}
lower() { tr '[:upper:]' '[:lower:]'; }

mapfile -t modules < <(cd "$folder" && find . -type f \( -name '*.exe' -o -name '*.dll' \) | sort)
mapfile -t shipped < <(cd "$folder" && ls -- *.dll | lower)
declare -A imported=()
missing=()
for m in "${modules[@]}"; do
  while read -r dll; do
    imported[$dll]=1
    # api-ms-win-* and ext-ms-* name API sets, which the system's loader maps.
    [[ $dll == api-ms-win-* || $dll == ext-ms-* ]] && continue
    if ! printf '%s\n' "${shipped[@]}" | grep -qxF "$dll" &&
      [[ -z $(find "$system32" -maxdepth 1 -iname "$dll" -print -quit) ]]; then
      missing+=("$m needs $dll")
    fi
  done < <(imports_of "$folder/$m")
done
check "every imported DLL is shipped or the system's${missing[*]:+ (missing: ${missing[*]})}" \
  test ${#missing[@]} = 0
unused=()
for dll in "${shipped[@]}"; do [[ -n ${imported[$dll]:-} ]] || unused+=("$dll"); done
check "every shipped DLL is imported${unused[*]:+ (not: ${unused[*]})}" test ${#unused[@]} = 0
echo "DLLs shipped: $(cd "$folder" && find . -name '*.dll' | sed 's|^\./||' | sort | tr '\n' ' ')"
summary
