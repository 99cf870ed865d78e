// SPDX-License-Identifier: GPL-3.0-or-later
// kesparo-days: the arguments are read here exactly as given (no toolkit takes any for itself), and
// the output is written whole or the failure is reported: a full disk or a closed pipe is never
// taken for success.

#include "platform/StandardStreams.h"
#include "tools/days/DaysCommand.h"

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const DaysCommandResult result = runDaysCommand(arguments);
    return platform::answer("kesparo-days", result.out, result.err, result.exitCode);
}
