#!/bin/sh
# Rebuilds the document fixtures of this folder from src/.
# Needs zip and LibreOffice (soffice); the results are committed, so tests never run this.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$here"

# A .docx is a zip of the common parts and one word/document.xml.
make_docx() {  # $1: name (src/$1.document.xml -> $1.docx)
  rm -rf "$work/$1" && mkdir -p "$work/$1/word"
  cp -R src/docx-parts/. "$work/$1/"
  cp "src/$1.document.xml" "$work/$1/word/document.xml"
  rm -f "$here/$1.docx"
  (cd "$work/$1" && zip -q -X -D "$here/$1.docx" '[Content_Types].xml' _rels/.rels word/document.xml)
}

# soffice with a throw-away profile; $1: target filter, $2: input, $3: output folder.
office_convert() {
  soffice --headless --norestore --nolockcheck "-env:UserInstallation=file://$work/profile" \
    --convert-to "$1" --outdir "$3" "$2" >/dev/null 2>&1
}

make_docx sample
make_docx revisions
office_convert doc "$here/sample.docx" "$work/out"
office_convert pdf "$here/sample.docx" "$work/out"
# A PDF that opens only with the password "secret".
cp "$here/sample.docx" "$work/locked.docx"
office_convert 'pdf:writer_pdf_Export:{"EncryptFile":{"type":"boolean","value":"true"},"DocumentOpenPassword":{"type":"string","value":"secret"}}' \
  "$work/locked.docx" "$work/out"
cp "$work/out/sample.doc" "$work/out/sample.pdf" .

# sample.txt and revisions.txt, the expected texts, are kept by hand (sample.txt equals what
# LibreOffice makes of sample.doc).

# Bad documents: each must end in a clear message.
mkdir -p bad
cp "$work/out/locked.pdf" bad/locked.pdf
: > bad/empty.docx
: > bad/empty.doc
: > bad/empty.pdf
head -c 600 sample.docx > bad/truncated.docx
head -c 3000 sample.doc > bad/truncated.doc
head -c 400 sample.pdf > bad/truncated.pdf
LC_ALL=C awk 'BEGIN { srand(7); for (i = 0; i < 4096; i++) printf "%c", 1 + int(rand() * 255) }' > bad/garbage.docx
cp bad/garbage.docx bad/garbage.doc
cp bad/garbage.docx bad/garbage.pdf
# A compound-file header followed by garbage: passes the .doc magic test, fails in the Word import.
{ printf '\320\317\021\340\241\261\032\341'; cat bad/garbage.docx; } > bad/compound-garbage.doc
printf '{\\rtf1\\ansi\\deff0 {\\fonttbl {\\f0 Arial;}}\\f0 Z\\'"'"'fcrich is RTF.\\par}\r\n' > bad/rtf-inside.docx
# A package whose document.xml, its only member, is 300 kB unpacked but claims 1000 bytes.
mkdir -p "$work/understated/word"
{
  printf '<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body><w:p><w:r><w:t>'
  LC_ALL=C awk 'BEGIN { for (i = 0; i < 300000; i++) printf "A" }'
  printf '</w:t></w:r></w:p></w:body></w:document>'
} > "$work/understated/word/document.xml"
rm -f bad/understated-size.docx
(cd "$work/understated" && zip -q -X -D "$here/bad/understated-size.docx" word/document.xml)
size=$(wc -c < bad/understated-size.docx)
directory=$(od -An -tu4 -j $((size - 6)) -N4 bad/understated-size.docx | tr -d ' ')
for at in 22 $((directory + 24)); do  # local header, central directory: unpacked size
  printf '\350\003\000\000' | dd of=bad/understated-size.docx bs=1 seek="$at" conv=notrunc 2>/dev/null
done
printf 'Plain text saved with a Word name.\r\nZ\303\274rich\r\n' > bad/text-inside.docx
echo "fixtures rebuilt in $here"
