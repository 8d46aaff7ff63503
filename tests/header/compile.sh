#!/usr/bin/env bash
# The public header compiles on its own, warning-free, as C89, C99 and C11
# and as C++11 and C++17, in both text modes, for the host and (where the
# compiler can target it) for 32-bit x86, where its record-layout asserts
# are active. A layout assert that fails must stop the compiler: a header
# whose asserts are compiled out would pass silently.
#   compile.sh CC CXX
set -euo pipefail
cc=${1:-cc}
cxx=${2:-c++}
include=$(cd "$(dirname "$0")/../../include" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '#include <kodownik/kodownik.h>\nint kodownik_header_only;\n' >"$work/h.c"
cp "$work/h.c" "$work/h.cpp"

archs=("")
if echo 'int x;' | "$cc" -m32 -x c -fsyntax-only - 2>/dev/null; then archs+=("-m32"); fi

n=0
for arch in "${archs[@]}"; do
  for mode in "" "-DKODOWNIK_WIDE"; do
    for std in c89 c99 c11; do
      # shellcheck disable=SC2086
      "$cc" -std=$std -pedantic -Wall -Wextra -Werror $arch $mode -I"$include" -fsyntax-only "$work/h.c"
      n=$((n + 1))
    done
    for std in c++11 c++17; do
      # shellcheck disable=SC2086
      "$cxx" -std=$std -pedantic -Wall -Wextra -Werror $arch $mode -I"$include" -fsyntax-only "$work/h.cpp"
      n=$((n + 1))
    done
  done
done

# The asserts are live on 32-bit x86: a record of the wrong size is refused
# in every language mode.
if [ ${#archs[@]} -gt 1 ]; then
  for std in c89 c11 c++11; do
    lang=c; src=$work/bad.c
    case $std in c++*) lang=c++; src=$work/bad.cpp;; esac
    sed 's/KChar count;  /KChar count; int padding;/' "$include/kodownik/kodownik.h" >"$work/kodownik.h"
    grep -q 'int padding;' "$work/kodownik.h"
    printf '#include "kodownik.h"\n' >"$src"
    comp=$cc; [ $lang = c++ ] && comp=$cxx
    if "$comp" -std=$std -m32 -fsyntax-only "$src" 2>/dev/null; then
      echo "header: a wrong _stOpisKodu layout passed the $std asserts"; exit 1
    fi
    n=$((n + 1))
  done
fi
echo "header: $n compilations as expected (${archs[*]:-host})"
