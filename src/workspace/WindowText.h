// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marks a text of the tables that the window shows in the user's language: the translation
// tools find the texts by this name and file them under the context given. The tables and the
// command line keep the English text as it stands.

#define TESSARO_TEXT(context, text) text
