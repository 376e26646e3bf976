#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace download {

// Decodes a "Transfer-Encoding: chunked" body from batches split anywhere: chunk sizes in
// hexadecimal, chunk extensions checked and dropped, trailer lines read and dropped. Anything
// outside the format ends the decoding with a reason; nothing after the last chunk is taken.
class ChunkedBody {
  public:
    // A size line (size and extensions) or a trailer line longer than this is refused.
    static constexpr size_t kMaxLineBytes = 4096;
    static constexpr size_t kMaxTrailerBytes = 64 * 1024;

    using Sink = std::function<bool(const char* data, size_t size)>;

    // Decodes `data`, handing the content to `sink` in order (a sink that returns false stops
    // the decoding). Returns false, with `reason()` set, on a malformed body.
    bool feed(const char* data, size_t size, const Sink& sink);

    // The last chunk and the trailer have been read.
    bool done() const { return state_ == State::Done; }
    bool failed() const { return !reason_.empty(); }
    // Why the body cannot be decoded (Chinese); empty while it can.
    const std::string& reason() const { return reason_; }
    // Content bytes decoded so far.
    int64_t contentBytes() const { return contentBytes_; }

  private:
    enum class State { SizeLine, Data, DataEnd, Trailer, Done };

    bool lineComplete(const char*& data, size_t& size, size_t limit);
    bool takeSizeLine();
    bool takeTrailerLine();
    bool fail(const std::string& reason);

    State state_ = State::SizeLine;
    std::string line_;
    uint64_t remaining_ = 0;
    size_t trailerBytes_ = 0;
    int64_t contentBytes_ = 0;
    std::string reason_;
};

}  // namespace download
