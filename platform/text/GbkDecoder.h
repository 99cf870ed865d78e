// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decoding text stored in GBK, the simplified Chinese code page 936, in which the program carries
// its Chinese texts. Behind an interface so that tests can put in a decoder of their own.

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace platform {

class GbkDecoder {
public:
    virtual ~GbkDecoder() = default;
    // The text the bytes stand for, or nothing when they are not GBK: a byte sequence that GBK
    // does not define or leaves to the user (private use), or a double-byte character cut off at
    // the end.
    virtual std::optional<QString> decode(QByteArrayView bytes) const = 0;
};

// Qt's own GBK codec, which Qt has only when it is built with ICU.
class QtGbkDecoder final : public GbkDecoder {
public:
    static bool isAvailable();
    std::optional<QString> decode(QByteArrayView bytes) const override;
};

// The operating system's conversion: iconv on POSIX systems, MultiByteToWideChar with code page
// 936 on Windows.
class NativeGbkDecoder final : public GbkDecoder {
public:
    static bool isAvailable();
    std::optional<QString> decode(QByteArrayView bytes) const override;
};

// Qt's codec where Qt has one, else the operating system's.
const GbkDecoder& gbkDecoder();

} // namespace platform
