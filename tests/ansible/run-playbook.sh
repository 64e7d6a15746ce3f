#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs contrib/ansible's playbook on this machine (ansible-playbook -c local, nothing
# installed) against two virtual printers, as a fleet rollout would run it on a station.
#   provision: both printers in one run, then the audit log's two records; a second run with
#              a port that does not exist fails and shows tessaro-cli's message for it.
#   send:      one run a port, with a profile on the host named "-profile.pcf" relative to
#              the folder tessaro-cli runs in, taken as a file, not as options; each
#              printer's task is changed.
#   twice:     a profile that changes the printers' serial speed, stored twice: the second run
#              finds them at their new speed, and both runs are changed and succeed.
#   check:     --check --diff: each printer is only asked (it hears no command that sets
#              anything, nor the saving sequence), and the diff shows the commands of
#              "tessaro-cli show PROFILE --bytes" for each port.
# Usage: run-playbook.sh TESSARO-CLI TESSARO-PRINTER-SIM PLAYBOOK provision|send|twice|check
# Exits 77 (skipped) when ansible-playbook is not installed (scripts/setup installs it).
set -u
cli=$1
sim=$2
playbook=$3
mode=$4

if ! command -v ansible-playbook >/dev/null; then
    echo "ansible-playbook is not installed (scripts/setup installs ansible-core): skipped"
    exit 77
fi

tmp=$(mktemp -d)
sim_pids=()
cleanup() {
    [[ ${#sim_pids[@]} -gt 0 ]] && kill "${sim_pids[@]}" 2>/dev/null
    wait
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

# Starts a virtual printer and sets $device to its pseudo-terminal; what it decodes goes to
# $tmp/NAME.log. It stops by itself after 5 minutes should this script be killed before its
# trap runs.
start_printer() { # NAME
    local out line
    exec {out}< <(exec "$sim" --time-limit 300)
    sim_pids+=($!)
    read -r -t 10 -u "$out" line || fail "tessaro-printer-sim printed nothing within 10 s"
    [[ $line == "PTY /dev/"* ]] || fail "tessaro-printer-sim printed \"$line\", not its terminal"
    device=${line#PTY }
    cat <&"$out" >"$tmp/$1.log" & # read so that it never blocks on a full pipe
    sim_pids+=($!)
    exec {out}<&-
}
start_printer a
printer_a=$device
start_printer b
printer_b=$device

# Ansible keeps its files under the temporary folder, reads no configuration of the user's
# and prints plain text, whatever the environment says.
mkdir "$tmp/home"
: >"$tmp/ansible.cfg"
export HOME=$tmp/home ANSIBLE_CONFIG=$tmp/ansible.cfg ANSIBLE_LOCAL_TEMP=$tmp/ansible-tmp
export ANSIBLE_NOCOLOR=1 ANSIBLE_FORCE_COLOR=0 ANSIBLE_RETRY_FILES_ENABLED=0
export ANSIBLE_STDOUT_CALLBACK=default ANSIBLE_PYTHON_INTERPRETER=auto_silent LC_ALL=C.UTF-8

if [[ $mode == twice ]]; then # 19200 bauds: the printers start at 9600
    printf '[Setup and hardware control]\r\nSliderMaxcurrent=7\r\nserialspeed=4\r\n' \
        >"$tmp/profile.pcf"
else
    printf '[Setup and hardware control]\r\nSliderMaxcurrent=7\r\nSliderPFSspeed=80\r\n' \
        >"$tmp/profile.pcf"
fi
audit=$tmp/log/audit.jsonl

# Runs the playbook with the role's variables as JSON (PORTS a JSON list), output in $tmp/NAME.out.
run_playbook() { # NAME PORTS [ANSIBLE-PLAYBOOK-ARGS...]
    local name=$1 ports=$2
    shift 2
    cat >"$tmp/$name.json" <<VARS
{"tessaro_hosts": "all", "ansible_become": false, "tessaro_install": false,
 "tessaro_cli": "$cli", "tessaro_profile": "$tmp/profile.pcf", "tessaro_state_dir": "$tmp/host",
 "tessaro_ports": $ports, "tessaro_mode": "${role_mode:-$mode}", "tessaro_audit_log": "$audit",
 "tessaro_timeout": 60, "tessaro_label": "order 4711"}
VARS
    timeout 150 ansible-playbook -i localhost, -c local "$playbook" -e "@$tmp/$name.json" "$@" \
        >"$tmp/$name.out" 2>&1
}

# The status lines of the task that runs tessaro-cli, without the item's result details.
run_task_lines() { # NAME
    sed -n "/^TASK \[tessaro_provision : Run tessaro-cli ${role_mode:-$mode}\]/,/^\$/p" \
        "$tmp/$1.out" | sed -n 's/ => {.*//; /^[a-z]*: \[localhost\]/p'
}

both="[\"$printer_a\", \"$printer_b\"]"

if [[ $mode == twice ]]; then
    role_mode=provision
    for run in first second; do
        run_playbook "$run" "$both"
        status=$?
        cat "$tmp/$run.out"
        [[ $status -eq 0 ]] || fail "the $run run exited with $status"
        [[ $(run_task_lines "$run") == "changed: [localhost] => (item=$printer_a $printer_b)" ]] ||
            fail "the $run run did not report the printers changed"
        grep -q '^localhost *: ok=.* failed=0 ' "$tmp/$run.out" || fail "the $run run failed a task"
    done
    # The first run found the printers at 9600 and left them at 19200; the second found
    # them there.
    python3 - "$audit" <<'CHECK' || exit 1
import json, sys
records = [json.loads(line) for line in open(sys.argv[1])]
speeds = [(r.get("result"), r.get("speed"), r.get("speed_after")) for r in records]
want = [("ok", 9600, 19200)] * 2 + [("ok", 19200, None)] * 2
if speeds != want:
    print(f"FAIL: {sys.argv[1]}: (result, speed, speed_after) {speeds}, not {want}")
    sys.exit(1)
CHECK
    echo "OK: the second run found $printer_a and $printer_b at the speed the first left them at"
    exit 0
fi

if [[ $mode == check ]]; then
    role_mode=provision
    run_playbook check "$both" --check --diff
    status=$?
    cat "$tmp/check.out"
    [[ $status -eq 0 ]] || fail "ansible-playbook --check exited with $status"
    [[ ! -e $audit ]] || fail "check mode wrote the audit log $audit"
    [[ ! -e $tmp/host ]] || fail "check mode made $tmp/host"
    # What a real run would change is the printers, and nothing else: the one task changed
    # is the one that shows them (its two items above).
    grep -q '^localhost *: ok=.* changed=1 .* failed=0 ' "$tmp/check.out" ||
        fail "check mode reported changed another task than the printers'"
    # Every diff shows the commands show --bytes composes for the virtual printer (a 5 V
    # chipset on a 24 V supply at 9600 bauds), one "+" line each.
    commands=$("$cli" show "$tmp/profile.pcf" --bytes --chipset 5 --power 24 --port-speed 9600)
    [[ -n $commands ]] || fail "tessaro-cli show --bytes printed no commands"
    for printer in "$printer_a" "$printer_b"; do
        diff=$(sed -n "/^+++ after: $(sed 's/[\/&.]/\\&/g' <<<"$printer"): /,/^\(changed\|ok\|TASK\)/p" \
            "$tmp/check.out" | sed -n 's/^+\([0-9A-F][0-9A-F] .*\)/\1/p')
        [[ $diff == "$commands" ]] ||
            fail "the diff for $printer shows [${diff//$'\n'/|}], not [${commands//$'\n'/|}]"
    done
    # The printers were only asked: each heard requests and queries (or bytes at another
    # speed it did not take), never a command that sets something, nor the saving sequence.
    for name in a b; do
        grep -q 'identity request' "$tmp/$name.log" || fail "printer $name was not detected"
        if grep -v -e 'request -> ' -e 'query -> ' -e '^CAN  cancel$' -e ' not heard: ' \
            "$tmp/$name.log"; then
            fail "printer $name heard the commands above in check mode"
        fi
    done
    # A port where no printer can be found fails the host, as a real run would, with the
    # role's one line.
    absent=$tmp/no-such-port
    run_playbook check-absent "[\"$printer_a\", \"$absent\"]" --check --diff
    status=$?
    cat "$tmp/check-absent.out"
    [[ $status -ne 0 ]] || fail "check mode passed though $absent does not exist"
    want="fatal: [localhost]: FAILED! => {\"changed\": false, \"msg\": \"$absent: This port does not exist: $absent: no such device (port_absent)\"}"
    [[ $(grep -E '^(fatal|failed): ' "$tmp/check-absent.out") == "$want" ]] ||
        fail "check mode's failure is not the one line: $want"
    echo "OK: check mode only detected $printer_a and $printer_b and showed their commands"
    exit 0
fi
if [[ $mode == send ]]; then
    # tessaro-cli run in a folder of ours, where the profile is.
    mkdir "$tmp/here"
    cp "$tmp/profile.pcf" "$tmp/here/-profile.pcf"
    printf '#!/bin/sh\ncd "%s" && exec "%s" "$@"\n' "$tmp/here" "$cli" >"$tmp/cli-here"
    chmod +x "$tmp/cli-here"
    run_playbook stored "$both" \
        -e "{\"tessaro_cli\": \"$tmp/cli-here\", \"tessaro_profile_on_host\": \"-profile.pcf\"}"
else
    run_playbook stored "$both"
fi
status=$?
cat "$tmp/stored.out"
[[ $status -eq 0 ]] || fail "ansible-playbook exited with $status storing $printer_a and $printer_b"

if [[ $mode == send ]]; then
    want=$(printf 'changed: [localhost] => (item=%s)\n' "$printer_a" "$printer_b")
    [[ $(run_task_lines stored) == "$want" ]] ||
        fail "tessaro-cli send was not reported changed for each printer"
    [[ $(wc -l <"$audit") -eq 2 ]] || fail "send did not append a record per printer to $audit"
    echo "OK: send stored the profile in $printer_a and $printer_b"
    exit 0
fi

[[ $(run_task_lines stored) == "changed: [localhost] => (item=$printer_a $printer_b)" ]] ||
    fail "tessaro-cli provision was not reported changed for $printer_a $printer_b"

# One record per printer: each stored this profile, and names the port it was given.
python3 - "$audit" "$tmp/profile.pcf" "$printer_a" "$printer_b" <<'CHECK' || exit 1
import hashlib, json, sys
audit, profile, *ports = sys.argv[1:]
with open(audit) as log:
    records = [json.loads(line) for line in log]
digest = hashlib.sha256(open(profile, "rb").read()).hexdigest()
problems = []
if len(records) != 2:
    problems.append(f"{len(records)} records, not 2")
for r in records:
    if r.get("result") != "ok" or r.get("profile_sha256") != digest:
        problems.append(f"record {r}: not result ok with the profile's sha256 {digest}")
    if r.get("label") != "order 4711":
        problems.append(f"record {r}: not labelled with tessaro_label")
named = sorted(r.get("port", "") for r in records)
if named != sorted(ports):
    problems.append(f"ports {named}, not {sorted(ports)}")
for p in problems:
    print(f"FAIL: {audit}: {p}")
sys.exit(1 if problems else 0)
CHECK

# A port that does not exist fails the host with what tessaro-cli says of it; the other
# printer is still served.
absent=$tmp/no-such-port
run_playbook absent "[\"$printer_a\", \"$absent\"]"
status=$?
cat "$tmp/absent.out"
[[ $status -ne 0 ]] || fail "ansible-playbook exited with 0 though $absent does not exist"

python3 - "$audit" "$tmp/absent.out" "$printer_a" "$absent" <<'CHECK' || exit 1
import json, re, sys
audit, output, printer, absent = sys.argv[1:]
with open(audit) as log:
    records = {r.get("port"): r for r in map(json.loads, log.readlines()[2:])}
problems = []
if set(records) != {printer, absent}:
    problems.append(f"{audit}: the second run's records name {sorted(records)}")
elif records[printer].get("result") != "ok" or records[absent].get("result") != "port_absent":
    problems.append(f"{audit}: {printer} not ok or {absent} not port_absent: {records}")
else:
    # The one failure shown is the role's: one line naming the port and tessaro-cli's
    # message, not a whole JSON document of tessaro-cli's output.
    text = open(output).read()
    failures = re.findall(r"^(?:fatal|failed): \[localhost\].*$", text, re.M)
    failed = re.fullmatch(r"fatal: \[localhost\]: FAILED! => (\{.*\})", failures[0]) \
        if len(failures) == 1 else None
    message = f"{absent}: " + records[absent].get("message", "").replace("\n", ": ")
    msg = json.loads(failed.group(1)).get("msg", "") if failed else ""
    if message not in msg or "\n" in msg:
        problems.append(f"the playbook's failures {failures} are not one line saying \"{message}\"")
for p in problems:
    print(f"FAIL: {p}")
sys.exit(1 if problems else 0)
CHECK
echo "OK: provision stored the profile in $printer_a and $printer_b and failed on $absent"
