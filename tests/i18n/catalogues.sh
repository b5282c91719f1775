#!/usr/bin/env bash
# lupdate ($1) over the sources listed in $2, into copies of the catalogues $3..: a text of the program
# that a catalogue lacks comes in unfinished, like one never finished; either fails, with its source text.
set -uo pipefail
LUPDATE=$1 SOURCES=$2 && shift 2
WORK=$(mktemp -d) && trap 'rm -rf "$WORK"' EXIT
cp "$@" "$WORK"/ && "$LUPDATE" -silent -locations none -no-obsolete @"$SOURCES" -ts "$WORK"/*.ts || exit 1
status=0
for catalogue in "$WORK"/*.ts; do
    lacking=$(awk '/<source>/ { source = $0 } /type="unfinished"/ { print source }' "$catalogue")
    [ -z "$lacking" ] || { echo "FAIL: $(basename "$catalogue") lacks:"$'\n'"$lacking" && status=1; }
    # One word for one thing: every text that names the snooze says it as the Snooze button does.
    word=$(awk -F '</?translation>' 'found { print tolower(substr($2, 1, 4)); exit } /<source>Snooze<\/source>/ { found = 1 }' "$catalogue")
    mixed=$(awk -v word="$word" '/<source>/ { source = tolower($0) } /<translation>/ && source ~ /snooz/ && !index(tolower($0), word)' "$catalogue")
    [ -z "$mixed" ] || { echo "FAIL: $(basename "$catalogue") names the snooze other than \"$word\":"$'\n'"$mixed" && status=1; }
done
[ "$status" = 0 ] && echo "PASS: every text of the program is in $*"
exit "$status"
