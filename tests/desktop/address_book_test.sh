#!/bin/sh
# The names list and a real address book, khard, both ways: the vCard that Ondaris exports is read
# by khard with its names and birthdays, and a contact that khard writes is imported by Ondaris.
# Usage: address_book_test.sh PROGRAM
set -eu
program=$1
export LC_ALL=C.UTF-8
status=0
fail() { echo "FAIL: $*" >&2; status=1; }
command -v khard >/dev/null || { echo "khard is missing: scripts/install-deps.sh installs it" >&2; exit 1; }

# khard keeps one card a file, in the folder of its address book.
mkdir -p "$XDG_CONFIG_HOME/khard" carnet
cat >"$XDG_CONFIG_HOME/khard/khard.conf" <<CONF
[addressbooks]
[[carnet]]
path = $PWD/carnet/
[general]
editor = /bin/true
merge_editor = /bin/true
CONF

# The names list as Ondaris writes it (Windows-1252), two persons.
printf 'BSBDBDCP\r\n2\r\nAnne-Sophie Lef\350vre\r\n14\r\n7\r\n1985\r\nZo\351 Martin\r\n3\r\n2\r\n1990\r\n' >Ondaris.dat
"$program" --export-names ondaris.vcf || fail "--export-names exited $?"
awk '/^BEGIN:VCARD/ { n++ } { print > ("carnet/" n ".vcf") }' ondaris.vcf
khard birthdays --parsable >birthdays 2>khard.err || fail "khard birthdays: $(cat khard.err)"
grep -qx "$(printf '1985.07.14\tAnne-Sophie Lefèvre')" birthdays ||
    fail "khard does not read Anne-Sophie's card: $(cat birthdays)"
grep -qx "$(printf '1990.02.03\tZoé Martin')" birthdays ||
    fail "khard does not read Zoé's card: $(cat birthdays)"

# A contact created by khard, imported by Ondaris; the two already there are not added again.
printf 'Formatted name : Léa Dubois\nFirst name : Léa\nLast name : Dubois\nBirthday : 1978-11-30\n' >lea.yaml
khard new -a carnet -i lea.yaml >/dev/null 2>khard.err || fail "khard new: $(cat khard.err)"
cat carnet/*.vcf >carnet.vcf
"$program" --import-names carnet.vcf >report || fail "--import-names exited $?"
head -2 report | tr '\n' '|' | grep -qx "Personnes ajoutées : 1|Déjà enregistrées (même nom, même date de naissance) : 2|" ||
    fail "the report is: $(cat report)"
iconv -f WINDOWS-1252 -t UTF-8 Ondaris.dat | tr -d '\r' | sed -n '2p;11,14p' | tr '\n' '|' |
    grep -qx "3|Léa Dubois|30|11|1978|" || fail "Ondaris.dat is: $(cat Ondaris.dat)"
exit $status
