# A folder of documents with nested folders, other kinds and hidden entries.
cd "$1"
mkdir -p docs/Sub/deeper docs/.hidden
for file in docs/notes.txt docs/Report.docx docs/picture.png docs/.draft.txt docs/.hidden/h.txt \
            docs/Sub/b.txt docs/Sub/scan.pdf docs/Sub/deeper/c.htm; do
  echo text > "$file"
done
