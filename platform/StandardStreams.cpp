// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StandardStreams.h"

#include <cerrno>
#include <cstring>

namespace platform {

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

int answer(const char* program, const std::string& out, const std::string& err, int exitCode) {
    if (const int error = writeAndClose(stdout, out)) {
        const std::string message =
            std::string(program) + ": cannot write output: " + std::strerror(error) + "\n";
        std::fputs(message.c_str(), stderr);
        return 1;
    }
    std::fwrite(err.data(), 1, err.size(), stderr);
    return exitCode;
}

} // namespace platform
