#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zindle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# tst_package.sh BUILD SCRATCH VERSION APP_ID HARDENED: builds the Debian package from BUILD with
# cpack, unpacks it into SCRATCH/root and checks the installed files as a desktop and a user
# would. HARDENED is ON where BUILD has Debian's hardening flags, as a release build has.
set -uo pipefail
build=$1 scratch=$2 version=$3 id=$4 hardened=${5:-ON}

missing=()
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli man file \
    update-mime-database; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "SKIP: not installed: ${missing[*]} (scripts/install-deps.sh installs them)"
    exit 77
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() {
    echo "PASS: $*"
}

rm -rf "$scratch"
mkdir -p "$scratch/home/config" "$scratch/home/runtime" "$scratch/out"
chmod 700 "$scratch/home/runtime"
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/config XDG_RUNTIME_DIR=$scratch/home/runtime
export LC_ALL=C.UTF-8 MANWIDTH=80
# The package dates its files itself.
unset SOURCE_DATE_EPOCH

if ! cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
deb=$scratch/out/zindle_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || { ls "$scratch/out"; echo "FAIL: no $deb"; exit 1; }
root=$scratch/root
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x"; exit 1; }
pass "built and unpacked $(basename "$deb")"

# The package's control fields: dependencies computed from the binaries, not typed.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ $depends == *"$library "* ]] || fail "Depends does not name $library"
done
for field in Maintainer Section Description; do
    [[ -n $(dpkg-deb -f "$deb" "$field") ]] || fail "no $field"
done
[[ $(dpkg-deb -f "$deb" Description | wc -l) -gt 1 ]] || fail "no long description"

# Everything lies under /usr, and nothing the build makes for itself (tests, generators) ships.
unexpected=$(cd "$root" && find . -type f | sort | grep -v -E \
    -e "^\./usr/bin/zindle(-check)?$" \
    -e "^\./usr/share/applications/$id\.desktop$" \
    -e "^\./usr/share/metainfo/$id\.metainfo\.xml$" \
    -e "^\./usr/share/icons/hicolor/([0-9]+x[0-9]+/apps/$id\.png|scalable/apps/$id\.svg)$" \
    -e "^\./usr/share/mime/packages/$id\.xml$" \
    -e "^\./usr/share/doc/zindle/(copyright|changelog\.gz)$" \
    -e "^\./usr/share/man/man1/zindle(-check)?\.1\.gz$")
[[ -z $unexpected ]] || fail "unexpected files: $unexpected"

desktop=$root/usr/share/applications/$id.desktop
report=$(desktop-file-validate "$desktop" 2>&1)
if [[ $? -eq 0 ]] && ! grep -q -E "error|warning" <<<"$report"; then
    pass "desktop-file-validate"
    [[ -z $report ]] || echo "$report"
else
    fail "desktop-file-validate: $report"
fi
grep -q -x "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
# A program opened from a file manager reaches the window as its one argument, and the window
# Qt shows reports the class the desktop matches with this entry.
for key in "MimeType=text/x-brainfuck;" "Exec=zindle %f" "StartupWMClass=Zindle"; do
    grep -q -x "$key" "$desktop" || fail "the desktop entry lacks $key"
done

# The file type as a desktop registers it: both patterns, and shown as text where no program
# claims it.
mime=$scratch/share/mime
mkdir -p "$mime/packages"
cp "$root/usr/share/mime/packages/$id.xml" "$mime/packages/"
if XDG_DATA_DIRS=$scratch/share update-mime-database "$mime" 2>"$scratch/mime.err" \
    && [[ ! -s $scratch/mime.err ]]; then
    for pattern in "*.bf" "*.b"; do
        grep -q -F ":text/x-brainfuck:$pattern" "$mime/globs2" || fail "no MIME glob $pattern"
    done
    grep -q -x "text/x-brainfuck text/plain" "$mime/subclasses" \
        || fail "text/x-brainfuck is no kind of text/plain"
    pass "update-mime-database"
else
    fail "update-mime-database: $(cat "$scratch/mime.err")"
fi

metainfo=$root/usr/share/metainfo/$id.metainfo.xml
if report=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
    pass "appstreamcli validate"
else
    fail "appstreamcli validate: $report"
fi
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metadata does not launch $id.desktop"
for element in "<project_license>GPL-3.0-or-later</project_license>" \
               "<mediatype>text/x-brainfuck</mediatype>" "<release version=\"$version\""; do
    grep -q -F "$element" "$metainfo" || fail "the metadata lacks $element"
done

for page in zindle zindle-check; do
    file=$root/usr/share/man/man1/$page.1.gz
    text=$(man --warnings -l "$file" 2>"$scratch/man.err")
    if [[ $? -eq 0 && ! -s $scratch/man.err && $text == *NAME*"$page"* ]]; then
        pass "man -l $page.1"
    else
        fail "man -l $page.1: $(cat "$scratch/man.err")"
    fi
done

for size in 16 22 24 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png
    file -b "$icon" 2>&1 | grep -q "PNG image data, $size x $size" || fail "no $size px icon"
done
file -b "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" | grep -q "SVG" || fail "no SVG icon"

doc=$root/usr/share/doc/zindle
grep -q -x "License: GPL-3.0-or-later" "$doc/copyright" || fail "no licence in the copyright file"
[[ $(zcat "$doc/changelog.gz" | head -n 1) == "zindle ($version) "* ]] \
    || fail "the changelog does not start with $version"

# The installed programs run from the package's files alone, without a display.
list=$("$root/usr/bin/zindle-check" --list 2>&1)
challenges=$(grep -c -E "^ *[0-9]+  " <<<"$list")
[[ $challenges -eq 50 ]] && pass "zindle-check --list lists 50 challenges" \
    || fail "zindle-check --list lists $challenges challenges: $list"
answer=$("$root/usr/bin/zindle-check" --version 2>&1)
[[ $answer == "zindle-check $version" ]] || fail "zindle-check --version: $answer"
# No platform plugin of that name exists: zindle must answer before its application starts.
answer=$(QT_QPA_PLATFORM=none "$root/usr/bin/zindle" --version 2>&1)
[[ $answer == "zindle $version" ]] || fail "zindle --version: $answer"

# Built again from the same files, the package is the same to the byte.
if cpack --config "$build/CPackConfig.cmake" -B "$scratch/again" >"$scratch/cpack.log" 2>&1 \
    && cmp "$deb" "$scratch/again/$(basename "$deb")"; then
    pass "a second build gives the same bytes"
else
    fail "a second build differs"
fi

# Debian's own package checker, where it is installed: no error, no warning. A build with the
# sanitizers in place of the hardening flags is no release, and lintian would say so.
if [[ $hardened != ON ]]; then
    echo "not a hardened build: lintian not run"
elif command -v lintian >/dev/null; then
    lintian -i -E -I --pedantic --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1
    cat "$scratch/lintian.log"
    if grep -q -E "^[EW]: " "$scratch/lintian.log"; then
        fail "lintian reports errors or warnings"
    else
        pass "lintian: no error, no warning"
    fi
else
    echo "lintian is not installed: not run"
fi

if [[ $failures -gt 0 ]]; then
    echo "$failures checks failed"
    exit 1
fi
echo "all checks passed"
