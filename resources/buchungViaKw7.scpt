#!/bin/sh
# Booking script of Velmora-Import. Dorvik does not run here, so this script stands in
# for it: it appends each booking as one record to the journal $HOME/Dorvik-Buchungen.csv
# (UTF-8, fields separated by ";", each in double quotes with inner quotes doubled, so
# that ";", quotes and line feeds in a value survive). Arguments: the eight values of
# one booking - date, amount, from-account, to-account, category, holder, text, empty.
# Exits non-zero when the booking could not be written.

if [ "$#" -ne 8 ]; then
    echo "buchungViaKw7: 8 Werte erwartet, $# erhalten" >&2
    exit 2
fi
if [ -z "${HOME:-}" ]; then
    echo "buchungViaKw7: HOME ist nicht gesetzt" >&2
    exit 3
fi

quote() {
    rest=$1
    out=
    while :; do
        case $rest in
        *\"*)
            out=$out${rest%%\"*}\"\"
            rest=${rest#*\"}
            ;;
        *)
            out=$out$rest
            break
            ;;
        esac
    done
    printf '"%s"' "$out"
}

record=
separator=
for value in "$@"; do
    record=$record$separator$(quote "$value")
    separator=";"
done

printf '%s\n' "$record" >>"$HOME/Dorvik-Buchungen.csv" || exit 1
