#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the bash, zsh and fish completions of tessaro-cli from what the program says of
itself: its subcommands and options (tessaro-cli --completion-table, read from the parser's
own definitions) and the keys of --set (tessaro-cli keys --json).

Usage: generate.py TESSARO-CLI BASH-FILE ZSH-FILE FISH-FILE
"""

import json
import shlex
import subprocess
import sys

HEADER = """# SPDX-License-Identifier: GPL-3.0-or-later
# {shell} completion for tessaro-cli: subcommands, their options, ports, .pcf files, speeds
# and the keys of --set with their values. Written by data/completion/generate.py from
# "tessaro-cli --completion-table" and "tessaro-cli keys --json": do not edit."""

# A slider with more values than this lists none.
MOST_LISTED_VALUES = 33


def ask(program, *arguments):
    result = subprocess.run([program, *arguments], check=True, capture_output=True, text=True)
    return json.loads(result.stdout)


def key_values(key):
    """The values --set takes for a key, each with what it means ("" when nothing)."""
    kind = key["kind"]
    if kind == "checkbox":
        return [("True", ""), ("False", "")]
    if kind == "option":
        return [("True", "")]
    low, high = key["min"], key["max"]
    if kind == "list":
        entries = key["entries"] or []
        return [(str(v), entries[v - low] if v - low < len(entries) else "")
                for v in range(low, high + 1)]
    if high - low + 1 > MOST_LISTED_VALUES:
        return []
    return [(str(v), "") for v in range(low, high + 1)]


class Table:
    def __init__(self, table, keys):
        self.program = table["name"]
        self.top_options = table["options"]
        self.subcommands = table["subcommands"]
        self.ports = table["ports"]
        self.devices = table["devices"]
        self.keys = keys["keys"]
        # Every option that takes a value, whatever the subcommand: each name means the
        # same in all of them.
        self.value_names = []
        takes = {}
        for command in [table] + self.subcommands:
            for option in command["options"]:
                for name in option["names"]:
                    has_value = option["value"] is not None
                    if takes.setdefault(name, has_value) != has_value:
                        sys.exit(f"generate.py: {name} takes a value in one subcommand only")
                    if has_value and name not in self.value_names:
                        self.value_names.append(name)
                value = option["value"]
                if value is not None and value["kind"] == "choice" and not value["choices"]:
                    # It would complete nothing: a check with its choices, or a row in
                    # src/cli/CompletionTable.cpp, tells what it takes.
                    sys.exit(f"generate.py: {command['name']} {option['names'][0]} takes a "
                             "value the completion knows nothing of")

    def subcommand_names(self):
        return [c["name"] for c in self.subcommands]


def long_names(option):
    return [n for n in option["names"] if n.startswith("--")]


def one_line(text):
    return " ".join(text.split())


# ---- bash ----------------------------------------------------------------------------------


def bash_words(words):
    return shlex.quote(" ".join(words))


def bash_value(value):
    """The bash lines completing an option's value or an operand."""
    kind, choices = value["kind"], value["choices"]
    if kind == "port":
        return ["_tessaro_cli_ports \"$cur\"",
                "# Bash replaces only what follows the last \":\" of \"tcp:\".",
                "declare -F __ltrim_colon_completions >/dev/null && "
                "__ltrim_colon_completions \"$cur\""]
    if kind == "key":
        return ["_tessaro_cli_keys \"$cur\""]
    lines = []
    if kind in ("profile", "file"):
        lines.append(f"_tessaro_cli_files {'pcf' if kind == 'profile' else 'any'} \"$cur\"")
    if choices:
        assign = "+=" if lines else "="
        lines.append(f"COMPREPLY{assign}($(compgen -W {bash_words(choices)} -- \"$cur\"))")
    return lines


def bash_cases(cases, indent, end):
    """Case branches, the patterns with the same lines joined into one branch."""
    branches = {}
    for pattern, lines in cases:
        branches.setdefault(tuple(lines), []).append(pattern)
    out = []
    for lines, patterns in branches.items():
        out.append(f"{indent}{' | '.join(patterns)})")
        out.extend(f"{indent}    {line}" for line in list(lines) + end)
        out.append(f"{indent}    ;;")
    return out


def write_bash(t):
    out = [HEADER.format(shell="bash")]
    out.append(f"""
# The ports by name, a network printer's "tcp://", and the device files a port may be: on
# the way to a folder's devices (/dev/serial/by-id/), the folder.
_tessaro_cli_ports() {{
    local cur=$1 pattern folder devices=() matches
    for pattern in {" ".join(shlex.quote(d) for d in t.devices)}; do
        matches=($(compgen -G "$pattern"))
        ((${{#matches[@]}})) || continue
        folder=${{pattern%/*}}/
        if [[ ${{#cur}} -lt ${{#folder}} && $folder == "$cur"* ]]; then
            devices+=("$folder")
        else
            devices+=("${{matches[@]}}")
        fi
    done
    COMPREPLY=($(compgen -W "{" ".join(t.ports)} ${{devices[*]}}" -- "$cur"))
    if [[ ${{#COMPREPLY[@]}} -eq 1 && ${{COMPREPLY[0]}} == */ ]]; then
        compopt -o nospace 2>/dev/null # the host or device follows
    fi
}}

# Files: .pcf profiles (any case) and folders, or with "any" every file.
_tessaro_cli_files() {{
    local which=$1 cur=$2
    if declare -F _filedir >/dev/null; then
        if [[ $which == pcf ]]; then _filedir pcf; else _filedir; fi
    else
        compopt -o filenames 2>/dev/null
        if [[ $which == pcf ]]; then
            COMPREPLY=($(compgen -d -- "$cur") $(compgen -f -X '!*.[pP][cC][fF]' -- "$cur"))
        else
            COMPREPLY=($(compgen -f -- "$cur"))
        fi
    fi
}}

# The keys of --set as "KEY=", or with "KEY=" typed, the values that key takes.
_tessaro_cli_keys() {{
    local cur=$1 key values=
    if [[ $cur != *=* ]]; then
        COMPREPLY=($(compgen -W {bash_words(k["key"] + "=" for k in t.keys)} -- "$cur"))
        compopt -o nospace 2>/dev/null
        return
    fi
    key=${{cur%%=*}}
    case $key in""")
    groups = {}
    for key in t.keys:
        values = " ".join(v for v, _ in key_values(key))
        if values:
            groups.setdefault(values, []).append(key["key"])
    for values, names in groups.items():
        out.append(f"        {' | '.join(names)}) values={shlex.quote(values)} ;;")
    out.append("""    esac
    COMPREPLY=($(compgen -W "$values" -- "${cur#*=}"))
    # Bash replaces only what follows the "=" when "=" breaks words (as it does by default).
    if [[ $COMP_WORDBREAKS != *=* ]]; then
        COMPREPLY=("${COMPREPLY[@]/#/$key=}")
    fi
}
""")
    subs = " | ".join(t.subcommand_names())
    out.append(f"""# The long names of the OPTIONs but those among the WORDS given that cannot be repeated;
# an option is its names joined by ",", after a "+" when it can be repeated.
_tessaro_cli_options() {{ # WORDS OPTION...
    local given=" $1 " option name names seen
    shift
    for option; do
        IFS=, read -ra names <<<"${{option#+}}"
        seen=
        if [[ $option != +* ]]; then
            for name in "${{names[@]}}"; do [[ $given == *" $name "* ]] && seen=1; done
        fi
        [[ -n $seen ]] && continue
        for name in "${{names[@]}}"; do [[ $name == --* ]] && printf '%s\\n' "$name"; done
    done
}}

_tessaro_cli() {{
    local cur prev words cword
    if declare -F _init_completion >/dev/null; then
        # bash-completion joins "tcp://host" and "KEY=VALUE" back into one word.
        _init_completion -n := || return
    else
        words=("${{COMP_WORDS[@]}}")
        cword=$COMP_CWORD
        cur=${{COMP_WORDS[COMP_CWORD]}}
        prev=${{COMP_WORDS[COMP_CWORD - 1]}}
        # "--set KEY=" and "--set KEY=VALUE" come in pieces split at "=".
        if [[ $cur == = && ${{words[cword - 2]}} == --set ]]; then
            cur=${{words[cword - 1]}}=
            prev=--set
        elif [[ $prev == = && ${{words[cword - 3]}} == --set ]]; then
            cur=${{words[cword - 2]}}=$cur
            prev=--set
        fi
    fi

    local subcommand= at=0 i
    for ((i = 1; i < cword; i++)); do
        case ${{words[i]}} in
            {subs})
                subcommand=${{words[i]}}
                at=$i
                break
                ;;
        esac
    done

    # The value of an option.
    case $subcommand:$prev in""")
    out.extend(bash_cases([(f"{command['name']}:{name}", bash_value(option["value"]))
                           for command in [{"name": "", "options": t.top_options}] + t.subcommands
                           for option in command["options"] if option["value"] is not None
                           for name in option["names"]], " " * 8, ["return"]))
    out.append(f"""    esac

    # The operands given so far: the words after the subcommand but the options and their
    # values (in a plain bash, "tcp://host" and "KEY=VALUE" come in pieces).
    local given=0
    for ((i = at + 1; at > 0 && i < cword; i++)); do
        case ${{words[i]}} in
            {" | ".join(t.value_names)}) ((i++)) ;;
            -* | *[=:] | [=:]*) ;;
            *) [[ ${{words[i - 1]}} == *[=:] ]] || ((given++)) ;;
        esac
    done

    # Its options, but those given already that cannot be repeated.
    local options
    case $subcommand in""")
    for command in [{"name": "''", "options": t.top_options}] + t.subcommands:
        entries = [("+" if o["repeatable"] else "") + ",".join(o["names"])
                   for o in command["options"]]
        out.append(f"        {command['name']}) options={bash_words(entries)} ;;")
    out.append("""    esac
    options=$(_tessaro_cli_options "${words[*]:at + 1:cword - at - 1}" $options)
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    # An operand while the subcommand wants one, then its options.
    case $subcommand:$given in""")
    out.append(f"        :*) COMPREPLY=($(compgen -W {bash_words(t.subcommand_names())} "
               "-- \"$cur\")) ;;")
    out.extend(bash_cases([(f"{command['name']}:{index}", bash_value(operand["value"]))
                           for command in t.subcommands
                           for index, operand in enumerate(command["operands"])], " " * 8, []))
    out.append("""        *) COMPREPLY=($(compgen -W "$options" -- "$cur")) ;;
    esac
} &&
    complete -F _tessaro_cli tessaro-cli""")
    return "\n".join(out) + "\n"


# ---- zsh -----------------------------------------------------------------------------------


# What the value of an option of each kind is called in a listing.
ZSH_LABELS = {"port": "port", "key": "KEY=VALUE", "profile": ".pcf file", "file": "file",
              "text": "text"}


def zsh_quote(text):
    return "'" + text.replace("'", "'\\''") + "'"


def zsh_describe_item(word, description):
    word = word.replace(":", "\\:")
    return zsh_quote(f"{word}:{one_line(description)}" if description else word)


def zsh_action(value):
    kind, choices = value["kind"], value["choices"]
    if kind == "port":
        return "_tessaro-cli_ports"
    if kind == "key":
        return "_tessaro-cli_keys"
    if kind == "profile":
        return " ".join([" _tessaro-cli_files", "'*.[pP][cC][fF](-.)'", *choices])
    if kind == "file":
        return " _tessaro-cli_files '*'"
    if kind == "text":
        return " "  # anything: nothing to offer
    return "(" + " ".join(c.replace(" ", "\\ ") for c in choices) + ")"


def zsh_bracketed(text):
    text = one_line(text)
    for c in "\\[]:":
        text = text.replace(c, "\\" + c)
    return text


def zsh_arguments(command):
    arguments = []
    for option in command["options"]:
        names = option["names"]
        exclusion = "*" if option["repeatable"] else (
            f"({' '.join(names)})" if len(names) > 1 else "")
        argument = ""
        if option["value"] is not None:
            label = ZSH_LABELS.get(option["value"]["kind"], "value")
            argument = f":{label}:{zsh_action(option['value'])}"
        for name in names:
            arguments.append(f"{exclusion}{name}[{zsh_bracketed(option['description'])}]{argument}")
    for index, operand in enumerate(command.get("operands", []), start=1):
        optional = "" if operand["required"] else ":"
        arguments.append(f"{index}:{optional}{operand['name']}:{zsh_action(operand['value'])}")
    return arguments


def write_zsh(t):
    out = ["#compdef tessaro-cli", HEADER.format(shell="zsh")]
    out.append(f"""
# The ports by name, a network printer's "tcp://", and the device files a port may be: on
# the way to a folder's devices (/dev/serial/by-id/), the folder.
_tessaro-cli_ports() {{
    local pattern folder expl
    local -a names matches devices folders
    names=({" ".join(p for p in t.ports if not p.endswith("/"))})
    for pattern in {" ".join(zsh_quote(d) for d in t.devices)}; do
        matches=(${{~pattern}}(N))
        (( $#matches )) || continue
        folder=${{pattern%/*}}/
        if (( $#PREFIX < $#folder )) && [[ $folder == $PREFIX* ]]; then
            folders+=($folder)
        else
            devices+=($matches)
        fi
    done
    _wanted ports expl port compadd -a names
    _wanted ports expl port compadd -S '' -- {" ".join(p for p in t.ports if p.endswith("/"))} \\
        ${{(u)folders}}
    _wanted devices expl device compadd -f -a devices
}}

# Files matching the pattern, and folders; then the words given besides.
_tessaro-cli_files() {{
    local pattern=$1
    shift
    (( $# )) && compadd -- "$@"
    _files -g "$pattern"
}}

# The keys of --set as "KEY=", or after "KEY=", the values that key takes.
_tessaro-cli_keys() {{
    local -a keys values
    local -A listed
    keys=(""")
    for key in t.keys:
        out.append(f"        {zsh_describe_item(key['key'] + '=', key['caption'])}")
    out.append("    )")
    out.append("    listed=(")
    for key in t.keys:
        values = "\n".join(f"{v}:{one_line(d)}" if d else v for v, d in key_values(key))
        if values:
            out.append(f"        {key['key']} {zsh_quote(values)}")
    out.append("""    )
    if compset -P '*='; then
        values=(${(f)listed[${IPREFIX%=}]})
        _describe -t values value values
    else
        _describe -t keys key keys -S ''
    fi
}

_tessaro-cli() {
    local curcontext=$curcontext state line ret=1
    local -a subcommands
    typeset -A opt_args
    subcommands=(""")
    for command in t.subcommands:
        out.append(f"        {zsh_describe_item(command['name'], command['description'])}")
    out.append("    )")
    out.append("    _arguments -C \\")
    for argument_text in zsh_arguments({"options": t.top_options}):
        out.append(f"        {zsh_quote(argument_text)} \\")
    out.append("""        ': :->subcommand' \\
        '*:: :->argument' && ret=0
    case $state in
        subcommand)
            _describe -t subcommands subcommand subcommands && ret=0
            ;;
        argument)
            curcontext=${curcontext%:*:*}:tessaro-cli-$words[1]:
            case $words[1] in""")
    for command in t.subcommands:
        out.append(f"                {command['name']})")
        out.append("                    _arguments -S \\")
        for argument_text in zsh_arguments(command):
            out.append(f"                        {zsh_quote(argument_text)} \\")
        out.append("                        && ret=0")
        out.append("                    ;;")
    out.append("""            esac
            ;;
    esac
    return ret
}

_tessaro-cli "$@\"""")
    return "\n".join(out) + "\n"


# ---- fish ----------------------------------------------------------------------------------


def fish_quote(text):
    return "'" + text.replace("\\", "\\\\").replace("'", "\\'") + "'"


def write_fish(t):
    subs = " ".join(t.subcommand_names())
    out = [HEADER.format(shell="fish")]
    out.append(f"""
# The subcommand given, and how many of its operands (the words after it but the options and
# their values).
function __tessaro_cli_given
    set -l subcommand
    set -l operands 0
    set -l skip 0
    for word in (commandline -opc)[2..]
        if test $skip = 1
            set skip 0
        else if test -z "$subcommand"
            contains -- $word {subs}; and set subcommand $word
        else if contains -- $word {" ".join(t.value_names)}
            set skip 1
        else if not string match -q -- '-*' $word
            set operands (math $operands + 1)
        end
    end
    echo "$subcommand" $operands
end

# Whether the word to complete is operand N (from 1) of the subcommand.
function __tessaro_cli_operand -a subcommand n
    test "$(__tessaro_cli_given)" = "$subcommand $(math $n - 1)"
end

# Whether the subcommand has all its operands (it has N) and nothing is typed yet: then its
# options are offered as words.
function __tessaro_cli_done -a subcommand n
    set -l given (string split ' ' -- (__tessaro_cli_given))
    test "$given[1]" = $subcommand; and test $given[2] -ge $n; and test -z "$(commandline -ct)"
end

# Whether the subcommand is given ('' for none yet).
function __tessaro_cli_in -a subcommand
    set -l given (string split ' ' -- (__tessaro_cli_given))
    test "$given[1]" = $subcommand
end

# Whether none of the option's names was given before the word to complete; an option
# that takes a value, but as the option whose value the word is.
function __tessaro_cli_unseen -a takes
    set -l words (commandline -opc)[2..]
    test $takes = value; and set -q words[1]; and set -e words[-1]
    for name in $argv[2..]
        contains -- $name $words; and return 1
    end
    return 0
end

# The ports by name, a network printer's "tcp://", and the device files a port may be: on
# the way to a folder's devices (/dev/serial/by-id/), the folder.
function __tessaro_cli_ports
    set -l token (commandline -ct)
    printf '%s\\n' {" ".join(t.ports)}
    set -l folders
    for pattern in {" ".join(fish_quote(d) for d in t.devices)}
        set -l folder (string replace -r '[^/]*$' '' -- $pattern)
        set -l matches (eval "for f in $pattern; echo \\$f; end")
        test (count $matches) -gt 0; or continue
        if test (string length -- $token) -lt (string length -- $folder); and string match -q -- "$token*" $folder
            contains -- $folder $folders; or set -a folders $folder
        else
            printf '%s\\n' $matches
        end
    end
    printf '%s\\n' $folders
end

# Files: with "pcf" .pcf profiles (any case) and folders; then the words given besides.
function __tessaro_cli_files -a which
    set -l files (complete -C "__fish_command_without_completions $(commandline -ct)")
    if test "$which" = pcf
        string match -ri -- '^.*(?:\\.pcf|/)$' $files
    else
        printf '%s\\n' $files
    end
    printf '%s\\n' $argv[2..]
end

# The keys of --set as "KEY=", or after "KEY=", the values that key takes.
function __tessaro_cli_keys
    set -l token (commandline -ct)
    if not string match -q -- '*=*' $token
        printf '%s=\\t%s\\n' \\""")
    for key in t.keys:
        out.append(f"            {key['key']} {fish_quote(one_line(key['caption']))} \\")
    out.append("""
        return
    end
    set -l key (string split -m 1 = -- $token)[1]
    switch $key""")
    for key in t.keys:
        values = key_values(key)
        if not values:
            continue
        out.append(f"        case {key['key']}")
        items = " ".join(f"{v} {fish_quote(one_line(d))}" for v, d in values)
        out.append(f"            printf \"$key=%s\\t%s\\n\" {items}")
    out.append("    end\nend\n")

    c = "complete -c tessaro-cli"
    out.append(f"{c} -f")
    for command in t.subcommands:
        out.append(f"{c} -n \"__tessaro_cli_in ''\" "
                   f"-a {command['name']} -d {fish_quote(one_line(command['description']))}")

    def fish_unseen(option):
        if option["repeatable"]:
            return ""
        takes = "value" if option["value"] is not None else "flag"
        return f"; and __tessaro_cli_unseen {takes} {' '.join(option['names'])}"

    def option_lines(condition, command):
        lines = []
        for option in command["options"]:
            names = " ".join(f"-l {n[2:]}" if n.startswith("--") else f"-s {n[1:]}"
                             for n in option["names"])
            line = f"{c} -n {fish_quote(condition + fish_unseen(option))} {names}"
            value = option["value"]
            if value is not None:
                line += " -x -a " + fish_quote(fish_arguments(value))
            lines.append(f"{line} -d {fish_quote(one_line(option['description']))}")
        return lines

    def fish_arguments(value):
        kind, choices = value["kind"], value["choices"]
        if kind == "port":
            return "(__tessaro_cli_ports)"
        if kind == "key":
            return "(__tessaro_cli_keys)"
        if kind in ("profile", "file"):
            which = "pcf" if kind == "profile" else "any"
            return f"(__tessaro_cli_files {which} {' '.join(choices)})".replace(" )", ")")
        return " ".join(choices)

    out.extend(option_lines("__tessaro_cli_in ''",
                            {"options": t.top_options}))
    for command in t.subcommands:
        name = command["name"]
        out.append("")
        out.extend(option_lines(f"__tessaro_cli_in {name}", command))
        for index, operand in enumerate(command["operands"], start=1):
            out.append(f"{c} -n {fish_quote(f'__tessaro_cli_operand {name} {index}')} -k "
                       f"-a {fish_quote(fish_arguments(operand['value']))}")
        done = f"__tessaro_cli_done {name} {len(command['operands'])}"
        for option in command["options"]:
            for n in long_names(option):
                out.append(f"{c} -n {fish_quote(done + fish_unseen(option))} -a {n} "
                           f"-d {fish_quote(one_line(option['description']))}")
    return "\n".join(out) + "\n"


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    program, bash_file, zsh_file, fish_file = sys.argv[1:]
    t = Table(ask(program, "--completion-table"), ask(program, "keys", "--json"))
    for path, text in ((bash_file, write_bash(t)), (zsh_file, write_zsh(t)),
                       (fish_file, write_fish(t))):
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)


if __name__ == "__main__":
    main()
