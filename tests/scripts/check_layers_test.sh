#!/usr/bin/env bash
# scripts/check-layers on small trees: what passes, what fails and why.
set -uo pipefail
check=$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-layers
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

# expect PASS|FAIL "what" file=line...
expect() {
  local want=$1 what=$2
  shift 2
  rm -rf "$tree/src" "$tree/scripts"
  mkdir -p "$tree/scripts"
  for spec in "$@"; do
    local file=${spec%%=*} text=${spec#*=}
    mkdir -p "$tree/$(dirname "$file")"
    printf '%s\n' "$text" >>"$tree/$file"
  done
  local got=PASS
  "$check" --root "$tree" >"$tree/out" 2>&1 || got=FAIL
  if [ "$got" != "$want" ]; then
    echo "FAILED: $what: expected $want, got $got"
    cat "$tree/out"
    failures=$((failures + 1))
  fi
}

expect PASS "down the layers" 'src/render/a.cpp=#include "solver/b.h"' \
  'src/solver/b.h=#include "model/c.h"' 'src/app/w.cpp=#include <QWidget>'
expect FAIL "model includes render" 'src/model/a.h=#include "render/b.h"'
expect FAIL "doc includes solver" 'src/doc/a.cpp=#include "solver/b.h"'
expect FAIL "solver includes editor" 'src/solver/a.cpp=#include "editor/c.h"'
expect FAIL "Qt outside app" 'src/cli/a.cpp=#include <QString>'
expect FAIL "a folder outside the layers" 'src/misc/a.cpp=int x;'
expect PASS "a listed debt" 'src/model/a.h=#include "doc/b.h"' \
  'scripts/layer-debts.txt=src/model/a.h -> doc/'
expect FAIL "a listed debt that is paid" 'src/model/a.h=#include <string>' \
  'scripts/layer-debts.txt=src/model/a.h -> doc/'

if [ $failures -eq 0 ]; then
  echo "8 passed, 0 failed"
else
  echo "$((8 - failures)) passed, $failures failed"
  exit 1
fi
