#!/usr/bin/env bash
# Installs a build tree into a scratch prefix and checks what a desktop
# needs: every file in its place, and a desktop entry and metainfo that
# validate.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
missing=0
for f in bin/tessvar bin/tessvar-cli \
         share/tessvar/lang1.txt share/tessvar/lang2.txt \
         share/tessvar/help-ja.html share/tessvar/help-en.html share/tessvar/help-zh.html share/tessvar/help.css \
         share/applications/org.tessvar.Tessvar.desktop share/metainfo/org.tessvar.Tessvar.metainfo.xml \
         share/icons/hicolor/scalable/apps/tessvar.svg share/icons/hicolor/48x48/apps/tessvar.png \
         share/icons/hicolor/128x128/apps/tessvar.png share/icons/hicolor/256x256/apps/tessvar.png \
         share/man/man1/tessvar-cli.1; do
  if [ ! -e "$prefix/$f" ]; then
    echo "not installed: $f"
    missing=1
  fi
done
desktop-file-validate "$prefix/share/applications/org.tessvar.Tessvar.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.tessvar.Tessvar.metainfo.xml"
exit $missing
