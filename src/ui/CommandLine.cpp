#include "ui/CommandLine.h"

#include <QCommandLineParser>
#include <cstdio>

namespace kvistra::ui {

namespace {

// Exit code for a command line the program does not understand, as other programs use it.
constexpr int UsageExitCode = 2;

constexpr const char* HelpText =
    "Brug: kvistra [tilvalg] [træ.KV3 | træ.kvistra]\n"
    "\n"
    "Kvistra tegner sandsynlighedstræer og beregner sandsynligheden for hændelser.\n"
    "En træfil (.KV3) eller et Kvistra-dokument (.kvistra) på kommandolinjen åbnes, når\n"
    "programmet er startet.\n"
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

// The options Qt takes out of the command line itself, with one dash or two: those followed by a
// value, and those that stand alone.
const QStringList QtOptionsWithValue = {"platform",      "platformpluginpath",
                                        "platformtheme", "plugin",
                                        "qmljsdebugger", "qwindowgeometry",
                                        "qwindowicon",   "qwindowtitle",
                                        "session",       "style",
                                        "stylesheet",    "display",
                                        "geometry",      "title",
                                        "name",          "icon",
                                        "visual",        "fontengine",
                                        "dialogs"};
const QStringList QtSwitches = {"reverse", "widgetcount", "nograb",
                                "dograb",  "sync",        "testability"};
const QStringList ProgramOptions = {"h", "help", "v", "version"};

// An option that is neither the program's nor Qt's; empty when every option is known.
QString unknownOption(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (!argument.startsWith('-') || argument == "-") continue;
    const QString name = argument.mid(argument.startsWith("--") ? 2 : 1).section('=', 0, 0);
    if (QtOptionsWithValue.contains(name)) {
      if (!argument.contains('=')) ++i;  // its value
      continue;
    }
    if (!QtSwitches.contains(name) && !ProgramOptions.contains(name)) return name;
  }
  return {};
}

int refuse(const QString& what) {
  write(stderr, QStringLiteral("kvistra: %1\n"
                               "Skriv »kvistra --help« for at se, hvad programmet forstår.\n")
                    .arg(what));
  return UsageExitCode;
}

}  // namespace

std::optional<int> answerWithoutWindow(const QStringList& arguments) {
  // An unknown option is refused wherever it stands, also beside --help or --version, so a
  // script never takes a mistyped line for a success. It is refused before Qt starts, which
  // without a display would end the program instead.
  const QString unknown = unknownOption(arguments);
  if (!unknown.isEmpty()) return refuse(QStringLiteral("ukendt tilvalg »%1«").arg(unknown));
  const ParsedArguments parsed(arguments);
  if (parsed.parser.isSet(parsed.help)) {
    write(stdout, QString::fromUtf8(HelpText));
    return 0;
  }
  if (parsed.parser.isSet(parsed.version)) {
    write(stdout, QStringLiteral("Kvistra %1\nLicens: GPL-3.0-or-later\n").arg(KVISTRA_VERSION));
    return 0;
  }
  return std::nullopt;
}

StartArguments readStartArguments(const QStringList& arguments) {
  const ParsedArguments parsed(arguments);
  if (!parsed.understood) {
    const QStringList unknown = parsed.parser.unknownOptionNames();
    return {{},
            refuse(unknown.isEmpty()
                       ? QStringLiteral("kommandolinjen forstås ikke")
                       : QStringLiteral("ukendt tilvalg »%1«").arg(unknown.join("«, »")))};
  }
  // The desktop entry passes one file; any others are ignored.
  return {parsed.parser.positionalArguments().value(0), std::nullopt};
}

}  // namespace kvistra::ui
