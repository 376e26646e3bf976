#include "LoopbackMirror.h"

#include "platform/TextFile.h"

namespace testing_support {

LoopbackMirror::LoopbackMirror(std::string folder, bool keepAlive)
    : folder_(std::move(folder)),
      keepAlive_(keepAlive),
      server_([this](const std::string& request) { return answer(request); }) {}

std::vector<std::string> LoopbackMirror::requestedPaths() const {
    std::vector<std::string> paths;
    for (const auto& request : server_.requests())
        paths.push_back(LoopbackHttpServer::pathOf(request));
    return paths;
}

ScriptedResponse LoopbackMirror::answer(const std::string& request) const {
    std::string path = LoopbackHttpServer::pathOf(request);
    path = path.substr(0, path.find('?'));
    std::optional<std::string> body;
    if (!path.empty() && path[0] == '/' && path.find("..") == std::string::npos) {
        platform::Result<std::string> file = platform::readFileBytes(folder_ + path);
        if (file) body = file.value();
    }
    ScriptedResponse response;
    response.after =
        keepAlive_ ? ScriptedResponse::After::KeepOpen : ScriptedResponse::After::Close;
    if (!body) {
        std::string text = "not found";
        response.batches = {"HTTP/1.1 404 Not Found\r\nContent-Length: " +
                            std::to_string(text.size()) + "\r\n\r\n" + text};
        return response;
    }
    response.batches = {
        "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
        "Content-Length: " +
            std::to_string(body->size()) + "\r\n\r\n",
        *body};
    return response;
}

}  // namespace testing_support
