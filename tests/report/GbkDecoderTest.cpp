// GBK decoding, by Qt's codec where this Qt has one and by the operating system's conversion:
// both must give the same text and both must refuse what is not GBK.

#include "platform/text/GbkDecoder.h"
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct DecoderUnderTest {
    const char* name;
    const platform::GbkDecoder* decoder;
    bool available;
};

const platform::QtGbkDecoder qtDecoder;
const platform::NativeGbkDecoder nativeDecoder;

class GbkDecoding : public testing::TestWithParam<DecoderUnderTest> {
protected:
    void SetUp() override {
        if (!GetParam().available)
            GTEST_SKIP() << GetParam().name << " has no GBK conversion here";
    }
    std::optional<QString> decode(QByteArrayView bytes) const { return GetParam().decoder->decode(bytes); }
};

TEST_P(GbkDecoding, DecodesSingleAndDoubleByteCharacters) {
    const struct {
        QByteArrayView bytes;
        const char* text;
    } cases[] = {
        {"", ""},
        {"\xC4\xE3\xBA\xC3", "你好"},
        {"12\xD4\xC2 3\r\n", "12月 3\r\n"},            // ASCII, CR and LF pass through
        {"\xF1\x52\\n\xD8\x69$", "馬\\n豬$"},          // a trail byte may be an ASCII letter
        {"\xA1\xB0\xA3\xBA\xA1\xA4\xA1\xB1", "“：·”"}, // the punctuation the texts use
        {"\xA1\xBE\xFA\x61\xFD\x88\xA1\xBF", "【鷄龍】"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(decode(c.bytes), QString::fromUtf8(c.text));
    }
}

TEST_P(GbkDecoding, RefusesWhatIsNotGbk) {
    const QByteArrayView cases[] = {
        "\xFF",                 // never a GBK byte
        "\xAA\xA1",             // left to the user, no character of GBK's own
        "\xC4\xE3\xFF\xBA\xC3", // a bad byte between good characters
        "ab\xC4",               // a lead byte cut off at the end
        "\x81\x7F",             // 0x7F is no trail byte
    };
    for (const QByteArrayView bytes : cases) {
        SCOPED_TRACE(bytes.toByteArray().toHex().toStdString());
        EXPECT_EQ(decode(bytes), std::nullopt);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, GbkDecoding,
    testing::Values(DecoderUnderTest{"Qt", &qtDecoder, platform::QtGbkDecoder::isAvailable()},
                    DecoderUnderTest{"Native", &nativeDecoder, platform::NativeGbkDecoder::isAvailable()}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
