#!/usr/bin/env bash
# Refreshes translations/kestrova_*.ts from the sources: texts in tr(), translate(),
# QT_TRANSLATE_NOOP and ktr() (the core's lookup), and the string table res/strings.txt
# (context "Strings"). New texts arrive unfinished; texts gone from the sources are
# dropped. Then a translator fills in the unfinished entries (Qt Linguist or an editor).
#   tools/update-translations.sh [OUTPUT_DIR [LANGUAGE...]]
# (default: translations/ itself, every language)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-translations}
shift || true
languages=${*:-en de fr es}
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The string table as calls the tool reads: one QT_TRANSLATE_NOOP per entry.
awk -F'\t' '/^#/ || NF < 2 { next } {
  text = substr($0, index($0, "\t") + 1)
  gsub(/\\/, "\\\\", text); gsub(/"/, "\\\"", text); sub(/\r$/, "", text)
  printf "QT_TRANSLATE_NOOP(\"Strings\", \"%s\");\n", text
}' res/strings.txt > "$scratch/StringTable.cpp"
for lang in $languages; do
  [ "$out" = translations ] || cp "translations/kestrova_$lang.ts" "$out/" 2>/dev/null || true
  "$lupdate" -silent -locations none -no-obsolete -tr-function-alias translate+=ktr \
    -extensions cpp,h src "$scratch/StringTable.cpp" -target-language "$lang" -ts "$out/kestrova_$lang.ts"
done
