#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop needs:
# both programs, the shipped data, a valid menu entry that opens pictures,
# the icon at every size and scalable, and the man page; then that the
# installed tool finds its shipped data below its own prefix (not in the
# source tree, not in the configured prefix).
# Usage: install_tree_test.sh BUILD_DIR [DESKTOP_FILE_VALIDATE]
set -euo pipefail
build=$1
validate=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
expect() {
  [ -e "$prefix/$1" ] || { echo "missing: $1"; status=1; }
}
expect bin/lumidex-album
expect bin/lumidex-cli
expect share/lumidex-album/NationalHoliday.txt
expect share/applications/lumidex-album.desktop
expect share/icons/hicolor/scalable/apps/lumidex-album.svg
for size in 16 22 24 32 48 64 128 256; do
  icon=share/icons/hicolor/${size}x${size}/apps/lumidex-album.png
  expect "$icon"
  # The PNG's header gives its width and height (bytes 16-23).
  if [ -e "$prefix/$icon" ]; then
    dims=$(od -An -tu1 -j16 -N8 "$prefix/$icon" | awk '{ print $3 * 256 + $4, $7 * 256 + $8 }')
    [ "$dims" = "$size $size" ] || { echo "$icon is $dims"; status=1; }
  fi
done
expect share/man/man1/lumidex-cli.1.gz
[ "$status" = 0 ] || exit 1

entry=$prefix/share/applications/lumidex-album.desktop
if [ -n "$validate" ]; then
  problems=$("$validate" "$entry" 2>&1) || true
  [ -z "$problems" ] || { echo "desktop-file-validate: $problems"; status=1; }
else
  echo "desktop-file-validate not installed: entry not validated"
fi
grep -qx 'Exec=lumidex-album %F' "$entry" || { echo "entry does not pass files"; status=1; }
for type in image/jpeg image/png image/bmp image/gif; do
  grep -q "^MimeType=.*$type;" "$entry" || { echo "entry does not open $type"; status=1; }
done
zcat "$prefix/share/man/man1/lumidex-cli.1.gz" | grep -q '^\.TH LUMIDEX\\-CLI 1' || { echo "man page header"; status=1; }

# A holiday only the installed copy of the holiday file has shows that the
# installed tool read its data from below its own prefix.
printf '2000900012/24=InstalledCopy\r\n' >"$prefix/share/lumidex-album/NationalHoliday.txt"
holidays=$(env -u LUMIDEX_SHARE LUMIDEX_HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
  "$prefix/bin/lumidex-cli" holidays 2025)
grep -q $'^2025/12/24\t.*InstalledCopy' <<<"$holidays" || { echo "installed tool used other data: $holidays"; status=1; }
exit $status
