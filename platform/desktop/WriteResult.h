// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outcome of a write to the file system: done, or not done and why, in words for the user.

#include <QString>
#include <cstring>

namespace platform {

struct WriteResult {
    bool ok = true;
    QString reason; // when not ok
};

// A failed write, with the system's own words for `error` (an errno value).
inline WriteResult failedWith(int error) {
    return {false, QString::fromLocal8Bit(std::strerror(error))};
}

} // namespace platform
