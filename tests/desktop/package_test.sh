#!/bin/sh
# Builds the Debian package from the build tree with CPack and checks its control data and its
# contents: what the program needs at run time, and the files that the desktop's triggers pick up.
# Usage: package_test.sh BUILD_DIR
set -eu
build=$1
tmp=$(mktemp -d "${TMPDIR:-/tmp}/ondaris-package.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log" >&2; exit 1; }
set -- "$tmp"/ondaris_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || { fail "no package made"; exit 1; }
deb=$1

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ondaris ] || fail "package name is '$(field Package)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "wrong architecture"
case $(field Maintainer) in
*'<'*@*.*'>') ;;
*) fail "maintainer '$(field Maintainer)' has no address" ;;
esac
field Maintainer | grep -Eq '@(example\.(org|com|net)|localhost)>' && fail "placeholder maintainer"
field Description | grep -q 'biorythmes' || fail "no French description"
field Description | grep -q 'Compatibilité' || fail "description lost its accents"
# Each needed package once, as a package name of its own (not a prefix of another).
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//; s/:.*//')
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libqt6printsupport6 libqt6network6 \
              libqt6svg6 qt6-qpa-plugins fonts-liberation2 qt6-translations-l10n; do
    echo "$depends" | grep -qx "$needed" || fail "does not depend on $needed"
done
dpkg-deb -I "$deb" | grep -q 'postinst\|prerm\|postrm' && fail "maintainer scripts: the triggers do it"

dpkg-deb -c "$deb" >"$tmp/contents"
files=$(awk '$1 !~ /^d/ { print $6 }' "$tmp/contents")
for wanted in ./usr/bin/ondaris ./usr/share/applications/fr.velmora.ondaris.desktop \
              ./usr/share/mime/packages/ondaris.xml \
              ./usr/share/dbus-1/services/fr.velmora.ondaris.service \
              ./usr/share/metainfo/fr.velmora.ondaris.metainfo.xml \
              ./usr/share/man/man1/ondaris.1.gz \
              ./usr/share/doc/ondaris/copyright ./usr/share/doc/ondaris/changelog.gz \
              ./usr/share/icons/hicolor/scalable/apps/ondaris.svg \
              ./usr/share/icons/hicolor/48x48/apps/ondaris.png \
              ./usr/share/icons/hicolor/256x256/mimetypes/application-x-ondaris-affinite.png \
              ./usr/share/icons/hicolor/256x256/mimetypes/application-x-ondaris-groupe.png \
              "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/ondaris/handover.so" \
              "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/ondaris/svgpage.so" \
              "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/ondaris/printing.so"; do
    echo "$files" | grep -qx "$wanted" || fail "$wanted is not in the package"
done
echo "$files" | grep -v '^\./usr/' && fail "files outside /usr"
[ "$(echo "$files" | wc -l)" -eq 56 ] || fail "expected 56 files, found $(echo "$files" | wc -l)"
awk '$2 != "root/root" { bad = 1 } END { exit bad }' "$tmp/contents" || fail "files not owned by root"
grep -q '^-rwxr-xr-x .* \./usr/bin/ondaris$' "$tmp/contents" || fail "ondaris is not executable"

# Every dependency must be one that Debian's archive can give.
if apt-get install --simulate --no-install-recommends "$deb" >"$tmp/apt.log" 2>&1; then :; else
    cat "$tmp/apt.log" >&2
    fail "apt cannot satisfy the dependencies"
fi

# The changelog speaks of the version that the package carries.
dpkg-deb -x "$deb" "$tmp/root"
logged=$(gzip -dc "$tmp/root/usr/share/doc/ondaris/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$logged" = "$(field Version)" ] ||
    fail "the changelog's last entry is $logged, the package is $(field Version)"

# Debian's own checker: no error and no warning (informational tags are allowed).
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning --no-tag-display-limit "$deb" >"$tmp/lintian.log" 2>&1 ||
        fail "lintian: $(grep -v '^I: ' "$tmp/lintian.log")"
else
    echo "SKIP: lintian is not installed (scripts/install-deps.sh installs it): package not checked"
fi

exit $status
