#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/Sha256.h"

using testing_support::TempFolder;

TEST(Sha256, FipsExamples) {
    const std::pair<std::string, std::string> cases[] = {
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1'000'000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& [message, digest] : cases)
        EXPECT_EQ(platform::sha256Hex(message), digest) << message.substr(0, 20);
}

TEST(Sha256, PiecesOfAnySizeGiveTheDigestOfTheWhole) {
    // Lengths around the 55/56/64-byte padding boundaries, fed in uneven pieces.
    for (size_t length : {55u, 56u, 63u, 64u, 65u, 119u, 120u, 1000u}) {
        std::string message;
        for (size_t i = 0; i < length; ++i)
            message += static_cast<char>('0' + i % 71);
        platform::Sha256 hash;
        for (size_t at = 0, piece = 1; at < length; at += piece, piece = piece * 3 % 97 + 1)
            hash.update(std::string_view(message).substr(at, piece));
        std::array<uint8_t, 32> digest = hash.finish();
        std::string hex;
        for (uint8_t byte : digest) {
            char two[3];
            std::snprintf(two, sizeof two, "%02x", byte);
            hex += two;
        }
        EXPECT_EQ(hex, platform::sha256Hex(message)) << length;
    }
}

TEST(Sha256, FilesAreHashedAndUnreadableOnesGiveNothing) {
    TempFolder folder;
    std::string file = folder.write("新版本.bin", std::string(200'000, '\x5a') + "end");
    EXPECT_EQ(*platform::sha256HexOfFile(file),
              platform::sha256Hex(std::string(200'000, '\x5a') + "end"));
    EXPECT_FALSE(platform::sha256HexOfFile(folder.file("missing")));
    EXPECT_FALSE(platform::sha256HexOfFile(folder.makeFolder("a folder")));
}
