#include "qspenclib.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<unsigned char> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

std::string ToB64(const std::vector<unsigned char>& in) {
    int n = 0;
    std::string out(4 * ((in.size() + 2) / 3), '\0');
    EXPECT_EQ(QSPBinToB64(in.data(), static_cast<int>(in.size()), out.data(), &n,
                          static_cast<int>(out.size())), 0);
    out.resize(static_cast<size_t>(n));
    return out;
}

int FromB64(const std::string& text, std::vector<unsigned char>& out) {
    int n = -7;
    out.assign(text.size(), 0xEE);
    int rc = QSPB64ToBin(text.data(), static_cast<int>(text.size()), out.data(), &n,
                         static_cast<int>(out.size()));
    if (rc == 0) out.resize(static_cast<size_t>(n));
    return rc;
}

TEST(QSPEncrypt, XorsWithTheRepeatingKeyAndUndoesItself) {
    const std::string plain = "secret-\xC3\xA9\xE3\x81\x82!";  // non-ASCII bytes too
    std::vector<unsigned char> in = Bytes(plain), once(in.size()), twice(in.size());
    int n = 0;
    ASSERT_EQ(QSPEncrypt(in.data(), static_cast<int>(in.size()), once.data(), &n,
                         static_cast<int>(once.size())), 0);
    EXPECT_EQ(n, static_cast<int>(in.size()));
    const char key[] = QSP_KEY;
    for (size_t i = 0; i < in.size(); ++i)
        EXPECT_EQ(once[i], in[i] ^ static_cast<unsigned char>(key[i % 4])) << i;
    ASSERT_EQ(QSPEncrypt(once.data(), n, twice.data(), &n, static_cast<int>(twice.size())), 0);
    EXPECT_EQ(twice, in);
}

TEST(QSPEncrypt, RefusesMissingArgumentsBadSizesAndStopsAtCapacity) {
    unsigned char in[6] = {'a', 'b', 'c', 'd', 'e', 'f'};
    unsigned char out[8] = {};
    int n = 99;
    EXPECT_EQ(QSPEncrypt(nullptr, 6, out, &n, 8), -1);
    EXPECT_EQ(QSPEncrypt(in, 6, nullptr, &n, 8), -1);
    EXPECT_EQ(QSPEncrypt(in, 6, out, nullptr, 8), -1);
    EXPECT_EQ(QSPEncrypt(in, 0, out, &n, 8), -2);
    EXPECT_EQ(QSPEncrypt(in, 6, out, &n, 0), -2);
    EXPECT_EQ(QSPEncrypt(in, 6, out, &n, -4), -2);

    // Capacity 4, length 6: the first group is written and kept, nothing more.
    EXPECT_EQ(QSPEncrypt(in, 6, out, &n, 4), -3);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(out[0], 'a' ^ 'W');
    EXPECT_EQ(out[4], 0);
    EXPECT_EQ(QSPEncrypt(in, 6, out, &n, 5), -3);  // the tail of two does not fit either
    EXPECT_EQ(n, 4);
}

TEST(QSPBinToB64, PadsShortGroupsAndWritesNoTerminator) {
    EXPECT_EQ(ToB64(Bytes("A")), "QQ==");
    EXPECT_EQ(ToB64(Bytes("AB")), "QUI=");
    EXPECT_EQ(ToB64(Bytes("ABC")), "QUJD");
    EXPECT_EQ(ToB64({0xFB, 0xFF, 0xBF}), "+/+/");
    char out[5] = {'x', 'x', 'x', 'x', 'x'};
    int n = 0;
    const unsigned char a = 'A';
    ASSERT_EQ(QSPBinToB64(&a, 1, out, &n, 4), 0);
    EXPECT_EQ(out[4], 'x');
}

TEST(QSPBinToB64, ReportsTheNeededSize) {
    unsigned char in[7] = {};
    char out[16];
    int n = 0;
    EXPECT_EQ(QSPBinToB64(in, 7, nullptr, &n, 0), -3);  // size query
    EXPECT_EQ(n, 12);
    EXPECT_EQ(QSPBinToB64(in, 7, out, &n, 11), -3);
    EXPECT_EQ(n, 12);
    EXPECT_EQ(QSPBinToB64(nullptr, 7, out, &n, 16), -1);
    EXPECT_EQ(QSPBinToB64(in, 7, nullptr, &n, 16), -1);
    EXPECT_EQ(QSPBinToB64(in, 7, out, nullptr, 16), -1);
    EXPECT_EQ(QSPBinToB64(in, 0, out, &n, 16), -2);
    EXPECT_EQ(QSPBinToB64(in, 7, out, &n, -1), -2);
}

TEST(QSPB64ToBin, DecodesWithAndWithoutPaddingSkippingWhiteSpace) {
    std::vector<unsigned char> out;
    ASSERT_EQ(FromB64("QQ==", out), 0);
    EXPECT_EQ(out, Bytes("A"));
    ASSERT_EQ(FromB64("QUI=", out), 0);
    EXPECT_EQ(out, Bytes("AB"));
    ASSERT_EQ(FromB64("  QUJDRA==", out), -2);  // length 10: not a multiple of 4
    ASSERT_EQ(FromB64("  QUJDRA", out), 0);
    EXPECT_EQ(out, Bytes("ABCD"));
    ASSERT_EQ(FromB64("QU\nJD", out), -2);
    ASSERT_EQ(FromB64("QU\nJDRE=", out), 0);
    EXPECT_EQ(out, Bytes("ABCD"));
    ASSERT_EQ(FromB64(std::string("QUJD\0\0\0\0", 8), out), 0);  // stops at NUL
    EXPECT_EQ(out, Bytes("ABC"));
}

TEST(QSPB64ToBin, RejectsTextOutsideTheAlphabet) {
    std::vector<unsigned char> out;
    EXPECT_EQ(FromB64("QUJ", out), -2);
    EXPECT_EQ(FromB64("QU*D", out), -2);
    EXPECT_EQ(FromB64("QUJ\xFF", out), -2);   // high byte: no table overrun
    EXPECT_EQ(FromB64("QUJ\x80", out), -2);
    EXPECT_EQ(FromB64("QQ=A", out), -2);      // data after the padding
    EXPECT_EQ(FromB64("Q===", out), -2);      // a single character is no byte
    EXPECT_EQ(FromB64("====", out), -2);
}

TEST(QSPB64ToBin, ReportsTheNeededSizeAndNeverOverruns) {
    unsigned char out[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    int n = 0;
    EXPECT_EQ(QSPB64ToBin("QUJDRA==", 8, nullptr, &n, 0), -3);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(QSPB64ToBin("QUJDRA==", 8, out, &n, 3), -3);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(out[3], 0xEE);
    EXPECT_EQ(QSPB64ToBin("QUJDRA==", 8, out, &n, 4), 0);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(QSPB64ToBin(nullptr, 8, out, &n, 4), -1);
    EXPECT_EQ(QSPB64ToBin("QUJD", 4, out, nullptr, 4), -1);
    EXPECT_EQ(QSPB64ToBin("QUJD", 0, out, &n, 4), -2);
    EXPECT_EQ(QSPB64ToBin("QUJD", 4, out, &n, -1), -2);
}

TEST(QSPTicketPath, ValuesUpTo189BytesFitA255ByteBuffer) {
    for (int len : {1, 2, 3, 188, 189, 190, 191}) {
        std::vector<unsigned char> in(static_cast<size_t>(len));
        for (int i = 0; i < len; ++i) in[static_cast<size_t>(i)] = static_cast<unsigned char>(i * 7 + 1);
        unsigned char scrambled[255];
        char text[255];
        int n = 0, m = 0;
        ASSERT_EQ(QSPEncrypt(in.data(), len, scrambled, &n, 255), 0);
        int rc = QSPBinToB64(scrambled, n, text, &m, 255);
        if (len <= 189) {
            ASSERT_EQ(rc, 0) << len;
            std::vector<unsigned char> back;
            ASSERT_EQ(FromB64(std::string(text, static_cast<size_t>(m)), back), 0);
            unsigned char plain[255];
            ASSERT_EQ(QSPEncrypt(back.data(), static_cast<int>(back.size()), plain, &n, 255), 0);
            EXPECT_EQ(std::vector<unsigned char>(plain, plain + n), in);
        } else {
            EXPECT_EQ(rc, -3) << len;
            EXPECT_EQ(m, 256) << len;
        }
    }
}

}  // namespace
