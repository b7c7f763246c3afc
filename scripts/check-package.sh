#!/usr/bin/env bash
# Checks a Quintara Debian package as a distribution would (lintian, appstreamcli, desktop-file-validate),
# then unpacks it into a temporary root and starts it as a user with a fresh home: the first start must
# copy only the histories into the per-user folder, read the program's own files from share/quintara,
# and keep a history file that was changed in between; the manual pages and completions must work.
# Usage: scripts/check-package.sh build/release/quintara_*.deb
set -euo pipefail
deb=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "check-package: $*" >&2
    exit 1
}

echo "package $(basename "$deb") depends on: $(dpkg-deb -f "$deb" Depends)"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *qt6-qpa-plugins* ]] || fail "the Qt 6 run-time libraries are not in Depends"
[[ $depends != *-dev* ]] || fail "Depends names a build package"

echo "== lintian, appstreamcli, desktop-file-validate"
# Every error and warning fails; an override in the package must say why it is there.
lintian --pedantic --no-tag-display-limit "$deb" | tee "$work/lintian.txt"
if grep -E '^[EW]: ' "$work/lintian.txt"; then
    fail "lintian reports errors or warnings"
fi
dpkg-deb -x "$deb" "$work/root"
root=$work/root
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$root/usr/share/applications/quintara.desktop"

bin=$root/usr/bin
share=$root/usr/share/quintara
for f in "$bin/quintara" "$bin/quintara-cli" "$share/LottoHistory.dat" "$share/Lotto59History.dat" \
    "$share/Thunderball39History.dat" \
    "$root/usr/share/applications/quintara.desktop" \
    "$root/usr/share/icons/hicolor/scalable/apps/quintara.svg" \
    "$root/usr/share/icons/hicolor/48x48/apps/quintara.png" \
    "$root/usr/share/mime/packages/quintara.xml" \
    "$root/usr/share/doc/quintara/copyright" "$root/usr/share/doc/quintara/changelog.gz" \
    "$root/usr/share/man/man1/quintara.1.gz" "$root/usr/share/man/man1/quintara-cli.1.gz" \
    "$root/usr/share/bash-completion/completions/quintara-cli" \
    "$root/usr/share/zsh/vendor-completions/_quintara-cli" \
    "$root/usr/share/fish/vendor_completions.d/quintara-cli.fish"; do
    [[ -f $f ]] || fail "the package lacks ${f#"$root"}"
done

echo "== manual pages, completions, help without a display"
MANPATH=$root/usr/share/man MANWIDTH=80 man quintara-cli 2>&1 | grep -q 'import-history' ||
    fail "man quintara-cli does not show the commands"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$bin/quintara" --version | grep -q '2.0' ||
    fail "quintara --version needs a display"
complete_words() {
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _quintara_cli; echo "${COMPREPLY[*]}"' \
        complete "$root/usr/share/bash-completion/completions/quintara-cli" "$@"
}
[[ $(complete_words quintara-cli import-h) == import-history ]] || fail "bash does not complete the commands"
[[ $(complete_words quintara-cli pick --game thu) == "thunderball thunderball-39" ]] || fail "bash does not complete --game"

unset QUINTARA_APP_DIR
export HOME=$work/home XDG_DATA_HOME=$work/data
mkdir -p "$HOME"
user=$XDG_DATA_HOME/Quintara
cli=$bin/quintara-cli
"$cli" --version

echo "== first start"
"$cli" stats --game lotto >"$work/first.txt"
head -n 1 "$work/first.txt"
[[ $(ls "$share" | wc -l) -gt 0 ]] || fail "share/quintara is empty"
others=$(ls "$user" | grep -v 'History\.dat$' || true)
[[ -z $others ]] || fail "the first start copied the program's own files: $others"
cmp "$share/LottoHistory.dat" "$user/LottoHistory.dat" || fail "the copied history differs"
"$cli" pick --game lotto --json | grep -q '"wheel":"5 Line Wheel - 1 Number"' ||
    fail "the shipped wheel was not read from share/quintara"

echo "== the user changes the Lotto history and keeps a wheel of their own"
"$cli" export-history --game lotto >"$work/all.csv"
head -n 11 "$work/all.csv" >"$work/ten.csv"
"$cli" import-history --game lotto --csv "$work/ten.csv"
changed=$(sha256sum <"$user/LottoHistory.dat")
[[ $changed != $(sha256sum <"$share/LottoHistory.dat") ]] || fail "the history did not change"
printf '1 2 3 4 5 6\r\n7 8 9 10 11 12\r\n' >"$user/5 Line Wheel - 1 Number from 28_Lotto.txt"

echo "== second start"
"$cli" stats --game lotto --json >"$work/second.json"
[[ $(sha256sum <"$user/LottoHistory.dat") == "$changed" ]] || fail "the second start replaced the changed history"
grep -q '"draws":10,' "$work/second.json" || fail "the second start did not read the changed history"
"$cli" pick --game lotto --json | grep -q '"lines":\[\[[0-9,]*\],\[[0-9,]*\]\]' ||
    fail "the user's own copy of a wheel was not read first"

echo "== the desktop program starts from the package and fills its own fresh per-user folder"
export XDG_DATA_HOME=$work/desktop-data
if command -v xvfb-run >/dev/null; then
    run=(xvfb-run -a)
else
    run=(env QT_QPA_PLATFORM=offscreen)
fi
status=0
"${run[@]}" timeout 15 "$bin/quintara" >"$work/desktop.log" 2>&1 || status=$?
# timeout ends a program that is still running with 124, and xvfb-run passes that on.
[[ $status -eq 124 ]] || { cat "$work/desktop.log" >&2; fail "the desktop program ended with $status"; }
[[ -f $XDG_DATA_HOME/Quintara/LottoHistory.dat ]] || fail "the desktop program did not copy the histories"
[[ ! -e $XDG_DATA_HOME/Quintara/Quintara.html ]] || fail "the desktop program copied its own files"
echo "package checked"
