#!/usr/bin/env bash
# The installed bash completion, driven as bash drives it: the words of a command line and the
# cursor's word set, the completion function called, its answers read from COMPREPLY.
#     check-completion.sh STAGE
set -euo pipefail
stage=$1
# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1091
source "$stage/usr/share/bash-completion/completions/burgeon"
failures=0

# complete WORDS...: the answers for the last word of "WORDS" with the cursor after it.
complete_line() {
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _burgeon burgeon "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    if [ ${#COMPREPLY[@]} -gt 0 ]; then
        printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
    fi
}

expect() {
    local expected=$1
    shift
    local actual
    actual=$(complete_line "$@")
    if [ "$actual" != "$expected" ]; then
        echo "FAIL: '$*<TAB>' gives '$actual', not '$expected'" >&2
        failures=$((failures + 1))
    fi
}

cd "$(mktemp -d)"
trap 'rm -rf "$PWD"' EXIT
touch plant.burgeon notes.txt picture.PNG trees.Lsys
mkdir folder

expect 'render ' burgeon ren
expect '--session ' burgeon render --ses
expect 'thumbnail ' burgeon help th
expect 'save ' burgeon session sa
expect 'leaf-length leaf-width ' burgeon fit data.txt --organ leaf-
# File names filtered by the extension the option takes; folders to go into.
expect 'folder plant.burgeon ' burgeon render --session ''
expect 'folder trees.Lsys ' burgeon export --lsystem ''
expect 'folder picture.PNG ' burgeon render --out ''
expect 'folder ' burgeon animate --folder ''
expect 'folder notes.txt picture.PNG plant.burgeon trees.Lsys ' burgeon render --growth ''
expect 'folder plant.burgeon ' burgeon session save ''
expect 'folder plant.burgeon ' burgeon thumbnail ''
# A value to type: nothing to offer.
expect '' burgeon render --time ''

if [ "$failures" -gt 0 ]; then
    exit 1
fi
echo "the completion answers every case"
