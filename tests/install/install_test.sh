#!/usr/bin/env bash
# The installed game: `install BUILD` installs into a temporary prefix, checks the desktop
# entry, the metainfo and the icons, and starts the game from another folder until the
# title is up; `deb BUILD` makes the .deb and checks its files and dependencies.
set -euo pipefail
what=$1 build=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
app=net.korvaniaworks.Korvania2Battle

fail() { echo "FAIL: $*"; exit 1; }

case $what in
install)
  cmake --install "$build" --prefix "$tmp/prefix" > /dev/null
  p=$tmp/prefix
  for f in bin/korvania2-battle share/korvania2-battle/kvb.paq share/korvania2-battle/data.paq \
           share/korvania2-battle/card.paq share/korvania2-battle/deck.paq share/korvania2-battle/credits.txt \
           share/applications/$app.desktop share/metainfo/$app.metainfo.xml; do
    [ -e "$p/$f" ] || fail "$f is not installed"
  done
  for n in 48 64 128 256; do
    icon=$p/share/icons/hicolor/${n}x${n}/apps/$app.png
    [ -e "$icon" ] || fail "no ${n} px icon"
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    [ "$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')" = "${n}x${n}" ] \
      || fail "the ${n} px icon has another size"
  done
  desktop-file-validate "$p/share/applications/$app.desktop"
  appstreamcli validate --no-net "$p/share/metainfo/$app.metainfo.xml" > "$tmp/appstream.txt" \
    || { cat "$tmp/appstream.txt"; fail "metainfo does not validate"; }

  mkdir "$tmp/elsewhere" "$tmp/user"
  cd "$tmp/elsewhere"
  export SDL_AUDIODRIVER=dummy
  export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen}
  KVB_USER_DIR="$tmp/user" timeout 10 "$p/bin/korvania2-battle" > "$tmp/out.txt" 2>&1 &
  game=$!
  for _ in $(seq 50); do
    grep -q "Title screen up" "$tmp/user/kvb.log" 2>/dev/null && break
    sleep 0.2
  done
  kill "$game" 2>/dev/null || true
  wait "$game" || true
  grep -q "Title screen up" "$tmp/user/kvb.log" 2>/dev/null \
    || { cat "$tmp/out.txt" "$tmp/user/kvb.log" 2>/dev/null; fail "the installed game did not reach the title"; }
  grep -q "Data folder: $p/bin/../share/korvania2-battle/\|Data folder: $p/share/korvania2-battle/" \
    "$tmp/user/kvb.log" || fail "the data was not read from the installed folder"
  [ -z "$(ls -A "$tmp/elsewhere")" ] || fail "the game wrote into the folder it was started from"
  ;;
deb)
  (cd "$build" && cpack -G DEB -B "$tmp" > "$tmp/cpack.txt") || { cat "$tmp/cpack.txt"; fail "cpack failed"; }
  deb=$(ls "$tmp"/*.deb)
  dpkg-deb -c "$deb" | awk '{print $6}' > "$tmp/files.txt"
  for f in ./usr/bin/korvania2-battle ./usr/share/korvania2-battle/kvb.paq ./usr/share/korvania2-battle/data.paq \
           ./usr/share/applications/$app.desktop ./usr/share/metainfo/$app.metainfo.xml \
           ./usr/share/icons/hicolor/256x256/apps/$app.png ./usr/share/icons/hicolor/48x48/apps/$app.png; do
    grep -qx "$f" "$tmp/files.txt" || fail "$f is not in the package"
  done
  depends=$(dpkg-deb -f "$deb" Depends)
  for lib in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libphysfs1; do
    grep -q "$lib" <<< "$depends" || fail "the package does not depend on $lib"
  done
  ;;
*) fail "usage: install_test.sh install|deb BUILD" ;;
esac
echo "ok"
