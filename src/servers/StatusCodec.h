#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The game's status handshake (protocol 4) and the reading of its one reply packet.
namespace servers {

// The 18 bytes sent to every server: the handshake naming "localhost" and port 25560
// whatever the real server is, then the status request.
std::string statusRequest();
// The same bytes in the three writes they go out in: 0-3, 4-13, 14-17.
std::array<std::string, 3> statusRequestWrites();

// A VarInt of up to five bytes at the start of `bytes`.
struct VarInt {
    enum class State { Complete, NeedMore, Invalid };
    State state = State::NeedMore;
    uint32_t value = 0;
    size_t length = 0;  // bytes it took
};
VarInt readVarInt(std::string_view bytes);
std::string writeVarInt(uint32_t value);

// Collects reply bytes, in batches of any size, until the packet announced by the length
// prefix is whole.
class PacketFramer {
  public:
    // The largest packet taken; a larger announcement is a broken reply.
    static constexpr uint32_t kMaxPacket = 2 * 1024 * 1024;
    enum class State { Collecting, Complete, Invalid };

    State append(std::string_view bytes);
    State state() const { return state_; }
    // The packet body after the length prefix, once Complete.
    const std::string& packet() const { return packet_; }

  private:
    State state_ = State::Collecting;
    std::string buffer_;
    std::string packet_;
};

struct PlayerCount {
    std::string online;
    std::string max;
    // As the place shows it: online "/" max.
    std::string text() const { return online + "/" + max; }
};

// The numbers after the first online marker (online":) and the first max marker (max":) of
// the reply's text, in either order; nullopt when the packet is not a status reply or either
// number is missing.
std::optional<PlayerCount> readPlayerCount(const std::string& packet);

}  // namespace servers
