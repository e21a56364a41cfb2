#!/usr/bin/env bash
# Refreshes the translation sources Settings/translations/viewer_*.ts from the
# texts in the code and the designer forms: new texts are added unfinished,
# texts no longer used are dropped. Translate the new entries (for example
# with Qt Linguist: linguist Settings/translations/viewer_fr.ts) before
# committing; the build compiles the sources with lrelease. The English file
# holds no entries, since the texts in the code are English.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root"

lupdate=$(qtpaths6 --query QT_HOST_BINS)/lupdate

folders=(Common Connection DVRSetup Display EMap Recording Settings SysData viewer
    dvr_protocol dvr_types sys_conf ProtoBuf)
translations=Settings/translations
options=(-no-obsolete -locations none -no-ui-lines)

"$lupdate" "${options[@]}" "${folders[@]}" \
    -ts "$translations"/viewer_{fr,ko,nb,ru,zh_tw}.ts
"$lupdate" "${options[@]}" -pluralonly "${folders[@]}" -ts "$translations"/viewer_en.ts
