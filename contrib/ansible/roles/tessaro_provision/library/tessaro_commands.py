#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The commands a printer would be sent, as the diff of a check-mode run."""

from ansible.module_utils.basic import AnsibleModule

DOCUMENTATION = r"""
module: tessaro_commands
short_description: Show the commands a printer would be sent
description:
  - Returns the commands as the task's diff (shown with --diff), and changed, since a real
    run would store them. It talks to no printer. A printer's settings cannot be read back,
    so the diff's before side is empty.
options:
  port:
    description: The printer's port, as tessaro-cli took it.
    type: str
    required: true
  printer:
    description: What detection found on the port.
    type: str
    default: ""
  commands:
    description: The commands as tessaro-cli show --bytes prints them, one a line.
    type: list
    elements: str
    required: true
author: The Tessaro developers
"""


def main():
    module = AnsibleModule(
        argument_spec={
            "port": {"type": "str", "required": True},
            "printer": {"type": "str", "default": ""},
            "commands": {"type": "list", "elements": "str", "required": True},
        },
        supports_check_mode=True,
    )
    port = module.params["port"]
    commands = module.params["commands"]
    module.exit_json(
        changed=True,
        commands=commands,
        diff={
            "before_header": port + ": the printer's settings (they cannot be read back)",
            "before": "",
            "after_header": port + ": the commands it would be sent (" + module.params["printer"]
            + ")",
            "after": "".join(command + "\n" for command in commands),
        },
    )


if __name__ == "__main__":
    main()
