// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: `--lab N` opens that lab's window at once,
// `--lang en|ru` sets the starting language, `--help` and `--version` print
// and end. Read with Qt's command-line parser; a refusal is one line.
#pragma once

#include <QString>
#include <QStringList>

namespace ohmaris {

struct StartOptions {
    int lab = 0;      // 1..8, or 0 for the chooser
    int language = 0; // 1 English, 2 Russian, or 0 for the system locale's
};

// Unknown: an option this program does not know, perhaps one of Qt's own
// (-platform, -style), which only QApplication can take out; the
// arguments QApplication leaves are then read again.
enum class StartAction { Run, Help, Version, Refused, Unknown };

// Exit status of a refused command line.
constexpr int kStartUsageError = 2;

// Reads the program's arguments (the first is the program's name). For
// Help and Version `text` is what to print; for Refused and Unknown, one
// line naming the problem (ending in a line feed).
StartAction ParseStartOptions(const QStringList &arguments, StartOptions &options, QString &text);

// Starts the program as the options say: the language (asked, or the
// system locale's) and then the chooser, or the chosen lab's window opened
// as Next opens it, with the chooser hidden behind it and that lab
// selected. Returns false when the language file cannot be read (it has
// been reported).
bool StartProgram(const StartOptions &options);

} // namespace ohmaris
