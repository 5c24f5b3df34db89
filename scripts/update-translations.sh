#!/usr/bin/env bash
# Brings the translators' sources (translations/vemmick_*.ts) up to date with the code: new texts
# come in unfinished, texts gone from the code leave. Then translate the unfinished ones in Qt
# Linguist (linguist translations/vemmick_de.ts) or any editor of .ts files.
#   scripts/update-translations.sh [TS_FILE...]    every language when none is named
# A new language: scripts/update-translations.sh translations/vemmick_<language>.ts
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
files=("$@")
[ ${#files[@]} -gt 0 ] || files=(translations/vemmick_*.ts)
for ts in "${files[@]}"; do
    language=$(basename "$ts" .ts)
    language=${language#vemmick_}
    # Platform's texts are found as translate() calls by another name: Tr(context, text).
    "$lupdate" -silent -tr-function-alias translate+=Tr -locations none -no-obsolete -no-ui-lines \
        -source-language en -target-language "$language" \
        app platform colorpic mainwindow -ts "$ts"
done
