// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a command's answer to its standard streams so that a failure is never taken for
// success: a full disk or a closed pipe is found when the stream is flushed and closed.

#include <cstdio>
#include <string>

namespace platform {

// Writes all of `text` to `stream`, flushes and closes it; returns errno's value for the first
// failure, or 0.
int writeAndClose(std::FILE* stream, const std::string& text);

// Writes `out` to stdout and `err` to stderr; when stdout fails, says so on stderr as
// "<program>: cannot write output: <reason>" and gives 1, else `exitCode`.
int answer(const char* program, const std::string& out, const std::string& err, int exitCode);

} // namespace platform
