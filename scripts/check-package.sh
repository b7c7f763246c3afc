#!/usr/bin/env bash
# Unpacks a Quintara Debian package into a temporary root and starts it as a user with a fresh home:
# the first start must fill the per-user folder from share/quintara, and a second start must keep a
# history file that was changed in between and bring back a shipped file that was deleted.
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

dpkg-deb -x "$deb" "$work/root"
bin=$work/root/usr/bin
share=$work/root/usr/share/quintara
for f in "$bin/quintara" "$bin/quintara-cli" "$share/LottoHistory.dat" "$share/Lotto59History.dat" \
    "$share/Thunderball39History.dat" \
    "$work/root/usr/share/applications/quintara.desktop" \
    "$work/root/usr/share/icons/hicolor/scalable/apps/quintara.svg"; do
    [[ -f $f ]] || fail "the package lacks ${f#"$work/root"}"
done

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
(cd "$share" && sha256sum -- *) >"$work/shipped.sum"
(cd "$user" && sha256sum --quiet -c "$work/shipped.sum") || fail "the first start did not copy every shipped file"

echo "== the user changes the Lotto history and loses a wheel file"
"$cli" export-history --game lotto >"$work/all.csv"
head -n 11 "$work/all.csv" >"$work/ten.csv"
"$cli" import-history --game lotto --csv "$work/ten.csv"
changed=$(sha256sum <"$user/LottoHistory.dat")
[[ $changed != $(sha256sum <"$share/LottoHistory.dat") ]] || fail "the history did not change"
rm "$user/5 Line Wheel - 1 Number from 28_Lotto.txt"

echo "== second start"
"$cli" stats --game lotto --json >"$work/second.json"
[[ $(sha256sum <"$user/LottoHistory.dat") == "$changed" ]] || fail "the second start replaced the changed history"
grep -q '"draws":10,' "$work/second.json" || fail "the second start did not read the changed history"
cmp "$share/5 Line Wheel - 1 Number from 28_Lotto.txt" "$user/5 Line Wheel - 1 Number from 28_Lotto.txt" ||
    fail "the second start did not bring back the missing wheel file"

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
[[ -f $XDG_DATA_HOME/Quintara/LottoHistory.dat ]] || fail "the desktop program did not fill its folder"
echo "package checked"
