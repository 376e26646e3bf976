#include "servers/StatusCodec.h"

#include <gtest/gtest.h>

#include "StatusServer.h"

namespace servers {
namespace {

using testing_support::StatusServer;

const std::string kPlayersMaxFirst =
    R"({"version":{"name":"1.7.2","protocol":4},"players":{"max":20,"online":0},)"
    R"("description":"一个服务器"})";
const std::string kPlayersOnlineFirst =
    R"({"version":{"name":"1.7.2","protocol":4},"players":{"online":0,"max":20},)"
    R"("description":"一个服务器"})";

TEST(StatusRequest, IsTheEighteenBytesInThreeWrites) {
    const std::string expected("\x0F\x00\x04\x09localhost\x63\xD8\x01\x01\x00", 18);
    EXPECT_EQ(statusRequest(), expected);
    auto writes = statusRequestWrites();
    EXPECT_EQ(writes[0], expected.substr(0, 4));
    EXPECT_EQ(writes[1], "localhostc");
    EXPECT_EQ(writes[2], std::string("\xD8\x01\x01\x00", 4));
    EXPECT_TRUE(StatusServer::isStatusHandshake(statusRequest()));
}

TEST(VarIntCodec, RoundTripsAndRejectsOverlongEncodings) {
    for (uint32_t value : {0u, 1u, 127u, 128u, 300u, 16383u, 16384u, 2097151u, 0xFFFFFFFFu}) {
        std::string bytes = writeVarInt(value);
        VarInt read = readVarInt(bytes);
        EXPECT_EQ(read.state, VarInt::State::Complete) << value;
        EXPECT_EQ(read.value, value);
        EXPECT_EQ(read.length, bytes.size());
        EXPECT_EQ(readVarInt(bytes.substr(0, bytes.size() - 1)).state, VarInt::State::NeedMore);
    }
    EXPECT_EQ(readVarInt(std::string(5, '\x80')).state, VarInt::State::Invalid);
}

// Every way of cutting a reply into two batches, and into single bytes, gives the same packet.
TEST(PacketFramer, CompletesOnlyWhenTheAnnouncedPacketIsWhole) {
    const std::string shortJson = kPlayersMaxFirst;                         // one-byte length
    const std::string longJson = kPlayersMaxFirst + std::string(300, ' ');  // two-byte length
    for (const std::string& json : {shortJson, longJson}) {
        std::string reply = StatusServer::replyPacket(json);
        ASSERT_EQ(reply.size() - readVarInt(reply).length, readVarInt(reply).value);
        for (size_t cut = 0; cut <= reply.size(); ++cut) {
            PacketFramer framer;
            PacketFramer::State first = framer.append(reply.substr(0, cut));
            EXPECT_EQ(first == PacketFramer::State::Complete, cut == reply.size()) << cut;
            framer.append(reply.substr(cut));
            ASSERT_EQ(framer.state(), PacketFramer::State::Complete) << cut;
            EXPECT_EQ(framer.packet(), reply.substr(readVarInt(reply).length));
        }
        PacketFramer byByte;
        for (char c : reply)
            byByte.append(std::string(1, c));
        EXPECT_EQ(byByte.state(), PacketFramer::State::Complete);
    }
}

TEST(PacketFramer, TruncatedReplyStaysIncompleteAndBadLengthIsInvalid) {
    std::string reply = StatusServer::replyPacket(kPlayersMaxFirst);
    PacketFramer truncated;
    EXPECT_EQ(truncated.append(reply.substr(0, reply.size() - 1)), PacketFramer::State::Collecting);

    PacketFramer huge;
    EXPECT_EQ(huge.append(writeVarInt(PacketFramer::kMaxPacket + 1)), PacketFramer::State::Invalid);
    PacketFramer endless;
    EXPECT_EQ(endless.append(std::string(6, '\xFF')), PacketFramer::State::Invalid);
}

std::string packetOf(const std::string& json) {
    std::string reply = StatusServer::replyPacket(json);
    return reply.substr(readVarInt(reply).length);
}

TEST(ReadPlayerCount, FindsBothNumbersInAnyOrderOrNothing) {
    struct Case {
        std::string json;
        std::optional<std::string> shown;
    };
    const Case cases[] = {
        {kPlayersMaxFirst, "0/20"},
        {kPlayersOnlineFirst, "0/20"},
        {R"({"players":{"online":123,"max":4567}})", "123/4567"},
        {R"({"players":{"max": 8, "online": 3}})", "3/8"},
        {R"({"players":{"max":20}})", std::nullopt},
        {R"({"players":{"online":5}})", std::nullopt},
        {R"({"players":{"online":"x","max":20}})", std::nullopt},
        {R"({"description":"维护中"})", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        std::optional<PlayerCount> count = readPlayerCount(packetOf(c.json));
        ASSERT_EQ(count.has_value(), c.shown.has_value()) << c.json;
        if (count) {
            EXPECT_EQ(count->text(), *c.shown) << c.json;
        }
    }
}

TEST(ReadPlayerCount, RefusesPacketsThatAreNotStatusReplies) {
    std::string packet = packetOf(kPlayersMaxFirst);
    packet[0] = 0x01;  // another packet id
    EXPECT_FALSE(readPlayerCount(packet));
    EXPECT_FALSE(readPlayerCount(std::string()));
}

}  // namespace
}  // namespace servers
