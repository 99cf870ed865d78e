// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/GbkDecoder.h"

#include <QStringDecoder>
#include <limits>
#include <utility>

#if defined(Q_OS_WIN)
#ifndef NOMINMAX
#define NOMINMAX // keep std::numeric_limits<int>::max() apart from the max() macro
#endif
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace platform {
namespace {

// GBK's user-defined areas and a few unassigned bytes come out of some converters as private-use
// characters (ICU turns 0xFF into U+F8F5) and out of others as errors (iconv). No text of ours
// can mean one, so every decoder here refuses them alike, together with a replacement character
// that a converter put in for bytes it could not read.
std::optional<QString> refuseUnreadable(QString text) {
    for (const QChar ch : std::as_const(text)) {
        if (ch == QChar::ReplacementCharacter || ch.category() == QChar::Other_PrivateUse)
            return std::nullopt;
    }
    return text;
}

} // namespace

// Qt reports a GBK codec as valid only where it can reach ICU's converters.
bool QtGbkDecoder::isAvailable() {
    return QStringDecoder("GBK").isValid();
}

std::optional<QString> QtGbkDecoder::decode(QByteArrayView bytes) const {
    // Stateless makes a character cut off at the end an error instead of state kept for a
    // next call.
    QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return refuseUnreadable(std::move(text));
}

#if defined(Q_OS_WIN)

bool NativeGbkDecoder::isAvailable() {
    return IsValidCodePage(936) != 0;
}

std::optional<QString> NativeGbkDecoder::decode(QByteArrayView bytes) const {
    if (bytes.isEmpty())
        return QString();
    if (bytes.size() > std::numeric_limits<int>::max())
        return std::nullopt;
    const int size = static_cast<int>(bytes.size());
    // MB_ERR_INVALID_CHARS turns an undefined or cut-off sequence into a failure (result 0)
    // instead of a silent replacement character.
    const int length = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    if (MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), size,
                            reinterpret_cast<wchar_t*>(text.data()), length) != length)
        return std::nullopt;
    return refuseUnreadable(std::move(text));
}

#else

namespace {
// iconv_open reports failure as this value, not as a null handle.
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

class IconvHandle {
public:
    IconvHandle() : handle_(iconv_open("UTF-8", "GBK")) {}
    ~IconvHandle() {
        if (handle_ != kNoConverter)
            iconv_close(handle_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool isOpen() const { return handle_ != kNoConverter; }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};
} // namespace

bool NativeGbkDecoder::isAvailable() {
    return IconvHandle().isOpen();
}

std::optional<QString> NativeGbkDecoder::decode(QByteArrayView bytes) const {
    IconvHandle converter;
    if (!converter.isOpen())
        return std::nullopt;
    // A GBK character of one or two bytes becomes at most three bytes of UTF-8, so twice the
    // input always suffices; the loop still grows the buffer should an iconv think otherwise.
    QByteArray utf8(bytes.size() * 2 + 4, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = static_cast<size_t>(bytes.size());
    size_t written = 0;
    while (inLeft > 0) {
        char* out = utf8.data() + written;
        size_t outLeft = static_cast<size_t>(utf8.size()) - written;
        const size_t result = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        written = static_cast<size_t>(out - utf8.data());
        if (result != static_cast<size_t>(-1))
            break;
        if (errno != E2BIG)
            return std::nullopt; // EILSEQ: not GBK; EINVAL: a character cut off at the end
        utf8.resize(utf8.size() * 2);
    }
    utf8.truncate(static_cast<qsizetype>(written));
    return refuseUnreadable(QString::fromUtf8(utf8));
}

#endif

const GbkDecoder& gbkDecoder() {
    static const QtGbkDecoder qtDecoder;
    static const NativeGbkDecoder nativeDecoder;
    static const GbkDecoder& chosen =
        QtGbkDecoder::isAvailable() ? static_cast<const GbkDecoder&>(qtDecoder) : nativeDecoder;
    return chosen;
}

} // namespace platform
