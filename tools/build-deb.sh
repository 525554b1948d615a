#!/usr/bin/env bash
# Builds the Debian package (release build, cpack -G DEB) into build-deb/, checks it
# with lintian (no errors allowed) and lists what it holds. Prints the .deb's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/install-deps.sh
KESTROVA_PACKAGES+=(dpkg-dev lintian appstream desktop-file-utils file)
kestrova_install_deps

cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTROVA_BUILD_TESTS=OFF -DKESTROVA_BUILD_BENCH=OFF >/dev/null
cmake --build build-deb
(cd build-deb && cpack -G DEB >/dev/null)
deb=$(ls -t build-deb/kestrova_*.deb | head -n 1)

desktop-file-validate packaging/kestrova.desktop
appstreamcli validate --no-net packaging/io.github.kestrova.Kestrova.metainfo.xml
# lintian refuses to run as root unless told; errors (E:) fail the build, and so does
# any hardening tag (-I shows them): fortify, stack protector and BIND_NOW are required.
lintian --allow-root -I --tag-display-limit 0 "$deb" | tee build-deb/lintian.txt
# (Spelled with if: set -e does not stop at a failing "! command".)
if grep -q '^E:' build-deb/lintian.txt; then echo "lintian reports errors" >&2; exit 1; fi
if grep -q 'hardening-' build-deb/lintian.txt; then echo "lintian reports missing hardening" >&2; exit 1; fi
# The maintainer scripts that reload the udev rule travel in the package.
dpkg-deb -I "$deb" postinst | grep -q 'udevadm control --reload-rules' || { echo "no postinst reloading udev rules" >&2; exit 1; }
dpkg-deb -I "$deb" postrm | grep -q 'udevadm control --reload-rules' || { echo "no postrm reloading udev rules" >&2; exit 1; }

dpkg-deb -c "$deb" | awk '{print $6}' > build-deb/contents.txt
for f in ./usr/bin/kestrova ./usr/bin/kestrova-cli ./usr/bin/kestrova-sim \
         ./usr/share/applications/kestrova.desktop ./usr/share/icons/hicolor/scalable/apps/kestrova.svg \
         ./usr/share/metainfo/io.github.kestrova.Kestrova.metainfo.xml \
         ./usr/share/man/man1/kestrova.1.gz ./usr/share/man/man1/kestrova-cli.1.gz \
         ./usr/lib/udev/rules.d/70-kestrova.rules ./usr/share/mime/packages/kestrova.xml \
         ./usr/share/bash-completion/completions/kestrova ./usr/share/bash-completion/completions/kestrova-sim \
         ./usr/share/kestrova/screenshots/trend.png ./usr/share/kestrova/screenshots/analysis.png; do
  grep -qx -- "$f" build-deb/contents.txt || { echo "missing from the package: $f" >&2; exit 1; }
done
echo "$deb"
