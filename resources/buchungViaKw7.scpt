#!/bin/sh
# Booking script of Velmora-Import. Dorvik does not run here, so this script stands in
# for it: it appends each booking as one record to the journal $HOME/Dorvik-Buchungen.csv
# (UTF-8, fields separated by ";", each in double quotes with inner quotes doubled, so
# that ";", quotes and line feeds in a value survive). Arguments: the eight values of
# one booking - date, amount, from-account, to-account, category, holder, text, empty.
# Exits non-zero when the booking could not be written.
#
# Started once per booking, so it uses builtins only: a subshell or a program per value
# would cost more than starting the script itself.

if [ "$#" -ne 8 ]; then
    echo "buchungViaKw7: 8 Werte erwartet, $# erhalten" >&2
    exit 2
fi
if [ -z "${HOME:-}" ]; then
    echo "buchungViaKw7: HOME ist nicht gesetzt" >&2
    exit 3
fi

# Writes one value in double quotes with its inner quotes doubled: split at the quotes
# and write the parts with "" between them. Field splitting drops a trailing empty part,
# so the value is split with one quote added, which always ends the last part.
field() {
    parts=$1\"
    IFS=\"
    set -f
    set -- $parts
    unset IFS
    set +f
    printf '"%s' "$1" || return
    shift
    if [ "$#" -gt 0 ]; then
        printf '""%s' "$@" || return
    fi
    printf '"'
}

record() {
    field "$1" || return
    shift
    for value in "$@"; do
        printf ';' && field "$value" || return
    done
    printf '\n'
}

record "$@" >>"$HOME/Dorvik-Buchungen.csv" || exit 1
