#pragma once
#include <string>

#include "LoopbackHttpServer.h"

namespace testing_support {

// One loopback server standing in for the mirror service, the official download host and
// the launcher's file host: every request path is served from `folder` + path ("/versions/
// 1.8/1.8.jar", "/Minecraft.Download/indexes/legacy.json", "/lwjgl.dll" ...), with a
// "Content-Length: " header, or answered 404. The query of a path is ignored.
class LoopbackMirror {
  public:
    explicit LoopbackMirror(std::string folder, bool keepAlive = true);

    std::string baseUrl() const { return server_.baseUrl(); }
    const LoopbackHttpServer& server() const { return server_; }
    // The paths requested so far, in order.
    std::vector<std::string> requestedPaths() const;

  private:
    ScriptedResponse answer(const std::string& request) const;

    std::string folder_;
    bool keepAlive_;
    LoopbackHttpServer server_;
};

}  // namespace testing_support
