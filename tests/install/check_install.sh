#!/usr/bin/env bash
# Installs the build into a folder of its own and starts the installed program as a pupil
# with nothing yet (an empty home): the program must find libdigitor and its data under the
# prefix, wherever it is started from, and fill the new working folder from them. Then the
# menu entry and the metainfo go through the desktop's own checkers when they are here.
set -euo pipefail
build="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/prefix"

cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "FAIL: $*" >&2; exit 1; }

for f in bin/mathtuvo bin/mathtuvo-cli share/mathtuvo/data/litq.txt share/mathtuvo/data/progress.txt \
  share/mathtuvo/data/numdll share/doc/mathtuvo/help/index.html \
  share/applications/org.mathtuvo.mathtuvo.desktop share/metainfo/org.mathtuvo.mathtuvo.metainfo.xml \
  share/icons/hicolor/scalable/apps/org.mathtuvo.mathtuvo.svg; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
library="$(find "$prefix" -name 'libdigitor.so.*' -type f)"
[ -n "$library" ] || fail "libdigitor is not installed"
if command -v objdump >/dev/null; then
  objdump -p "$library" | grep -Eq 'SONAME +libdigitor\.so\.[0-9]+$' || fail "libdigitor has no versioned SONAME"
  [ -e "$(dirname "$library")/$(objdump -p "$library" | awk '/SONAME/ {print $2}')" ] || fail "no link named as the SONAME"
fi

# A file only the installed copy has: finding it in the working folder shows the data came
# from the prefix and not from the source tree this program was built from.
echo installed >"$prefix/share/mathtuvo/data/from-prefix.txt"
mkdir -p "$tmp/home"
cd /
env -u MATHTUVO_HOME -u XDG_DATA_HOME HOME="$tmp/home" QT_QPA_PLATFORM=offscreen MATHTUVO_MUTE=1 \
  XDG_RUNTIME_DIR="$tmp" timeout 60 "$prefix/bin/mathtuvo" --quit-when-shown >"$tmp/out.txt" 2>&1 ||
  { cat "$tmp/out.txt" >&2; fail "the installed program did not start and quit"; }
work="$tmp/home/.local/share/mathtuvo"
for f in litq.txt progress.txt numdll from-prefix.txt; do
  [ -e "$work/$f" ] || fail "the new working folder lacks $f"
done
cmp -s "$work/litq.txt" "$prefix/share/mathtuvo/data/litq.txt" || fail "litq.txt differs from the installed one"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.mathtuvo.mathtuvo.desktop"
else
  echo "desktop-file-validate not found (package desktop-file-utils): menu entry not checked"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.mathtuvo.mathtuvo.metainfo.xml" >"$tmp/as.txt" ||
    { cat "$tmp/as.txt" >&2; fail "the metainfo does not validate"; }
else
  echo "appstreamcli not found (package appstream): metainfo not checked"
fi
echo "installed program started from $prefix and filled $work"
