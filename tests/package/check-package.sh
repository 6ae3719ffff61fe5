#!/usr/bin/env bash
# Builds the Debian package from an already built tree into a temporary folder and checks what it
# installs, its dependencies, that Debian's lintian finds nothing to say about it, and that
# `cmake --install` into a prefix gives the same tree.
set -euo pipefail
build=$1
app_id=io.github.cssbinder.cssbinder
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  exit 1
fi
deb=$(echo "$work"/package/*.deb)
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./usr/||' | grep -v -e '/$' -e '^$' | sort >"$work/package.list"

expected=(
  bin/cssbinder
  "share/applications/$app_id.desktop"
  "share/metainfo/$app_id.metainfo.xml"
  share/doc/cssbinder/copyright
  share/doc/cssbinder/changelog.gz
  share/man/man1/cssbinder.1.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
if [ -e "$build/src/ui/background/convert.sh" ]; then
  expected+=(share/cssbinder/background/convert.sh lib/cssbinder/tga2vtf)
fi
status=0
for file in "${expected[@]}"; do
  grep -qxF "$file" "$work/package.list" || { echo "missing from the package: $file"; status=1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in
  *libqt6widgets6*) ;;
  *) echo "dependencies lack Qt Widgets: $depends"; status=1 ;;
esac
# The converter decodes JPEG pictures with libjpeg-turbo.
case "$depends" in
  *libturbojpeg0*) ;;
  *) echo "dependencies lack libjpeg-turbo: $depends"; status=1 ;;
esac

# Any error or warning fails.
if ! lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1; then
  cat "$work/lintian.log"
  status=1
fi

cmake --install "$build" --prefix "$work/prefix" >/dev/null
(cd "$work/prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$work/install.list"
if ! diff -u "$work/package.list" "$work/install.list"; then
  echo "cmake --install gives another tree than the package"
  status=1
fi
exit $status
