#!/usr/bin/env bash
# Runs clang-tidy (the checks in .clang-tidy) on the project's own sources, two
# files at a time, and fails on any warning.
#
#   scripts/tidy.sh                  every source file of the default build
#   scripts/tidy.sh --changed [REF]  only the source files changed against the
#                                    merge-base with REF (default: main),
#                                    committed or not
#
# The files are our .cpp files that build/default/compile_commands.json
# compiles (configure the default preset first; scripts/dev does), so files
# that CMake generates (moc, rcc, autogen) are left out. Our headers are
# checked through the sources that include them.
#
# A file found clean is remembered in build/default/tidy-cache under a key made
# of the file, every header of the project, the checks, the compile commands
# and clang-tidy's version; it is checked again only when one of them changes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/default
jobs=2

changed_ref=""
case "${1:-}" in
"") ;;
--changed) changed_ref=${2:-main} ;;
*)
  echo "usage: scripts/tidy.sh [--changed [REF]]" >&2
  exit 2
  ;;
esac

database=$build/compile_commands.json
if [[ ! -f $database ]]; then
  echo "$database is missing: run cmake --preset default" >&2
  exit 2
fi

if [[ -n $changed_ref ]]; then
  base=$(git merge-base "$changed_ref" HEAD)
  mapfile -t candidates < <({
    git diff --name-only --diff-filter=d "$base" -- '*.cpp'
    git ls-files --others --exclude-standard -- '*.cpp'
  } | sort -u)
else
  mapfile -t candidates < <(git ls-files --cached --others --exclude-standard -- '*.cpp' | sort -u)
fi

files=()
for f in "${candidates[@]+"${candidates[@]}"}"; do
  if grep -qF "\"file\": \"$PWD/$f\"" "$database"; then
    files+=("$f")
  fi
done
if ((${#files[@]} == 0)); then
  echo "clang-tidy: no files to check"
  exit 0
fi

# What every file's result depends on besides the file itself.
cache=$build/tidy-cache
mkdir -p "$cache"
common=$({
  clang-tidy --version
  cat .clang-tidy "$database"
  git ls-files --cached --others --exclude-standard -z -- '*.h' | sort -z | xargs -0 -r cat
} | sha256sum | cut -d' ' -f1)

echo "clang-tidy: checking ${#files[@]} files on $jobs cores"
# Each file's report is printed whole once it is done, so two reports never
# interleave; a clean file prints nothing.
status=0
printf '%s\0' "${files[@]}" |
  CACHE=$cache COMMON=$common BUILD=$build xargs -0 -n 1 -P "$jobs" bash -c '
    key=$( { echo "$COMMON"; cat "$1"; } | sha256sum | cut -d" " -f1)
    [[ -e $CACHE/$key ]] && exit 0
    if ! out=$(clang-tidy -p "$BUILD" --quiet "$1" 2>&1); then
      printf "== %s\n%s\n" "$1" "$(grep -v "warnings\? generated\.$" <<<"$out")"
      exit 1
    fi
    touch "$CACHE/$key"' _ || status=$?

if ((status != 0)); then
  echo "clang-tidy: FAILED, findings above" >&2
  exit 1
fi
echo "clang-tidy: ${#files[@]} files clean"
