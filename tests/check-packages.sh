#!/usr/bin/env bash
# check-packages.sh: the install rules and both packages, as a user gets them. Run after the
# release and mingw presets are built.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() {
    echo "check-packages: $*" >&2
    exit 1
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
expected() { printf '\nfinal value of  01110011  in hex is 73   for 8.3 filename of "README  TXT"\nMade for the lfnsum project by the lfnsum authors, https://lfnsum.example.org/'; }

cmake --install build/release --prefix "$scratch/prefix" >/dev/null
[[ -x $scratch/prefix/bin/lfnsum ]] || fail "cmake --install put no bin/lfnsum"
[[ -f $scratch/prefix/share/man/man1/lfnsum.1.gz ]] || fail "cmake --install put no man page"
echo "cmake --install: bin/lfnsum, share/man/man1/lfnsum.1.gz"

cpack --preset deb >/dev/null
deb=$(echo build/release/packages/lfnsum_*.deb)
[[ -f $deb ]] || fail "no .deb built"
for field in Package:lfnsum Version:1.0.0 Architecture:"$(dpkg --print-architecture)" \
    Section:utils Homepage:https://lfnsum.example.org/; do
    [[ $(dpkg-deb --field "$deb" "${field%%:*}") == "${field#*:}" ]] ||
        fail "$deb: ${field%%:*} is $(dpkg-deb --field "$deb" "${field%%:*}"), not ${field#*:}"
done
[[ -z $(dpkg-deb --field "$deb" Depends) ]] || fail "$deb depends on something: it is static"
contents=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
[[ $contents == $'./usr/bin/lfnsum\n./usr/share/man/man1/lfnsum.1.gz' ]] ||
    fail "$deb holds: $contents"
dpkg -x "$deb" "$scratch/root"
cmp <("$scratch/root/usr/bin/lfnsum" readme.txt) <(expected) || fail "the installed lfnsum prints otherwise"
echo "$deb: metadata, contents and the installed binary are right"

cpack --preset zip >/dev/null
zip=$(echo build/mingw/packages/lfnsum-*-windows-x86_64.zip)
[[ -f $zip ]] || fail "no .zip built"
listing=$(cmake -E tar tf "$zip" | sort)
[[ $listing == $'README.txt\nlfnsum.exe' ]] || fail "$zip holds: $listing"
(cd "$scratch" && cmake -E tar xf "$OLDPWD/$zip")
grep -q $'\r$' "$scratch/README.txt" || fail "README.txt in $zip lacks CR LF line ends"
cmp "$scratch/lfnsum.exe" build/mingw/lfnsum.exe >/dev/null 2>&1 &&
    fail "lfnsum.exe in $zip was not stripped"
echo "$zip: lfnsum.exe and README.txt"
