#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs ansible-lint with its production profile on contrib/ansible: the role, its playbook and
# its example inventory. Usage: lint.sh CONTRIB-ANSIBLE-FOLDER
# Exits 77 (skipped) when ansible-lint is not installed (scripts/setup installs it).
set -u
folder=$1

if ! command -v ansible-lint >/dev/null; then
    echo "ansible-lint is not installed (scripts/setup installs it): skipped"
    exit 77
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Its caches and Ansible's files go to the temporary folder; no configuration of the user's is
# read, and nothing is fetched.
mkdir "$tmp/home"
: >"$tmp/ansible.cfg"
export HOME=$tmp/home ANSIBLE_LOCAL_TEMP=$tmp/ansible-tmp ANSIBLE_CONFIG=$tmp/ansible.cfg
export ANSIBLE_NOCOLOR=1 NO_COLOR=1
cd "$folder" || exit 1
ansible-lint --offline --nocolor --profile production --project-dir . \
    provision.yml roles/tessaro_provision
