// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the six text resources at start-up: for ids 101 to 106 in turn, the embedded bytes are
// decoded from GBK and split at every CR LF into an array, every part kept, empty ones too.
//
// The texts are part of the program: a resource that is missing, empty or not GBK is a failure
// that stops start-up, so that a report with empty sections never passes for a full one.

#include "platform/text/GbkDecoder.h"
#include "platform/text/ResourceStore.h"
#include "report/TextResources.h"

#include <QString>

namespace report {

// Where the build places the texts in Qt's resource system: resource 101 is ":/texts/101".
inline constexpr char kTextResourcePrefix[] = ":/texts";

struct TextResourceLoad {
    TextResources texts; // all six arrays when loading succeeded, else all empty
    QString failure;     // empty on success, else a message for the user naming the resource
    bool ok() const { return failure.isEmpty(); }
};

// Stops at the first resource that fails.
TextResourceLoad loadTextResources(const platform::ResourceStore& store, const platform::GbkDecoder& decoder);

// The program's own embedded texts, decoded with the system's GBK decoder.
TextResourceLoad loadTextResources();

} // namespace report
