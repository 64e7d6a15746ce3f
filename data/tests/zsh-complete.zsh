#!/usr/bin/env zsh
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints what zsh's completion offers at the end of a command line, one candidate a line: an
# interactive zsh on a pseudo-terminal loads the completion function from FOLDER with
# compinit, the line is typed and Tab pressed; every match the completion adds is printed.
# compinit keeps what it found in DUMP, to start at once the next time.
# Usage: zsh -f zsh-complete.zsh FOLDER DUMP LINE
zmodload zsh/zpty || exit 77
folder=$1
dump=$2
line=$3

zpty complete zsh -f -i
zpty -w complete "PROMPT= RPROMPT= fpath=(${(q)folder} \$fpath)"
zpty -w complete "autoload -U compinit && compinit -u -C -d ${(q)dump}"
zpty -w complete "zstyle ':completion:*' insert-tab false"
# Every match, as it is added; -O, -A and -D only gather words and add none.
zpty -w complete 'compadd() {
    if [[ ${@[1,(i)(-|--)]} == *-(O|A|D)\ * ]]; then builtin compadd "$@"; return; fi
    local -a hits
    builtin compadd -A hits "$@"
    local status_=$?
    print -r -l -- "<mat""ch>"${^hits}
    builtin compadd "$@"
    return $status_
}'
zpty -w complete 'finish() { print -r -- "<do""ne>"; }'
zpty -w complete 'prepare() { comppostfuncs=(finish); }'
zpty -w complete 'zle -N prepare-widget prepare-and-complete'
zpty -w complete 'prepare-and-complete() { prepare; zle complete-word; }'
zpty -w complete 'bindkey "^I" prepare-widget'
# The markers are split where typed, so that the terminal's echo of a line is not taken for
# them.
zpty -w complete 'print -r -- "<rea""dy>"'
zpty -r complete output '*<ready>*' || exit 2
zpty -w -n complete "$line"$'\t'
zpty -r complete output '*<done>*' || exit 2
zpty -d complete
print -r -- "$output" | tr -d '\r' | sed -n 's/^.*<match>//p'
