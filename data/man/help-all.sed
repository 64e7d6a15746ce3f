# SPDX-License-Identifier: GPL-3.0-or-later
# Rewrites CLI11's --help-all for help2man: the subcommands become a section of their own,
# each with a sub-heading, its description as a paragraph and its options as a list.
s/^Subcommands:$/*Subcommands*/
s/^\([a-z][a-z-]*\)$/\1:/
s/^  \(Positionals\|Options\):$//
