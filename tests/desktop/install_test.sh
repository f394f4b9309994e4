#!/bin/sh
# Installs Ondaris into a temporary prefix and checks what a freedesktop desktop finds there:
# the menu entry, the three study types, their icons and the program that opens them.
# Usage: install_test.sh BUILD_DIR
set -eu
# One of the studies looked up has accents in its name: the tools spell it in UTF-8, which every
# Debian offers as C.UTF-8 whatever the user's language.
export LC_ALL=C.UTF-8
build=$1
here=$(cd "$(dirname "$0")" && pwd)
examples=$(cd "$here/../../examples" && pwd)

tmp=$(mktemp -d "${TMPDIR:-/tmp}/ondaris-install.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

home_before=$(find "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" | sort)
cmake --install "$build" --prefix "$prefix" >/dev/null
[ "$(find "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" | sort)" = "$home_before" ] ||
    fail "installing wrote into the user's home"

# The program and the menu entry.
[ -x "$prefix/bin/ondaris" ] || fail "bin/ondaris missing"
desktop=$prefix/share/applications/ondaris.desktop
desktop-file-validate "$desktop" || fail "ondaris.desktop does not validate"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = "ondaris %F" ] || fail "Exec is '$(entry Exec)'"
[ -n "$(entry 'Name\[fr\]')$(entry Name)" ] || fail "no Name"
types="application/x-ondaris-biorythme application/x-ondaris-compatibilite application/x-ondaris-affinite"
for type in $types; do
    entry MimeType | tr ';' '\n' | grep -qx "$type" || fail "MimeType lacks $type"
done

# The icons: the program's and one per study type, scalable and in every pixel size.
icons=$prefix/share/icons/hicolor
for icon in apps/ondaris mimetypes/application-x-ondaris-biorythme \
            mimetypes/application-x-ondaris-compatibilite mimetypes/application-x-ondaris-affinite; do
    file -b "$icons/scalable/$icon.svg" | grep -q 'SVG' || fail "no scalable $icon"
    for size in 16 22 24 32 48 64 128 256; do
        file -b "$icons/${size}x$size/$icon.png" | grep -q "PNG image data, $size x $size," ||
            fail "no $size px $icon"
    done
done
[ "$(entry Icon)" = ondaris ] || fail "Icon is '$(entry Icon)'"

# The study types, as each desktop's own lookup sees them once the databases are built, the way
# the triggers of shared-mime-info and desktop-file-utils build them on installation.
mkdir -p "$tmp/config" "$tmp/data"
look() {
    env XDG_DATA_DIRS="$prefix/share" XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config" \
        XDG_CONFIG_DIRS="$tmp/config" "$@"
}
look update-mime-database "$prefix/share/mime"
look update-desktop-database "$prefix/share/applications"
check_type() { # FILE TYPE
    for desktop_name in "" GNOME; do
        got=$(look XDG_CURRENT_DESKTOP=$desktop_name xdg-mime query filetype "$1" 2>/dev/null |
              cut -d';' -f1)
        [ "$got" = "$2" ] || fail "${desktop_name:-generic} desktop sees $1 as '$got', not $2"
    done
}
cp "$here/Jean Dupont.bio" "$tmp/JEAN.BIO"
check_type "$here/Jean Dupont.bio" application/x-ondaris-biorythme
check_type "$tmp/JEAN.BIO" application/x-ondaris-biorythme
check_type "$here/Zoé et Loïc.bi2" application/x-ondaris-compatibilite
check_type "$here/Marie et Paul.aff" application/x-ondaris-affinite
for example in "$examples"/*.bio "$examples"/*.bi2 "$examples"/*.aff; do
    [ -e "$example" ] || continue
    case $example in
    *.bio) check_type "$example" application/x-ondaris-biorythme ;;
    *.bi2) check_type "$example" application/x-ondaris-compatibilite ;;
    *.aff) check_type "$example" application/x-ondaris-affinite ;;
    esac
done

for type in $types; do
    [ "$(look xdg-mime query default "$type")" = ondaris.desktop ] ||
        fail "$type does not open with ondaris.desktop"
    icon=$(echo "$type" | tr / -)
    [ -f "$icons/scalable/mimetypes/$icon.svg" ] || fail "no icon named after $type"
done
grep -q 'Étude Biorythme' "$prefix/share/mime/application/x-ondaris-biorythme.xml" ||
    fail "the Biorythme type has no French comment"

exit $status
