// File encryption against the platform's CryptoAPI: round trips, the file's
// layout, replacing files safely, and every failure box.
#include "support/crypto/Crypto.h"
#include "support/crypto/Dat0Layout.h"

#include "BoxChecks.h"
#include "Files.h"

#include <windows.h>
#include <wincrypt.h>

#include <gtest/gtest.h>

#include <vector>

using namespace support;
using namespace testsupport;

namespace {

const char* const kOtherContainer = "zemit-test-other";

// A key container with its key-exchange pair; the pair reaches the store when
// the context is released.
void EnsureContainer(const char* name) {
    HCRYPTPROV provider = 0;
    if (!CryptAcquireContextA(&provider, name, nullptr, PROV_RSA_FULL, 0)) {
        ASSERT_TRUE(CryptAcquireContextA(&provider, name, nullptr, PROV_RSA_FULL, CRYPT_NEWKEYSET))
            << GetLastError();
    }
    HCRYPTKEY key = 0;
    if (!CryptGetUserKey(provider, AT_KEYEXCHANGE, &key)) {
        ASSERT_TRUE(CryptGenKey(provider, AT_KEYEXCHANGE, 0, &key)) << GetLastError();
    }
    CryptDestroyKey(key);
    CryptReleaseContext(provider, 0);
}

class KeyContainers : public ::testing::Environment {
  public:
    void SetUp() override {
        EnsureContainer(nullptr);
        EnsureContainer(kOtherContainer);
    }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new KeyContainers);

uint32_t BlobLength(const std::string& file) {
    return file.size() < 4 ? 0
                           : DecodeBlobLength(reinterpret_cast<const unsigned char*>(file.data()));
}

std::optional<std::string> Decrypt(const std::string& base, std::vector<Box>* boxes) {
    MessageBoxWatcher watcher;
    std::optional<std::string> text = DecryptFileToText(base.c_str());
    *boxes = watcher.boxes();
    return text;
}

TEST(Crypto, RoundTripsAndFileLayout) {
    const TempFolder temp("crypto");
    std::string text8193(8193, '\0');
    for (size_t i = 0; i < text8193.size(); ++i) {
        text8193[i] = static_cast<char>('a' + i % 26);
    }
    const std::string texts[] = {
        "",
        "x",
        std::string(4095, 'q'),
        std::string(4096, 'r'),
        text8193,
        "Příliš žluťoučký kůň úpěl ďábelské ódy",
    };
    for (const std::string& text : texts) {
        const std::string base = temp / "tajne";
        {
            MessageBoxWatcher watcher;
            ASSERT_TRUE(EncryptTextToFile(base.c_str(), text.c_str())) << text.size();
            ExpectNoBox(watcher.boxes());
        }
        const std::string file = ReadFileBytes(base + ".dat0");
        const uint32_t n = BlobLength(file);
        EXPECT_EQ(n, 140u);
        EXPECT_EQ(file.size(), 4 + n + text.size());
        EXPECT_FALSE(FileExists(base + ".dat")) << "no plain copy of the text";
        if (text.size() > 16) {
            EXPECT_EQ(file.find(text.substr(0, 16)), std::string::npos);
        }

        std::vector<Box> boxes;
        const std::optional<std::string> back = Decrypt(base, &boxes);
        ASSERT_TRUE(back.has_value()) << text.size();
        EXPECT_EQ(*back, text);
        ExpectOneBox(boxes, "Decoding was completed ", " completion", nullptr, nullptr);
        EXPECT_EQ(ReadFileBytes(base + ".dec"), text);
    }
}

TEST(Crypto, ReplacesTheEarlierFileAndKeepsTheUsersOwn) {
    const TempFolder temp("crypto-replace");
    const std::string base = temp / "data";
    ASSERT_TRUE(WriteFileBytes(base + ".dat", "my own notes"));
    ASSERT_TRUE(WriteFileBytes(base + ".dat0", "an earlier encrypted file"));
    MessageBoxWatcher watcher;
    ASSERT_TRUE(EncryptTextToFile(base.c_str(), "first"));
    ASSERT_TRUE(EncryptTextToFile(base.c_str(), "second text"));
    EXPECT_EQ(ReadFileBytes(base + ".dat"), "my own notes");
    EXPECT_EQ(DecryptFileToText(base.c_str()), std::optional<std::string>("second text"));
    // Nothing else is left in the folder: no temporary file, no plain copy.
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((temp.path() + "*").c_str(), &entry);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    std::vector<std::string> names;
    do {
        if (entry.cFileName[0] != '.') {
            names.push_back(entry.cFileName);
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"data.dat", "data.dat0", "data.dec"}));
}

// Encrypts `text` as the library does, but under the named container's
// key-exchange key, and with the given cipher.
std::string EncryptUnder(const char* container, const std::string& text, ALG_ID cipher = CALG_RC4) {
    HCRYPTPROV provider = 0;
    HCRYPTKEY exchange = 0, key = 0;
    EXPECT_TRUE(CryptAcquireContextA(&provider, container, nullptr, PROV_RSA_FULL, 0));
    EXPECT_TRUE(CryptGetUserKey(provider, AT_KEYEXCHANGE, &exchange));
    EXPECT_TRUE(CryptGenKey(provider, cipher, CRYPT_EXPORTABLE, &key));
    DWORD n = 0;
    EXPECT_TRUE(CryptExportKey(key, exchange, SIMPLEBLOB, 0, nullptr, &n));
    std::string blob(n, '\0');
    EXPECT_TRUE(
        CryptExportKey(key, exchange, SIMPLEBLOB, 0, reinterpret_cast<BYTE*>(&blob[0]), &n));
    std::string body = text;
    DWORD length = static_cast<DWORD>(body.size());
    body.resize(body.size() + 16);
    EXPECT_TRUE(CryptEncrypt(key, 0, TRUE, 0, reinterpret_cast<BYTE*>(&body[0]), &length,
                             static_cast<DWORD>(body.size())));
    body.resize(length);
    CryptDestroyKey(key);
    CryptDestroyKey(exchange);
    CryptReleaseContext(provider, 0);
    return EncodeBlobLength(n) + blob.substr(0, n) + body;
}

TEST(Crypto, FilesThatCannotBeUnwrappedGiveTheImportError) {
    const TempFolder temp("crypto-bad");
    const std::string good = EncryptUnder(nullptr, "readable");
    {
        // The helper itself writes what the library reads.
        ASSERT_TRUE(WriteFileBytes(temp / "good.dat0", good));
        std::vector<Box> boxes;
        EXPECT_EQ(Decrypt(temp / "good", &boxes), std::optional<std::string>("readable"));
    }
    const struct {
        const char* what;
        std::string file;
    } cases[] = {
        {"another container", EncryptUnder(kOtherContainer, "foreign")},
        {"truncated blob", good.substr(0, 4 + 100)},
        {"length field only", good.substr(0, 3)},
        {"empty", ""},
        {"blob over 2048", EncodeBlobLength(2049) + std::string(3000, 'z')},
        {"huge blob length", EncodeBlobLength(0xFFFFFFF0u) + good.substr(4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string base = temp / "bad";
        ASSERT_TRUE(WriteFileBytes(base + ".dat0", c.file));
        std::vector<Box> boxes;
        EXPECT_FALSE(Decrypt(base, &boxes).has_value());
        ExpectOneBox(boxes, "CryptImportKey Error", "Error", nullptr, nullptr);
        EXPECT_FALSE(FileExists(base + ".dec"));
    }
    std::vector<Box> boxes;
    EXPECT_FALSE(Decrypt(temp / "missing", &boxes).has_value());
    ExpectOneBox(boxes, "CryptImportKey Error", "Error", nullptr, nullptr);
}

TEST(Crypto, DecryptionFailingPartWayKeepsTheEarlierDecryptedFile) {
    const TempFolder temp("crypto-partway");
    const std::string base = temp / "data";
    ASSERT_TRUE(WriteFileBytes(base + ".dec", "an earlier good copy"));
    // A block cipher's body cut short: the first chunk decrypts, the last cannot.
    const std::string file = EncryptUnder(nullptr, std::string(3000, 'b'), CALG_RC2);
    ASSERT_TRUE(WriteFileBytes(base + ".dat0", file.substr(0, file.size() - 3)));
    std::vector<Box> boxes;
    EXPECT_FALSE(Decrypt(base, &boxes).has_value());
    ExpectOneBox(boxes, "CryptDecrypt Error", "Error", nullptr, nullptr);
    EXPECT_EQ(ReadFileBytes(base + ".dec"), "an earlier good copy");
}

TEST(Crypto, UnwritableTargetsAreRefusedAndKeepTheEarlierFile) {
    const TempFolder temp("crypto-write");
    const std::string tooLong = temp.path() + std::string(255 - temp.path().size(), 'l');
    const std::string cases[] = {temp / "no-such-folder\\data", tooLong};
    for (const std::string& base : cases) {
        MessageBoxWatcher watcher;
        EXPECT_FALSE(EncryptTextToFile(base.c_str(), "text"));
        ExpectOneBox(watcher.boxes(), "Chyba zpisu do souboru", nullptr, nullptr, IDI_HAND, base);
        EXPECT_FALSE(FileExists(base + ".dat0"));
        EXPECT_FALSE(FileExists(base + ".dat"));
    }

    // An earlier file that cannot be replaced stays as it was.
    const std::string base = temp / "kept";
    MessageBoxWatcher watcher;
    ASSERT_TRUE(EncryptTextToFile(base.c_str(), "earlier"));
    const std::string earlier = ReadFileBytes(base + ".dat0");
    // Held open by a reader that does not share deletion: it cannot be replaced.
    HANDLE reader = CreateFileA((base + ".dat0").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(EncryptTextToFile(base.c_str(), "later"));
    CloseHandle(reader);
    ExpectOneBox(watcher.boxes(), "Chyba zpisu do souboru", nullptr, nullptr, IDI_HAND, "kept");
    EXPECT_EQ(ReadFileBytes(base + ".dat0"), earlier);
    EXPECT_EQ(DecryptFileToText(base.c_str()), std::optional<std::string>("earlier"));
}

TEST(Crypto, EncryptsInAFolderTooLongForSystemTemporaryNames) {
    const TempFolder temp("crypto-long");
    // A folder of 248 characters: the .dat0 name still fits the path limit.
    const std::string folder = temp.path() + std::string(248 - temp.path().size(), 'f');
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string path = folder + "\\d";
    MessageBoxWatcher watcher;
    EXPECT_TRUE(EncryptTextToFile(path.c_str(), "dlouha cesta"));
    ExpectNoBox(watcher.boxes());
    EXPECT_EQ(DecryptFileToText(path.c_str()), std::optional<std::string>("dlouha cesta"));
}

TEST(Crypto, EncryptionWithoutTheUsersKeysGivesTheBoxOfTheMissingStep) {
    // The default container comes back with its pair, whatever happens here.
    struct Restore {
        ~Restore() { EnsureContainer(nullptr); }
    } restore;
    const TempFolder temp("crypto-keys");
    HCRYPTPROV provider = 0;
    CryptAcquireContextA(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_DELETEKEYSET);
    {
        MessageBoxWatcher watcher;
        EXPECT_FALSE(EncryptTextToFile((temp / "a").c_str(), "text"));
        ExpectOneBox(watcher.boxes(), "CryptAcquireContext Error", "Error", nullptr, nullptr);
    }
    // A container without a key-exchange pair.
    ASSERT_TRUE(CryptAcquireContextA(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_NEWKEYSET));
    CryptReleaseContext(provider, 0);
    MessageBoxWatcher watcher;
    EXPECT_FALSE(EncryptTextToFile((temp / "b").c_str(), "text"));
    ExpectOneBox(watcher.boxes(), "CryptGetUserKey Error", "Error", nullptr, nullptr);
    EXPECT_FALSE(FileExists(temp / "b.dat0"));
}

} // namespace
