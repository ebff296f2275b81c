#include "ui/CommandLine.h"

#include <QCommandLineParser>
#include <cstdio>

namespace kvistra::ui {

namespace {

// Exit code for a command line the program does not understand, as other programs use it.
constexpr int UsageExitCode = 2;

constexpr const char* HelpText =
    "Brug: kvistra [tilvalg] [træ.KV3]\n"
    "\n"
    "Kvistra tegner sandsynlighedstræer og beregner sandsynligheden for hændelser.\n"
    "En træfil (.KV3) på kommandolinjen åbnes, når programmet er startet.\n"
    "\n"
    "Tilvalg:\n"
    "  -h, --help     vis denne hjælp og afslut\n"
    "  -v, --version  vis programmets version og afslut\n"
    "\n"
    "Qt's egne tilvalg, fx -platform offscreen, virker også.\n"
    "Tryk F1 i programmet for at få hjælp til at bruge det.\n";

// Parses arguments; Qt's own options are single-dash words, so such a word is one option.
struct ParsedArguments {
  QCommandLineOption help{{"h", "help"}};
  QCommandLineOption version{{"v", "version"}};
  QCommandLineParser parser;
  bool understood = false;

  explicit ParsedArguments(const QStringList& arguments) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({help, version});
    understood = parser.parse(arguments);
  }
};

void write(std::FILE* stream, const QString& text) {
  std::fputs(text.toUtf8().constData(), stream);
}

}  // namespace

std::optional<int> answerWithoutWindow(const QStringList& arguments) {
  const ParsedArguments parsed(arguments);
  if (parsed.parser.isSet(parsed.help)) {
    write(stdout, QString::fromUtf8(HelpText));
    return 0;
  }
  if (parsed.parser.isSet(parsed.version)) {
    write(stdout, QStringLiteral("Kvistra %1\n").arg(KVISTRA_VERSION));
    return 0;
  }
  return std::nullopt;
}

StartArguments readStartArguments(const QStringList& arguments) {
  const ParsedArguments parsed(arguments);
  if (!parsed.understood) {
    const QStringList unknown = parsed.parser.unknownOptionNames();
    const QString what = unknown.isEmpty()
                             ? QStringLiteral("kommandolinjen forstås ikke")
                             : QStringLiteral("ukendt tilvalg »%1«").arg(unknown.join("«, »"));
    write(stderr, QStringLiteral("kvistra: %1\n"
                                 "Skriv »kvistra --help« for at se, hvad programmet forstår.\n")
                      .arg(what));
    return {{}, UsageExitCode};
  }
  // The desktop entry passes one file; any others are ignored.
  return {parsed.parser.positionalArguments().value(0), std::nullopt};
}

}  // namespace kvistra::ui
