#!/bin/sh
# The installed manual page renders, with a section for every command the overview lists and
# each command's options.
#     check-manual.sh STAGE
set -eu
stage=$1
page=$stage/usr/share/man/man1/burgeon.1.gz
fail() { echo "FAIL: $*" >&2; exit 1; }
text=$(MANWIDTH=120 man -l "$page" 2>&1)
echo "$text" | grep -q '^NAME' || fail "no NAME section"
commands=$("$stage/usr/bin/burgeon" --help | sed -n 's/^.*burgeon \([a-z][a-z]*\) .*$/\1/p' |
    grep -v '^help$' | sort -u)
[ -n "$commands" ] || fail "no command in the overview"
for command in $commands; do
    echo "$text" | grep -q "^   burgeon $command\$" || fail "no section for burgeon $command"
    # The command's options as its help lists them.
    "$stage/usr/bin/burgeon" help "$command" | sed -n 's/^  \(--[a-z-]*\).*/\1/p' |
        while read -r option; do
            echo "$text" | grep -q -- "$option" || fail "$option of $command is missing"
        done
done
echo "$text" | grep -q '^   burgeon session save$' || fail "no section for burgeon session save"
echo "the manual page has every command: $(echo "$commands" | tr '\n' ' ')"
