#!/bin/sh
# The signed downloads, checked as anyone can check them with osslsigncode, 7z and unzip:
#  - verlumo.exe (in the zip and in the installer), the uninstaller (in the installer) and the
#    installer carry signatures that osslsigncode verifies against the signing certificate, and
#    one changed byte in any of them makes verification fail, and the time each is signed at lies
#    inside the certificate's validity;
#  - with their signatures removed, the programs are the ones an unsigned build packs from the same
#    program folder: verlumo.exe byte for byte; the uninstaller, and the installer up to the data
#    NSIS appends to it, byte for byte but for the PE checksum (an unsigned NSIS program leaves it
#    0, osslsigncode writes it) and the zero bytes signing pads the uninstaller with. The installer's
#    data and the zip cannot match whole, since they hold the signed programs; every file in them
#    is the unsigned build's once the programs' own signatures are removed.
#   check_signatures.sh SCRATCH ZIP SETUP PKCS12 PASSWORD_FILE PACKAGE_CMAKE CMAKE ARGUMENTS...
# CMAKE ARGUMENTS... are package.cmake's arguments but its outputs and its signing.
set -eu
scratch=$1 zip=$2 setup=$3 pkcs12=$4 password_file=$5 package=$6
shift 6

fail() { echo "FAILED: $*" >&2; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch"

# A self-signed certificate verifies only against itself: the certificates of the PKCS#12 file.
openssl pkcs12 -in "$pkcs12" -passin "file:$password_file" -nokeys -out certificates.pem 2>/dev/null ||
  openssl pkcs12 -legacy -in "$pkcs12" -passin "file:$password_file" -nokeys -out certificates.pem

"$@" -DSTAGE_DIR="$scratch/stage" -DZIP_FILE="$scratch/unsigned.zip" -DSETUP_FILE="$scratch/unsigned-setup.exe" \
  -P "$package" || 
  fail "packing the unsigned downloads"
unzip -q "$zip" -d signed-zip
unzip -q unsigned.zip -d unsigned-zip
7z x -osigned-setup "$setup" >/dev/null
7z x -ounsigned-setup unsigned-setup.exe >/dev/null

verify() { osslsigncode verify -CAfile certificates.pem -in "$1" >"$scratch/verify.log" 2>&1; }

# A verifier compares the time in the signature (the commit's, unless time-stamped) with the
# validity of the certificate: it must lie inside it, not before the certificate existed.
seconds() { date -u -d "$1" +%s; }
signed_in_validity() {
  grep -q "Timestamp is not available" verify.log || return 0
  signed_at=$(sed -n 's/^[[:space:]]*Signing time: //p' verify.log | head -n 1)
  not_before=$(sed -n 's/^[[:space:]]*notBefore : //p' verify.log | head -n 1)
  not_after=$(sed -n 's/^[[:space:]]*notAfter : //p' verify.log | head -n 1)
  [ -n "$signed_at" ] && [ -n "$not_before" ] && [ -n "$not_after" ] ||
    fail "$1: osslsigncode shows no signing time or no validity"
  [ "$(seconds "$not_before")" -le "$(seconds "$signed_at")" ] &&
    [ "$(seconds "$signed_at")" -le "$(seconds "$not_after")" ] ||
    fail "$1 is signed at $signed_at, outside its certificate's validity ($not_before to $not_after)"
}

# Offset of a little-endian number in a file.
number() { od -An -t"u$2" -j"$1" -N"$2" "$3" | tr -d ' '; }
pe_header() { number 60 4 "$1"; }
# Where the program's sections end, and with them the part of an NSIS program that is no data.
image_end() {
  pe=$(pe_header "$1")
  sections=$(number $((pe + 6)) 2 "$1")
  table=$((pe + 24 + $(number $((pe + 20)) 2 "$1")))
  end=0 i=0
  while [ "$i" -lt "$sections" ]; do
    last=$(($(number $((table + 40 * i + 20)) 4 "$1") + $(number $((table + 40 * i + 16)) 4 "$1")))
    [ "$last" -gt "$end" ] && end=$last
    i=$((i + 1))
  done
  echo "$end"
}
# A copy of the file's first LENGTH bytes with its PE checksum set to 0.
without_checksum() {
  head -c "$2" "$1" >"$3"
  printf '\000\000\000\000' | dd of="$3" bs=1 seek=$(($(pe_header "$1") + 88)) conv=notrunc 2>/dev/null
}
# Changes the byte in the middle of a copy of the file.
one_byte_changed() {
  cp "$1" "$2"
  middle=$(($(wc -c <"$1") / 2))
  byte=$(number "$middle" 1 "$1")
  printf "\\$(printf %03o $(((byte + 1) % 256)))" | dd of="$2" bs=1 seek="$middle" conv=notrunc 2>/dev/null
}

cp "$setup" signed-setup.exe
for signed in signed-zip/Verlumo/verlumo.exe signed-setup/verlumo.exe signed-setup/uninstall.exe signed-setup.exe; do
  name=$(echo "$signed" | tr / -)
  verify "$signed" && grep -q "Signature verification: ok" verify.log ||
    { cat verify.log >&2; fail "$signed is not signed, or its signature does not verify"; }
  signed_in_validity "$signed"
  one_byte_changed "$signed" changed.exe
  ! verify changed.exe || fail "$signed with one byte changed still verifies"
  osslsigncode remove-signature -in "$signed" -out "unsigned-again-$name" >/dev/null || fail "removing the signature of $signed"
done

cmp unsigned-again-signed-zip-Verlumo-verlumo.exe unsigned-zip/Verlumo/verlumo.exe
cmp unsigned-again-signed-setup-verlumo.exe unsigned-setup/verlumo.exe

size=$(wc -c <unsigned-setup/uninstall.exe)
[ -z "$(tail -c +$((size + 1)) unsigned-again-signed-setup-uninstall.exe | tr -d '\000')" ] ||
  fail "the uninstaller, its signature removed, ends in more than padding"
without_checksum unsigned-again-signed-setup-uninstall.exe "$size" a.exe
without_checksum unsigned-setup/uninstall.exe "$size" b.exe
cmp a.exe b.exe

stub=$(image_end unsigned-setup.exe)
[ "$stub" -eq "$(image_end signed-setup.exe)" ] || fail "the installers' programs differ in length"
without_checksum unsigned-again-signed-setup.exe "$stub" a.exe
without_checksum unsigned-setup.exe "$stub" b.exe
cmp a.exe b.exe

for name in LIESMICH.txt README.txt vlmo.chm vlmo.dat; do
  cmp "signed-zip/Verlumo/$name" "unsigned-zip/Verlumo/$name"
done
cp unsigned-again-signed-setup-verlumo.exe signed-setup/verlumo.exe
cp unsigned-setup/uninstall.exe signed-setup/uninstall.exe
diff -r signed-setup unsigned-setup >/dev/null || fail "the installers hold different files"
echo "Signatures verified; removed, they leave the unsigned build's programs."
