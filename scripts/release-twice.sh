#!/usr/bin/env bash
# Whether a release builds to the same bytes: runs scripts/release.sh from
# two fresh clones of HEAD, in two folders of different names, one after the
# other, and compares their SHA256SUMS. Where a file differs, it says which
# and compares what that file packs. Each run's time is printed.
#
#   scripts/release-twice.sh   (the clones and logs go when the sums agree;
#                              otherwise they stay in the folder it names)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(mktemp -d "${TMPDIR:-/tmp}/sunken-finds-twice.XXXXXX")
echo "release-twice.sh: clones and logs in $top"
for run in one second-clone; do
  git clone -q "$PWD" "$top/$run"
  start=$(date +%s)
  (cd "$top/$run" && scripts/release.sh) >"$top/$run.log" 2>&1 ||
    { tail -n 20 "$top/$run.log" >&2; echo "release-twice.sh: the run in $top/$run failed" >&2; exit 1; }
  echo "$run: $(($(date +%s) - start)) s"
done
a=$top/one/dist b=$top/second-clone/dist
if cmp -s "$a/SHA256SUMS" "$b/SHA256SUMS"; then
  echo "release-twice.sh: the same SHA256SUMS:"; cat "$a/SHA256SUMS"; rm -rf "$top"; exit 0
fi
diff "$a/SHA256SUMS" "$b/SHA256SUMS" || true
for f in $(diff <(sort "$a/SHA256SUMS") <(sort "$b/SHA256SUMS") | awk '/^[<>]/ {print $3}' | sort -u); do
  case $f in
    *.deb) diff <(dpkg-deb -c "$a/$f" | awk '{print $1, $2, $3, $NF}') <(dpkg-deb -c "$b/$f" | awk '{print $1, $2, $3, $NF}') &&
             echo "$f: the same files, modes and sizes" ;;
    *.zip) diff <(unzip -v "$a/$f" | awk 'NR > 3 {print $1, $7, $8}') <(unzip -v "$b/$f" | awk 'NR > 3 {print $1, $7, $8}') &&
             echo "$f: the same files and CRCs" ;;
    *) echo "$f differs" ;;
  esac
done
exit 1
