// kesparo-days: the arguments are read here exactly as given (no toolkit takes any for itself), and
// the output is written whole or the failure is reported: a full disk or a closed pipe is never
// taken for success.

#include "tools/days/DaysCommand.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Writes all of `text` to `stream`, flushes and closes it; returns errno's value for the first
// failure, or 0.
int writeAndClose(std::FILE* stream, const std::string& text) {
    errno = 0;
    const bool written =
        std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(stream) == 0;
    const int closeError = errno;
    if (!written)
        return writeError ? writeError : EIO;
    return closed ? 0 : (closeError ? closeError : EIO);
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const DaysCommandResult result = runDaysCommand(arguments);
    if (const int error = writeAndClose(stdout, result.out)) {
        const std::string message =
            "kesparo-days: cannot write output: " + std::string(std::strerror(error)) + "\n";
        std::fputs(message.c_str(), stderr);
        return 1;
    }
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    return result.exitCode;
}
