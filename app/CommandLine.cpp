// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "core/QuotedArgument.h"

namespace app {

namespace {

const char kHelp[] =
    "Usage: kesparo [--help | --version]\n"
    "Kesparo 万年历, a Chinese perpetual calendar: one solar month as a grid with the lunar\n"
    "days, solar terms, festivals and official days off (休) and working days (班), and a\n"
    "report of the chosen day.\n"
    "  --help     this text\n"
    "  --version  the program's name and version\n"
    "See kesparo(1) for the keys, the files it reads and kesparo-days(1) for the same\n"
    "facts on the command line.\n";

} // namespace

std::optional<CommandLineAnswer> answerCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty())
        return std::nullopt;
    const QString& first = arguments.first();
    const bool question = first == QLatin1String("--help") || first == QLatin1String("--version");
    if (question && arguments.size() == 1)
        return CommandLineAnswer{
            0, first == QLatin1String("--help") ? kHelp : "kesparo " KESPARO_VERSION "\n", {}};
    const QString& refused = question ? arguments[1] : first;
    return CommandLineAnswer{
        2,
        {},
        "kesparo: " + std::string(refused.startsWith(u'-') ? "unknown option " : "unexpected argument ") +
            core::quotedArgument(refused) + "; usage: kesparo [--help | --version]\n"};
}

} // namespace app
