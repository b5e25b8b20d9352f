#!/bin/sh
# Fails when one class name is defined by two different libraries of the program.
# Usage: scripts/check-one-definition.sh LIBRARY.a...
#
# Two layers that each define a class of the same name link without complaint as long as no
# member has the same signature, yet the program then breaks the one-definition rule: an inline
# member or a link-time-optimised build may use either definition. The check reads the symbols
# each library defines itself (not the weak copies of inline functions it merely uses) and
# lists every class whose members or static data are defined by more than one library.
# Classes in anonymous namespaces have local symbols and are left out, as they should be.
set -eu
[ "$#" -gt 0 ] || { echo "usage: $0 LIBRARY.a..." >&2; exit 2; }

classes=""
for library in "$@"; do
    # A library that cannot be read fails the check rather than passing it unread.
    symbols=$(nm --defined-only --demangle "$library") || { echo "$0: cannot read $library" >&2; exit 2; }
    classes="$classes$(printf '%s\n' "$symbols" | awk -v lib="$(basename "$library")" '
        # Strong text, data, read-only and zero-filled symbols only.
        $2 !~ /^[TDRB]$/ { next }
        {
            name = $0
            sub(/^[^ ]* [A-Za-z] /, "", name)
            sub(/^(vtable|typeinfo|typeinfo name|VTT|construction vtable) for /, "", name)
            # Class names follow the house style TName; namespaces are lower case.
            if (match(name, /^tavrik::([a-z_][a-z0-9_]*::)*T[A-Z][A-Za-z0-9_]*(::|$)/)) {
                class = substr(name, 1, RLENGTH)
                sub(/::$/, "", class)
                print class, lib
            }
        }')
"
done
printf '%s' "$classes" | sort -u | awk '
    NF == 2 { libraries[$1] = libraries[$1] (count[$1]++ ? ", " : "") $2 }
    END {
        bad = 0
        for (class in count)
            if (count[class] > 1) {
                print "one name, several classes: " class " is defined in " libraries[class] > "/dev/stderr"
                bad = 1
            }
        exit bad
    }'
