// The server status reply as a server sends it: the framer must give the same packet
// whatever the batches, VarInts round-trip, and the player count reader takes anything.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "FuzzCheck.h"
#include "servers/StatusCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const size_t step = input.ConsumeIntegralInRange<size_t>(1, 32);
    const uint32_t number = input.ConsumeIntegral<uint32_t>();
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    std::string encoded = servers::writeVarInt(number);
    servers::VarInt back = servers::readVarInt(encoded);
    FUZZ_CHECK(back.state == servers::VarInt::State::Complete);
    FUZZ_CHECK(back.value == number && back.length == encoded.size() && encoded.size() <= 5);

    servers::VarInt read = servers::readVarInt(bytes);
    if (read.state == servers::VarInt::State::Complete)
        FUZZ_CHECK(read.length >= 1 && read.length <= 5 && read.length <= bytes.size());

    servers::PacketFramer whole;
    whole.append(bytes);
    servers::PacketFramer split;
    for (size_t at = 0;
         at < bytes.size() && split.state() == servers::PacketFramer::State::Collecting; at += step)
        split.append(std::string_view(bytes).substr(at, step));
    FUZZ_CHECK(whole.state() == split.state());
    if (whole.state() == servers::PacketFramer::State::Complete) {
        FUZZ_CHECK(whole.packet() == split.packet());
        FUZZ_CHECK(whole.packet().size() <= servers::PacketFramer::kMaxPacket);
        if (auto count = servers::readPlayerCount(whole.packet())) count->text();
    }
    servers::readPlayerCount(bytes);
    return 0;
}
