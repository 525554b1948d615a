#!/usr/bin/env bash
# The files that make Kestrova part of a Linux desktop, checked the way the system
# reads them: the udev rule (udevadm verify where it exists, else a parser that knows
# udev's keys and operators and is itself shown to refuse broken rules), the MIME
# types (each sample file identified through a scratch MIME database), the desktop
# entry and metainfo naming those same types, and completions offering every option
# the programs' --help lists.
#   desktop-test.sh SOURCE_DIR KESTROVA KESTROVA_CLI KESTROVA_SIM
set -uo pipefail
src=$1 gui=$2 cli=$3 sim=$4
scratch=$(mktemp -d "${TMPDIR:-/tmp}/kestrova-desktop.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# --- udev rule ---------------------------------------------------------------------
matchKeys='ACTION|DEVPATH|KERNEL|KERNELS|SUBSYSTEM|SUBSYSTEMS|DRIVER|DRIVERS|ATTR|ATTRS|SYSCTL|ENV|CONST|TAG|TAGS|TEST|PROGRAM|RESULT|NAME|SYMLINK'
assignKeys='NAME|SYMLINK|OWNER|GROUP|MODE|TAG|ENV|ATTR|SYSCTL|RUN|LABEL|GOTO|IMPORT|OPTIONS|SECLABEL'
# Prints what is wrong with a rules file and fails, or succeeds silently.
checkRules() {
    local file=$1 n=0 line rest pair key op found=0
    while IFS= read -r line || [ -n "$line" ]; do
        n=$((n + 1))
        [[ $line =~ ^[[:space:]]*(#.*)?$ ]] && continue
        [[ $line == *\\ ]] && { echo "$file:$n: continued lines are not used here"; return 1; }
        rest=$line
        local -A seen=()
        while [ -n "$rest" ]; do
            if ! [[ $rest =~ ^[[:space:]]*([A-Z_]+(\{[A-Za-z0-9_.*-]+\})?)[[:space:]]*(==|!=|\+=|-=|:=|=)[[:space:]]*\"([^\"]*)\"[[:space:]]*(,|$)(.*)$ ]]; then
                echo "$file:$n: not a list of KEY==\"value\" pairs: $rest"
                return 1
            fi
            pair=${BASH_REMATCH[1]} op=${BASH_REMATCH[3]}
            seen["$pair$op"]=${BASH_REMATCH[4]}
            rest=${BASH_REMATCH[6]}
            [[ ${BASH_REMATCH[5]} == , && -z ${rest//[[:space:]]/} ]] && { echo "$file:$n: a comma ends the line"; return 1; }
            key=${pair%%\{*}
            if [[ $op == == || $op == != ]]; then
                [[ $key =~ ^($matchKeys)$ ]] || { echo "$file:$n: $key cannot be compared"; return 1; }
            else
                [[ $key =~ ^($assignKeys)$ ]] || { echo "$file:$n: $key cannot be assigned"; return 1; }
            fi
        done
        # The oximeter's bridge: its tty, the CP210x vendor, all three product IDs, uaccess.
        local products=${seen['ATTRS{idProduct}==']-} p all=1
        for p in ea60 ea70 ea71; do [[ "|$products|" == *"|$p|"* ]] || all=0; done
        if [[ ${seen['SUBSYSTEM==']-} == tty && ${seen['ATTRS{idVendor}==']-} == 10c4 && $all == 1 &&
            ${seen['TAG+=']-} == uaccess ]]; then
            found=1
        fi
    done <"$file"
    [ "$found" = 1 ] || { echo "$file: no rule tags the CP210x bridge's tty (10c4:ea60/ea70/ea71) with uaccess"; return 1; }
}

rules=$src/packaging/70-kestrova.rules
why=$(checkRules "$rules") || fail "the udev rule: $why"
if command -v udevadm >/dev/null && udevadm verify --help >/dev/null 2>&1; then
    udevadm verify --no-summary "$rules" || fail "udevadm verify refuses $rules"
else
    echo "note: no 'udevadm verify' here; the rule was checked by parsing only"
fi
# Each fault the parser must see, made in a copy of the real rule.
broken=$scratch/broken.rules
while IFS='@' read -r from to; do
    sed "s/$from/$to/" "$rules" >"$broken"
    cmp -s "$rules" "$broken" && { fail "the fault '$from' -> '$to' did not apply to the rule"; continue; }
    checkRules "$broken" >/dev/null && fail "a rule with '$from' changed to '$to' was accepted"
done <<'EOF'
ATTRS{idVendor}=="10c4"@ATTRS{idVendor}="10c4"
TAG+="uaccess"@TAG=="uaccess"
TAG+="uaccess"@TAG+="uacess"
"10c4"@"10c5"
ea70@ea07
|ea71"@"
SUBSYSTEM==@SUBSYTEM==
"tty",@"tty
, TAG+=@\nTAG+=
TAG+="uaccess"@TAG+="uaccess",
EOF

# --- MIME types ----------------------------------------------------------------------
mimeXml=$src/packaging/kestrova-mime.xml
if command -v xmllint >/dev/null; then
    xmllint --noout "$mimeXml" || fail "$mimeXml is not well-formed XML"
fi
declaredTypes=$(grep -o '<mime-type type="[^"]*"' "$mimeXml" | cut -d'"' -f2 | sort)
[ "$(wc -l <<<"$declaredTypes")" = 3 ] || fail "expected three MIME types, found: $declaredTypes"

samples=$scratch/samples
mkdir -p "$samples"
cp "$src/res/samples/ID3.dat" "$samples/night.dat"
(cd "$samples" && "$cli" export night.dat export.csv >/dev/null) || fail "kestrova-cli export to CSV failed"
cp "$samples/export.csv" "$samples/export-without-extension"
printf 'time,spo2\r\n00:00:00,97\r\n' >"$samples/other.csv"
# An EDF header's opening fields: version "0" in eight characters, then patient and recording.
printf '0       %-80s%-80s' 'X X X X' 'Startdate X X X X' >"$samples/night.edf"
cp "$samples/night.edf" "$samples/edf-without-extension"

if command -v update-mime-database >/dev/null; then
    mime=$scratch/share/mime
    mkdir -p "$mime/packages"
    cp "$mimeXml" "$mime/packages/kestrova.xml"
    [ -f /usr/share/mime/packages/freedesktop.org.xml ] && cp /usr/share/mime/packages/freedesktop.org.xml "$mime/packages/"
    out=$(XDG_DATA_DIRS=$scratch/share update-mime-database "$mime" 2>&1) || fail "update-mime-database refuses the package file: $out"
    [ -z "$out" ] || fail "update-mime-database warns: $out"
    for t in $declaredTypes; do
        [ -f "$mime/$t.xml" ] || fail "update-mime-database made no entry for $t"
    done
    if command -v gio >/dev/null && [ -f "$mime/packages/freedesktop.org.xml" ]; then
        while read -r file expected; do
            got=$(XDG_DATA_HOME=$scratch/none XDG_DATA_DIRS=$scratch/share gio info -a standard::content-type \
                "$samples/$file" 2>/dev/null | sed -n 's/^ *standard::content-type: //p')
            [ "$got" = "$expected" ] || fail "$file is identified as '$got', not $expected"
        done <<'EOF'
night.dat application/x-kestrova-data
export.csv text/x-kestrova-csv
export-without-extension text/x-kestrova-csv
other.csv text/csv
night.edf application/x-edf
edf-without-extension application/x-edf
EOF
    else
        echo "note: no gio or system MIME database here; the files were not identified"
    fi
else
    echo "note: no update-mime-database here; the MIME package was checked as XML only"
fi

# --- desktop entry and metainfo ------------------------------------------------------
desktop=$src/packaging/kestrova.desktop
metainfo=$src/packaging/io.github.kestrova.Kestrova.metainfo.xml
if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
fi
entryTypes=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort)
[ "$entryTypes" = "$declaredTypes" ] || fail "the desktop entry's MimeType= ($entryTypes) is not the MIME package's ($declaredTypes)"
grep -Eq '^Exec=.*%[fF]' "$desktop" || fail "the desktop entry's Exec= takes no file"
if command -v appstreamcli >/dev/null; then
    out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
fi
providedTypes=$(grep -o '<mediatype>[^<]*' "$metainfo" | cut -d'>' -f2 | sort)
[ "$providedTypes" = "$declaredTypes" ] || fail "the metainfo provides ($providedTypes), not the MIME package's types"
for b in kestrova kestrova-cli kestrova-sim; do
    grep -q "<binary>$b</binary>" "$metainfo" || fail "the metainfo does not provide $b"
done
grep -q '<url type="homepage">https://' "$metainfo" || fail "the metainfo has no https homepage"
shots=$(grep -o '<image type="source"[^>]*>https://[^<]*' "$metainfo" | wc -l)
[ "$shots" = 2 ] || fail "the metainfo names $shots https screenshots, not two"

# --- completions ---------------------------------------------------------------------
for program in kestrova kestrova-sim kestrova-cli; do
    completion=$src/packaging/$program.bash-completion
    bash -n "$completion" || { fail "$completion is not valid bash"; continue; }
    registered=$(bash -c 'source "$1" && complete -p "$2"' _ "$completion" "$program" 2>&1) ||
        fail "$completion does not register a completion for $program: $registered"
done
optionsOf() { "$1" --help 2>&1 | grep -oE -- '(^|[ ,])--[a-z][a-z0-9-]*' | grep -oE -- '--[a-z0-9-]+' | sort -u; }
for pair in "kestrova:$gui" "kestrova-sim:$sim"; do
    program=${pair%%:*} binary=${pair#*:}
    options=$(QT_QPA_PLATFORM=offscreen optionsOf "$binary")
    [ -n "$options" ] || { fail "$program --help lists no options"; continue; }
    for o in $options; do
        grep -qE -- "(^|[ \"])$o([ \"|)]|$)" "$src/packaging/$program.bash-completion" ||
            fail "the completion for $program does not offer $o"
    done
done

[ "$failures" = 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "the udev rule, MIME types, desktop entry, metainfo and completions agree"
