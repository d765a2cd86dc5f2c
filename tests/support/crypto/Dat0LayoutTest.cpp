// The encrypted file's layout and chunking, without the cryptographic calls.
#include "support/crypto/Dat0Layout.h"

#include "base/TemporaryName.h"

#include <gtest/gtest.h>

#include <cstring>

#include <vector>

using namespace support;

namespace {

std::string File(uint32_t n, size_t blobBytes, const std::string& body = "") {
    return EncodeBlobLength(n) + std::string(blobBytes, 'k') + body;
}

TEST(Dat0Layout, LengthFieldIsLittleEndian) {
    EXPECT_EQ(EncodeBlobLength(140), std::string("\x8c\0\0\0", 4));
    EXPECT_EQ(EncodeBlobLength(0x01020304), "\x04\x03\x02\x01");
    const unsigned char field[] = {0x8c, 0, 0, 0x80};
    EXPECT_EQ(DecodeBlobLength(field), 0x8000008cu);
}

TEST(Dat0Layout, SplitTakesBlobAndBody) {
    const std::string file = File(140, 140, "secret");
    const Dat0Parts parts = SplitDat0(file);
    ASSERT_TRUE(parts.valid);
    EXPECT_EQ(parts.blob, std::string(140, 'k'));
    EXPECT_EQ(parts.body, "secret");
    // An empty text leaves an empty body.
    EXPECT_TRUE(SplitDat0(File(140, 140)).valid);
    EXPECT_TRUE(SplitDat0(File(140, 140)).body.empty());
}

TEST(Dat0Layout, SplitRefusesWhatCannotBeAnEncryptedFile) {
    const struct {
        const char* what;
        std::string file;
    } cases[] = {
        {"empty file", ""},
        {"length field cut", std::string("\x8c\0\0", 3)},
        {"blob cut", File(140, 139)},
        {"empty blob", File(0, 0, "body")},
        {"blob longer than the buffer", File(kMaxKeyBlob + 1, kMaxKeyBlob + 1)},
        {"length near 2^32", File(0xFFFFFFFF, 8)},
    };
    for (const auto& c : cases) {
        const Dat0Parts parts = SplitDat0(c.file);
        EXPECT_FALSE(parts.valid) << c.what;
        EXPECT_TRUE(parts.blob.empty() && parts.body.empty()) << c.what;
    }
    EXPECT_TRUE(SplitDat0(File(kMaxKeyBlob, kMaxKeyBlob)).valid);
    EXPECT_FALSE(BlobFits(3, 1));
    EXPECT_TRUE(BlobFits(0x100000000ull, 2048));
}

std::vector<std::pair<size_t, bool>> Chunks(size_t length, size_t size) {
    std::vector<std::pair<size_t, bool>> chunks;
    size_t expectedOffset = 0;
    ForEachChunk(length, size, [&](size_t offset, size_t count, bool final) {
        EXPECT_EQ(offset, expectedOffset);
        expectedOffset += count;
        chunks.emplace_back(count, final);
        return true;
    });
    EXPECT_EQ(expectedOffset, length);
    return chunks;
}

TEST(Dat0Layout, OnlyTheShortLastChunkIsFinal) {
    using C = std::vector<std::pair<size_t, bool>>;
    EXPECT_EQ(Chunks(0, 4096), (C{{0, true}}));
    EXPECT_EQ(Chunks(1, 4096), (C{{1, true}}));
    EXPECT_EQ(Chunks(4095, 4096), (C{{4095, true}}));
    EXPECT_EQ(Chunks(4096, 4096), (C{{4096, false}, {0, true}}));
    EXPECT_EQ(Chunks(8193, 4096), (C{{4096, false}, {4096, false}, {1, true}}));
    EXPECT_EQ(Chunks(4096, 2048), (C{{2048, false}, {2048, false}, {0, true}}));
}

TEST(Dat0Layout, TextEndsAtItsFirstZeroByte) {
    std::string text;
    EXPECT_TRUE(AppendUpToZero(text, "abc", 3));
    EXPECT_TRUE(AppendUpToZero(text, "", 0));
    EXPECT_FALSE(AppendUpToZero(text, "de\0fg", 5));
    EXPECT_EQ(text, "abcde");
}

TEST(Dat0Layout, NamesFitThePathLimit) {
    const Dat0Names names = MakeDat0Names("C:\\data\\tajne");
    EXPECT_TRUE(names.fits);
    EXPECT_EQ(names.encrypted, "C:\\data\\tajne.dat0");
    EXPECT_EQ(names.decrypted, "C:\\data\\tajne.dec");
    EXPECT_EQ(base::TemporaryName(names.encrypted, 2), "C:\\data\\tajne.dat0~2");
    EXPECT_TRUE(MakeDat0Names(std::string(254, 'a')).fits); // 259 with ".dat0"
    EXPECT_TRUE(MakeDat0Names(std::string(253, 'a')).temporaryFits);
    EXPECT_FALSE(MakeDat0Names(std::string(254, 'a')).temporaryFits);
    EXPECT_FALSE(MakeDat0Names(std::string(255, 'a')).fits);
    EXPECT_FALSE(MakeDat0Names("").fits);
    EXPECT_FALSE(MakeDat0Names(std::string("a\0b", 3)).fits);
}

// Reads `file` as the decryption does, with reads, the key import and the
// decryption failing where a case says so.
TEST(Dat0Layout, ReadingStopsAtTheFirstFailingStep) {
    const std::string body = std::string(2048, 'x') + "yz";
    const std::string file = EncodeBlobLength(3) + "key" + body;
    struct Case {
        const char* what;
        int failingRead; // the reads are numbered from 1; 0: none fails
        bool importRefused;
        int failingChunk; // 0: none fails
        Dat0End end;
        size_t textLength;
    };
    const Case cases[] = {
        {"complete", 0, false, 0, Dat0End::complete, body.size()},
        {"length field", 1, false, 0, Dat0End::badKey, 0},
        {"blob", 2, false, 0, Dat0End::badKey, 0},
        {"key refused", 0, true, 0, Dat0End::badKey, 0},
        {"second chunk", 4, false, 0, Dat0End::readFailed, 2048},
        {"decryption", 0, false, 2, Dat0End::decryptFailed, 2048},
    };
    for (const Case& c : cases) {
        size_t offset = 0;
        int reads = 0, chunks = 0;
        std::string text;
        unsigned char buffer[kDat0BufferSize];
        const Dat0End end = ReadDat0(
            file.size(), buffer,
            [&](unsigned char* bytes, size_t count) {
                if (++reads == c.failingRead || count > file.size() - offset) {
                    return false;
                }
                std::memcpy(bytes, file.data() + offset, count);
                offset += count;
                return true;
            },
            [&](const unsigned char* blob, uint32_t n) {
                return !c.importRefused &&
                       std::string(reinterpret_cast<const char*>(blob), n) == "key";
            },
            [&](unsigned char*, uint32_t*, bool) { return ++chunks != c.failingChunk; }, text);
        EXPECT_EQ(end, c.end) << c.what;
        EXPECT_EQ(text.size(), c.textLength) << c.what;
    }
}

// Every chunk is appended to one buffer, so that the text never lies in a
// freed block that nobody wipes.
TEST(Dat0Layout, TextIsGatheredInOneBuffer) {
    const std::string file = EncodeBlobLength(3) + "key" + std::string(5 * kDecryptChunk, 'x');
    size_t offset = 0;
    std::string text;
    std::vector<const char*> buffers;
    unsigned char buffer[kDat0BufferSize];
    const Dat0End end = ReadDat0(
        file.size(), buffer,
        [&](unsigned char* bytes, size_t count) {
            std::memcpy(bytes, file.data() + offset, count);
            offset += count;
            return true;
        },
        [](const unsigned char*, uint32_t) { return true; },
        [&](unsigned char*, uint32_t*, bool) {
            buffers.push_back(text.data());
            return true;
        },
        text);
    ASSERT_EQ(end, Dat0End::complete);
    ASSERT_EQ(text.size(), 5 * kDecryptChunk);
    buffers.push_back(text.data());
    for (const char* seen : buffers) {
        EXPECT_EQ(seen, text.data());
    }
}

} // namespace
