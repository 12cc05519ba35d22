#!/usr/bin/env bash
# The package as a school installs it: build the .deb, check what it lays out, unpack it into a
# scratch folder and start the unpacked program from / : its title picture must be on screen.
set -u
build=$1
for t in cpack dpkg-deb xvfb-run xdotool import; do
  command -v $t >/dev/null || { echo "$t is needed"; exit 1; }
done
scratch=$(mktemp -d); trap 'rm -rf "$scratch"' EXIT
(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null) || {
  echo "cpack failed"; exit 1; }
deb=$(ls "$scratch"/out/*.deb) || { echo "no .deb made"; exit 1; }
listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/quillon ./usr/share/quillon/opening/start000.jpg \
         ./usr/share/quillon/Images/exit.jpg ./usr/share/applications/quillon.desktop \
         ./usr/share/icons/hicolor/scalable/apps/quillon.svg; do
  grep -qx "$f" <<<"$listing" || { echo "the package lacks $f"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 fonts-wine fonts-liberation; do
  grep -q "$d" <<<"$depends" || { echo "the package does not depend on $d"; exit 1; }
done
dpkg-deb -x "$deb" "$scratch/root"
export WAIT_FOR_WINDOW=$(cd "$(dirname "$0")" && pwd)/wait_for_window.sh
export PROGRAM=$scratch/root/usr/bin/quillon PICTURE=$scratch/root/usr/share/quillon/opening/start000.jpg
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  cd / && "$PROGRAM" 2>"$PROGRAM.err" & pid=$!
  win=$("$WAIT_FOR_WINDOW") || { echo "no window appeared"; kill $pid; exit 1; }
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$win")"
  # The title picture fills 320 x 240 pixels from 300, 1470 twips of the client area.
  shown=$(import -window root -crop 1x1+$((X + 20 + 160))+$((Y + 98 + 120)) -depth 8 txt:- | grep -o "#[0-9A-F]\{6\}")
  drawn=$(convert "$PICTURE" -crop 1x1+160+120 -depth 8 txt:- | grep -o "#[0-9A-F]\{6\}")
  kill $pid; wait $pid 2>/dev/null
  if [ -s "$PROGRAM.err" ]; then echo "the program complained:"; cat "$PROGRAM.err"; exit 1; fi
  [ "$shown" = "$drawn" ] || { echo "title picture not on screen: $shown where the file has $drawn"; exit 1; }
  echo "the unpacked package shows its title picture ($shown)"
'
