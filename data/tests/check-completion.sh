#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a shell completion of tessaro-cli by driving the shell's own completion:
#   bash: the function called as bash calls it, with COMP_WORDS, COMP_CWORD, COMP_LINE and
#         COMP_POINT, both with bash-completion loaded (as an installed completion runs) and
#         in a plain bash;
#   zsh:  an interactive zsh on a pseudo-terminal, compinit loading the function, Tab
#         pressed (zsh-complete.zsh);
#   fish: fish's "complete -C".
# The options and values offered are compared with what tessaro-cli's own --help, keys and
# refusals say. Exits 77 when the shell is not installed.
# Usage: check-completion.sh bash|zsh|fish COMPLETION-FILE TESSARO-CLI
set -u
shell=$1
completion=$2
cli=$3
here=$(cd "$(dirname "$0")" && pwd)
failures=0
mode=$shell

command -v "$shell" >/dev/null || { echo "$shell is not installed"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL [$mode]: $*"
    failures=$((failures + 1))
}

# The words bash makes of a command line: split at blanks, and at "=" and ":" (each run of
# them a word of its own); a line ending in a blank has an empty word last.
split_line() {
    local line=$1 word= c i
    WORDS=()
    for ((i = 0; i < ${#line}; i++)); do
        c=${line:i:1}
        if [[ $c == ' ' ]]; then
            [[ -n $word ]] && WORDS+=("$word")
            word=
        elif [[ $c == [=:] ]]; then
            if [[ -n $word && $word != *[!=:]* ]]; then word+=$c; else
                [[ -n $word ]] && WORDS+=("$word")
                word=$c
            fi
        else
            if [[ -n $word && $word != *[!=:]* ]]; then
                WORDS+=("$word")
                word=$c
            else word+=$c; fi
        fi
    done
    WORDS+=("$word")
}

# The candidates the shell offers at the end of LINE, one a line.
candidates() {
    local line=$1
    case $shell in
        bash)
            split_line "$line"
            COMP_WORDS=("${WORDS[@]}")
            COMP_CWORD=$((${#WORDS[@]} - 1))
            COMP_LINE=$line
            COMP_POINT=${#line}
            COMPREPLY=()
            _tessaro_cli tessaro-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" \
                2>/dev/null
            printf '%s\n' "${COMPREPLY[@]}"
            ;;
        zsh)
            local folder
            folder=$(dirname "$completion")
            timeout 30 zsh -f "$here/zsh-complete.zsh" "$folder" \
                "$scratch/${folder##*/}.zcompdump" "$line"
            ;;
        fish)
            timeout 30 fish --no-config -c 'source $argv[1]; complete -C $argv[2]' \
                "$completion" "$line" | cut -f1
            ;;
    esac
}

# The candidates sorted, each as the word it completes ends: a value after "KEY=" without
# the key, a folder without its "/"; short options (zsh offers them with the long ones)
# left out.
complete_line() {
    local line=$1 word candidate
    word=${line##* }
    candidates "$line" | while IFS= read -r candidate; do
        [[ -z $candidate || $candidate == -[!-] ]] && continue
        [[ $word == *=* && $candidate == "${word%=*}="* ]] && candidate=${candidate#"${word%=*}="}
        [[ $candidate != /* && -d $candidate ]] && candidate=${candidate%/}
        printf '%s\n' "$candidate"
    done | LC_ALL=C sort -u
}

expect() { # LINE EXPECTED-WORDS...
    local line=$1 got want
    shift
    got=$(complete_line "$line")
    want=$(printf '%s\n' "$@" | sed '/^$/d' | LC_ALL=C sort -u)
    if [[ $got != "$want" ]]; then
        fail "\"$line\" offers [${got//$'\n'/ }], not [${want//$'\n'/ }]"
    fi
}

# The long options a --help lists.
help_options() {
    "$cli" "$@" --help | sed -n 's/^ *\(-[-a-zA-Z,]*\).*/\1/p' | tr ',' '\n' | grep '^--'
}
# The values a --help lists for an option as {a,b}.
help_values() { # SUBCOMMAND OPTION
    "$cli" "$1" --help | sed -n "s/^ *$2 [A-Z]*:{\([^}]*\)}.*/\1/p" | tr ',' '\n'
}

run_checks() {
    expect 'tessaro-cli se' send
    expect 'tessaro-cli detect --port CO' COM1 COM2 COM3 COM4 COM5 COM6
    expect 'tessaro-cli recover --port US' USB1 USB2 USB3 USB4
    expect 'tessaro-cli send x.pcf --port tc' tcp://
    expect 'tessaro-cli provision x.pcf -p LP' LPT1 LPT2

    # Device files: serial, USB printer and parallel devices, not the rest of /dev.
    local devices
    devices=$(compgen -G '/dev/tty[SUA]*' | grep -E '^/dev/tty(S|USB|ACM)')
    expect 'tessaro-cli detect --port /dev/tty' $devices
    expect 'tessaro-cli detect --port /dev/nul'

    # The subcommands and the options of each are those of --help.
    local subcommands
    subcommands=$("$cli" --help | sed -n '/^Subcommands:/,$s/^  \([a-z][a-z]*\) .*/\1/p')
    [[ -n $subcommands ]] || fail "no subcommand found in tessaro-cli --help"
    expect 'tessaro-cli ' $subcommands
    expect 'tessaro-cli --' $(help_options)
    local sub
    for sub in $subcommands; do
        expect "tessaro-cli $sub --" $(help_options "$sub")
    done
    expect 'tessaro-cli detect --handshake ' $(help_values detect --handshake)
    expect 'tessaro-cli show --chipset ' $(help_values show --chipset)
    expect 'tessaro-cli show --power ' $(help_values show --power)

    # The speeds are those tessaro-cli takes: it names them when it refuses one.
    local speeds
    speeds=$("$cli" show --port-speed 7 2>&1 >/dev/null | sed -n 's/.*use //p' |
             sed 's/ or /, /' | tr -d ',' | head -n 1)
    [[ -n $speeds ]] || fail "tessaro-cli show --port-speed 7 names no speeds"
    # A printer command also takes auto, which it names first.
    local printerSpeeds
    printerSpeeds=$("$cli" detect --speed 7 2>&1 >/dev/null | sed -n 's/.*use //p' |
                    sed 's/ or /, /' | tr -d ',' | head -n 1)
    [[ $printerSpeeds == "auto $speeds" ]] ||
        fail "tessaro-cli detect --speed 7 names '$printerSpeeds', not auto and the speeds"
    expect 'tessaro-cli detect --speed ' $printerSpeeds
    expect 'tessaro-cli provision x.pcf --speed a' auto
    expect 'tessaro-cli show --port-speed 1' $(printf '%s\n' $speeds | grep '^1')

    # The keys of --set are those tessaro-cli keys lists, each followed by "=".
    local keys
    keys=$("$cli" keys | awk '{ print $1 "=" }')
    [[ $(wc -l <<<"$keys") -gt 30 ]] || fail "tessaro-cli keys lists too few keys"
    expect 'tessaro-cli show --set ' $keys
    expect 'tessaro-cli show --set SliderMaxc' SliderMaxcolumn= SliderMaxcurrent=
    expect 'tessaro-cli show FILE --set height2=' True
    expect 'tessaro-cli show --set ENContPaper=' True False
    expect 'tessaro-cli show --set serialspeed=' 0 1 2 3 4 5 6 7 8
    expect 'tessaro-cli show --set SliderMaxcurrent=3' 3 30 31 32
    expect 'tessaro-cli show --set SliderPLlength=' # too many to list

    # Files: .pcf profiles (any case) and folders where a profile goes, any file for --log;
    # once its profiles are given, a subcommand's options.
    local dir=$scratch/files
    mkdir -p "$dir/folder"
    touch "$dir/a.pcf" "$dir/b.PCF" "$dir/c.txt"
    (
        failures=0
        cd "$dir" || exit 1
        expect 'tessaro-cli show ' a.pcf b.PCF folder
        expect 'tessaro-cli send ' a.pcf b.PCF folder
        expect 'tessaro-cli send --port COM1 ' a.pcf b.PCF folder
        expect 'tessaro-cli show --save ' a.pcf b.PCF folder
        expect 'tessaro-cli diff a.pcf ' a.pcf b.PCF folder factory
        expect 'tessaro-cli send a.pcf --log ' a.pcf b.PCF c.txt folder
        expect 'tessaro-cli send a.pcf ' $(help_options send)
        # An option given is not offered again, unless it can be repeated.
        expect 'tessaro-cli send a.pcf --port COM1 ' $(help_options send | grep -vx -- --port)
        expect 'tessaro-cli send a.pcf -p COM1 --yes ' \
            $(help_options send | grep -vx -- --port | grep -vx -- --yes)
        expect 'tessaro-cli provision a.pcf --port COM1 --' $(help_options provision)
        expect 'tessaro-cli show --set width2=True ' a.pcf b.PCF folder
        expect 'tessaro-cli diff a.pcf factory ' $(help_options diff)
        expect 'tessaro-cli status ' $(help_options status)
        exit $failures
    ) || failures=$((failures + $?))
    folder_checks
}

# A folder of devices (/dev/serial/by-id/) is offered as the folder on the way, then its
# devices: tried on a copy of the completion that looks for them in a scratch folder.
folder_checks() {
    local by_id=$scratch/dev/serial/by-id copy=$scratch/copy/${completion##*/}
    mkdir -p "$by_id" "${copy%/*}"
    touch "$by_id/usb-FTDI_FT232R-if00-port0" "$by_id/usb-Prolific_PL2303-if00-port0"
    sed "s#/dev/serial/by-id/#$by_id/#" "$completion" >"$copy"
    [[ $shell == bash ]] && source "$copy"
    local completion=$copy
    expect "tessaro-cli detect --port $scratch/d" "$by_id/"
    expect "tessaro-cli detect --port $scratch/dev/serial/" "$by_id/"
    expect "tessaro-cli detect --port $by_id/" \
        "$by_id/usb-FTDI_FT232R-if00-port0" "$by_id/usb-Prolific_PL2303-if00-port0"
}

case $shell in
    bash)
        library=
        for candidate in /usr/share/bash-completion/bash_completion /etc/bash_completion; do
            [[ -r $candidate ]] && library=$candidate && break
        done
        if [[ -n $library ]]; then
            mode=bash-completion
            (
                failures=0
                source "$library"
                source "$completion"
                declare -F _init_completion >/dev/null || fail "bash-completion did not load"
                run_checks
                exit $failures
            ) || failures=$((failures + $?))
        else
            echo "note: bash-completion is not installed; checking the plain bash only"
        fi
        mode=plain
        (
            failures=0
            source "$completion"
            declare -F _init_completion >/dev/null && fail "bash-completion is loaded"
            run_checks
            exit $failures
        ) || failures=$((failures + $?))
        ;;
    zsh | fish)
        "$shell" -n "$completion" || fail "$shell -n finds the completion wrong"
        run_checks
        ;;
esac

if [[ $failures -ne 0 ]]; then
    echo "$failures failed"
    exit 1
fi
echo "OK: $completion"
