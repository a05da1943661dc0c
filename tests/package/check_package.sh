#!/bin/sh
# Builds the Debian package of the build tree into a temporary folder and
# checks what a Debian user gets: the programs, data, menu entry, software
# centre metadata, manual pages and completion inside; dependencies on the Qt 6
# libraries; metadata and menu entry that validate; manual pages that render
# without a warning.
set -eu
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "check_package: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/cpack" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/cpack/velaskin_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no velaskin_*.deb was made"

dpkg-deb --info "$deb" >"$work/info"
for wanted in "Package: velaskin" "libqt6core6" "libqt6gui6" "libqt6widgets6" "Recommends: fonts-liberation"; do
    grep -q "$wanted" "$work/info" || fail "the package's control lacks \"$wanted\""
done

dpkg-deb --contents "$deb" | awk '{print $6}' >"$work/contents"
for wanted in ./usr/bin/velaskin ./usr/bin/velaskin-cli ./usr/libexec/velaskin/velaskin-cli-qt \
              ./usr/share/velaskin/Lng/English.lng ./usr/share/velaskin/Lng/Deutsch.lng \
              ./usr/share/velaskin/Default/Vela/Vela.ski ./usr/share/velaskin/Default/Vela/Vela.dat \
              ./usr/share/applications/velaskin.desktop \
              ./usr/share/icons/hicolor/64x64/apps/velaskin.png \
              ./usr/share/metainfo/org.example.velaskin.metainfo.xml \
              ./usr/share/man/man1/velaskin.1.gz ./usr/share/man/man1/velaskin-cli.1.gz \
              ./usr/share/bash-completion/completions/velaskin-cli \
              ./usr/share/doc/velaskin/copyright; do
    grep -qx "$wanted" "$work/contents" || fail "the package lacks $wanted"
done

dpkg-deb --extract "$deb" "$work/root"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.example.velaskin.metainfo.xml" >"$work/appstream" 2>&1 \
    || { cat "$work/appstream" >&2; fail "the metainfo does not validate"; }
desktop-file-validate "$work/root/usr/share/applications/velaskin.desktop" || fail "the desktop file does not validate"
for page in velaskin velaskin-cli; do
    warnings=$(MANWIDTH=80 man -l "$work/root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man $page warns: $warnings"
    MANWIDTH=80 man -l "$work/root/usr/share/man/man1/$page.1.gz" 2>/dev/null | grep -q "VELASKIN_LOCK_WAIT\|velaskin-cli" \
        || fail "man $page renders nothing of its own"
done

# Completion as bash offers it: the words typed so far, the last one being completed.
completes() {
    bash -c '. /usr/share/bash-completion/bash_completion; . "$1"; shift
             COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
             _velaskin_cli velaskin-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
             printf "%s\n" "${COMPREPLY[@]}"' _ "$work/root/usr/share/bash-completion/completions/velaskin-cli" "$@"
}
completes velaskin-cli re | grep -qx render || fail "completion does not offer render"
completes velaskin-cli picture s | grep -qx set || fail "completion does not offer picture set"
completes velaskin-cli render a.ski out.png --sc | grep -qx -- --scale || fail "completion does not offer --scale"
completes velaskin-cli import --d | grep -qx -- --default || fail "completion does not offer import's --default"

# The manual page names every command the tool's usage names.
MANWIDTH=200 man -l "$work/root/usr/share/man/man1/velaskin-cli.1.gz" 2>/dev/null >"$work/manual"
"$build/src/cli/velaskin-cli" --help | sed -n 's/^  \([a-z]\+\( [a-z]\+\)\?\) .*/\1/p' | while read -r command; do
    grep -q "velaskin-cli \\+$command " "$work/manual" || fail "the manual page lacks $command"
done
echo "check_package: $(basename "$deb") holds everything"
