// The command line: a tree file to open at start, or a question answered without a window.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kvistra::ui {

// Answers --help and --version on standard output, in Danish, before any window or display is
// needed; gives the exit code when it answered, nothing when the program should start.
std::optional<int> answerWithoutWindow(const QStringList& arguments);

// What to start with, read after Qt has taken its own options (such as -platform) out.
struct StartArguments {
  QString treeFile;             // empty when none is named
  std::optional<int> exitCode;  // set when the command line was refused
};
StartArguments readStartArguments(const QStringList& arguments);

}  // namespace kvistra::ui
