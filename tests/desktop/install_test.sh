#!/bin/sh
# Installs Ondaris into a temporary prefix and checks what a freedesktop desktop finds there:
# the menu entry, the three study types, their icons and the program that opens them, the
# manual page and what software centres read.
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
. "$here/program.sh"

home_before=$(find "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" | sort)
cmake --install "$build" --prefix "$prefix" >/dev/null
[ "$(find "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" | sort)" = "$home_before" ] ||
    fail "installing wrote into the user's home"

# The program and the menu entry.
[ -x "$prefix/bin/ondaris" ] || fail "bin/ondaris missing"
desktop_id=fr.velmora.ondaris.desktop
desktop=$prefix/share/applications/$desktop_id
desktop-file-validate "$desktop" || fail "$desktop_id does not validate"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = "ondaris %F" ] || fail "Exec is '$(entry Exec)'"
[ -n "$(entry 'Name\[fr\]')$(entry Name)" ] || fail "no Name"
# Started and reached by the desktop through the session bus, under the entry's own name.
[ "$(entry DBusActivatable)" = true ] || fail "the entry is not DBusActivatable"
service=$prefix/share/dbus-1/services/${desktop_id%.desktop}.service
[ "$(sed -n 's/^Name=//p' "$service")" = "${desktop_id%.desktop}" ] ||
    fail "no D-Bus service file for ${desktop_id%.desktop}"
sed -n 's/^Exec=//p' "$service" | grep -q '/bin/ondaris$' || fail "the D-Bus service does not start ondaris"
types="application/x-ondaris-biorythme application/x-ondaris-compatibilite application/x-ondaris-affinite
       application/x-ondaris-groupe"
for type in $types; do
    entry MimeType | tr ';' '\n' | grep -qx "$type" || fail "MimeType lacks $type"
done

# The icons: the program's and one per study type, scalable and in every pixel size.
icons=$prefix/share/icons/hicolor
for icon in apps/ondaris mimetypes/application-x-ondaris-biorythme \
            mimetypes/application-x-ondaris-compatibilite mimetypes/application-x-ondaris-affinite \
            mimetypes/application-x-ondaris-groupe; do
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
for example in "$examples"/*.bio "$examples"/*.bi2 "$examples"/*.aff "$examples"/*.grp; do
    [ -e "$example" ] || continue
    case $example in
    *.bio) check_type "$example" application/x-ondaris-biorythme ;;
    *.bi2) check_type "$example" application/x-ondaris-compatibilite ;;
    *.aff) check_type "$example" application/x-ondaris-affinite ;;
    *.grp) check_type "$example" application/x-ondaris-groupe ;;
    esac
done

for type in $types; do
    [ "$(look xdg-mime query default "$type")" = "$desktop_id" ] ||
        fail "$type does not open with $desktop_id"
    icon=$(echo "$type" | tr / -)
    [ -f "$icons/scalable/mimetypes/$icon.svg" ] || fail "no icon named after $type"
done
grep -q 'Étude Biorythme' "$prefix/share/mime/application/x-ondaris-biorythme.xml" ||
    fail "the Biorythme type has no French comment"

# The manual page: found by name, rendered without a complaint from groff, accents intact, and
# an entry for every option that the program's own help lists.
page=$prefix/share/man/man1/ondaris.1.gz
gzip -t "$page" || fail "no compressed manual page"
if command -v man >/dev/null && command -v lexgrog >/dev/null; then
    [ "$(MANPATH="$prefix/share/man" man -w ondaris)" = "$page" ] ||
        fail "man ondaris does not find $page"
    LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>"$tmp/groff.log" >/dev/null ||
        fail "the manual page does not render"
    [ ! -s "$tmp/groff.log" ] || fail "groff warns about the manual page: $(cat "$tmp/groff.log")"
    lexgrog "$page" | grep -q ': "ondaris - ' || fail "no whatis entry: $(lexgrog "$page")"
    LC_ALL=C.UTF-8 MANWIDTH=100 man -l "$page" >"$tmp/man.txt" 2>/dev/null
    # Justified lines spread their blanks, on alternate sides from one line to the next.
    tr -s ' ' <"$tmp/man.txt" | grep -q "Écrit la page de l'étude dans le fichier" ||
        fail "the manual page lost its French text"
    for section in SYNOPSIS OPTIONS "CODE DE RETOUR" ENVIRONNEMENT FICHIERS EXEMPLES; do
        grep -qx "$section" "$tmp/man.txt" || fail "the manual page has no $section"
    done
    options=$("$prefix/bin/ondaris" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
    [ -n "$options" ] || fail "ondaris --help lists no option"
    for option in $options; do
        grep -Eq "^ {7}(-[a-z], )?$option( |\$)" "$tmp/man.txt" ||
            fail "the manual page has no entry for $option"
        sed -n '/^EXEMPLES$/,/^[A-Z]/p' "$tmp/man.txt" | grep -Eq "^ +ondaris .*$option" ||
            fail "the manual page has no example of $option"
    done
else
    echo "SKIP: man-db is not installed (scripts/install-deps.sh installs it): manual page not rendered"
fi

# What software centres read: the metainfo, named after the desktop entry that it launches.
metainfo=$prefix/share/metainfo/${desktop_id%.desktop}.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo for $desktop_id"
grep -q "<launchable type=\"desktop-id\">$desktop_id</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $desktop_id"
# The installed program finds its hand-over module: a later start hands over to it and ends.
"$prefix/bin/ondaris" >"$tmp/running.log" 2>&1 &
running=$!
wait_for socket_ready || fail "the installed program does not listen for later starts"
timeout 15 "$prefix/bin/ondaris" >"$tmp/later.log" 2>&1 ||
    fail "a later start did not hand over to the installed program"
kill "$running"
wait "$running" 2>/dev/null || :
if grep -q handover "$tmp/running.log" "$tmp/later.log"; then
    fail "the module was not found: $(cat "$tmp/running.log" "$tmp/later.log")"
fi
version=$("$prefix/bin/ondaris" --version | sed -n 's/^Ondaris //p')
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic "$metainfo" >"$tmp/appstream.log" 2>&1 ||
        fail "the metainfo does not validate: $(cat "$tmp/appstream.log")"
    mkdir -p "$tmp/tree/usr"
    ln -s "$prefix/share" "$tmp/tree/usr/share"
    appstreamcli validate-tree --no-net "$tmp/tree" >"$tmp/appstream.log" 2>&1 ||
        fail "the installed tree does not validate: $(cat "$tmp/appstream.log")"
else
    echo "SKIP: appstreamcli is not installed (scripts/install-deps.sh installs it): metainfo not validated"
fi

exit $status
