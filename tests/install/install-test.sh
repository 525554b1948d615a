#!/usr/bin/env bash
# Installs the build into a scratch prefix and runs the installed programs from
# outside the build tree: kestrova-cli on an installed sample, kestrova --version
# without a display, and neither may touch a file.
set -euo pipefail
build=$1
prefix=$(mktemp -d "${TMPDIR:-/tmp}/kestrova-prefix.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
export HOME="$prefix/home"
mkdir -p "$HOME"
sleep 0.01
touch "$prefix/installed"
unset KESTROVA_HOME DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_DATA_HOME
cd /

info=$("$prefix/bin/kestrova-cli" info "$prefix/share/kestrova/samples/ID3.dat")
grep -qx 'ID: 3' <<<"$info" || { echo "unexpected info output: $info"; exit 1; }
grep -qx 'Samples: 7200' <<<"$info" || { echo "unexpected info output: $info"; exit 1; }
[ "$("$prefix/bin/kestrova-cli" --version)" = "kestrova-cli @PROJECT_VERSION@" ] || { echo "kestrova-cli --version"; exit 1; }

version=$("$prefix/bin/kestrova" --version)
[ "$version" = "kestrova @PROJECT_VERSION@" ] || { echo "kestrova --version printed: $version"; exit 1; }
"$prefix/bin/kestrova" --help | grep -q -- '--use-data-dir' || { echo "kestrova --help lacks --use-data-dir"; exit 1; }

# --help-all is answered like --help, never by starting the program.
"$prefix/bin/kestrova" --help-all | grep -q -- '--use-data-dir' || { echo "kestrova --help-all lacks --use-data-dir"; exit 1; }
simVersion=$("$prefix/bin/kestrova-sim" --version)
[ "$simVersion" = "kestrova-sim @PROJECT_VERSION@" ] || { echo "kestrova-sim --version printed: $simVersion"; exit 1; }

touched=$(find "$prefix" -newer "$prefix/installed" | head -5)
[ -z "$touched" ] || { echo "files were created: $touched"; exit 1; }
for f in share/applications/kestrova.desktop share/icons/hicolor/scalable/apps/kestrova.svg \
         share/metainfo/io.github.kestrova.Kestrova.metainfo.xml share/man/man1/kestrova.1.gz \
         share/man/man1/kestrova-cli.1.gz share/bash-completion/completions/kestrova-cli \
         share/bash-completion/completions/kestrova share/bash-completion/completions/kestrova-sim \
         lib/udev/rules.d/70-kestrova.rules share/mime/packages/kestrova.xml; do
  [ -f "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
# The screenshots the metainfo names, drawn at the size it states (PNG: width and
# height big-endian at byte 16).
for shot in $(grep -o 'screenshots/[a-z]*\.png' "$prefix/share/metainfo/io.github.kestrova.Kestrova.metainfo.xml"); do
  png="$prefix/share/kestrova/$shot"
  [ -f "$png" ] || { echo "the metainfo names $shot, which is not installed"; exit 1; }
  [ "$(od -An -tx1 -N8 "$png" | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "$shot is not a PNG image"; exit 1; }
  size=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}')
  [ "$size" = 1280x800 ] || { echo "$shot is $size, not 1280x800"; exit 1; }
  shots=$((${shots:-0} + 1))
done
[ "${shots:-0}" = 2 ] || { echo "expected two installed screenshots, found ${shots:-0}"; exit 1; }
echo "installed programs work from $prefix"
