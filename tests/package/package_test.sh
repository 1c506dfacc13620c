#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a temporary root and runs both
# programs from there; the desktop entry and the manual pages must pass their checkers.
set -euo pipefail
build=$1
for tool in cpack dpkg-deb desktop-file-validate man; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/*.deb)
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || { echo "Depends lacks the Qt libraries"; exit 1; }
dpkg-deb --field "$deb" Depends | grep -q qt6-translations-l10n || { echo "Depends lacks Qt's translations"; exit 1; }
dpkg -x "$deb" "$work/root"
usr=$work/root/usr

"$usr/bin/tarvoini" --version | grep -qx 'tarvoini [0-9.]*'
QT_QPA_PLATFORM=offscreen "$usr/bin/trvcfg" --version | grep -qx 'trvcfg [0-9.]*'
LANGUAGE=de LANG=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen "$usr/bin/trvcfg" --help | grep -q 'Die TARVO.INI in <DIR> bearbeiten'
# The help fits a terminal of 80 columns in either language.
for lang in en de; do
  LANGUAGE=$lang QT_QPA_PLATFORM=offscreen "$usr/bin/trvcfg" --help >"$work/help"
  while IFS= read -r line; do  # characters, not bytes
    [ "$(LC_ALL=C.UTF-8 bash -c 'echo ${#1}' _ "$line")" -le 80 ] || { echo "trvcfg --help ($lang) over 80 columns: $line"; exit 1; }
  done <"$work/help"
done
desktop-file-validate "$usr/share/applications/trvcfg.desktop"
# A way to choose the folder again, and the file that remembers it named where users look.
grep -qx 'Exec=trvcfg --choose' "$usr/share/applications/trvcfg.desktop"
HOME=$work/home XDG_CONFIG_HOME='' QT_QPA_PLATFORM=offscreen "$usr/bin/trvcfg" --help |
  grep -qF "$work/home/.config/trvcfg/folder" || { echo "trvcfg --help does not name the folder file"; exit 1; }
for page in trvcfg tarvoini; do
  grep -qF '.config/trvcfg/folder' "$usr/share/man/man1/$page.1" || { echo "$page(1) does not name the folder file"; exit 1; }
done
test -s "$usr/share/icons/hicolor/scalable/apps/trvcfg.svg"
bash -n "$usr/share/bash-completion/completions/tarvoini"
for page in trvcfg tarvoini; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/man1/$page.1" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$page.1: $warnings"; exit 1; }
done
echo "package: installs and both programs run"
