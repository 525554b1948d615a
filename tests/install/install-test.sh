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

touched=$(find "$prefix" -newer "$prefix/installed" | head -5)
[ -z "$touched" ] || { echo "files were created: $touched"; exit 1; }
for f in share/applications/kestrova.desktop share/icons/hicolor/scalable/apps/kestrova.svg \
         share/metainfo/io.github.kestrova.Kestrova.metainfo.xml share/man/man1/kestrova.1.gz \
         share/man/man1/kestrova-cli.1.gz share/bash-completion/completions/kestrova-cli; do
  [ -f "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
echo "installed programs work from $prefix"
