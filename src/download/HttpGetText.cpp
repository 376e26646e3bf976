#include "download/HttpGetText.h"

namespace download {

platform::Result<platform::HttpAnswer> HttpGetText(platform::HttpClient& http,
                                                   const std::string& url,
                                                   std::chrono::milliseconds timeout) {
    platform::HttpTimeouts timeouts{timeout, timeout, timeout, timeout};
    platform::Result<platform::HttpAnswer> answer = http.get(url, timeouts);
    if (!answer) return platform::Failure{"无法读取 " + url + "：" + answer.reason()};
    return answer;
}

platform::Result<std::string> fetchDocument(platform::HttpClient& http, const std::string& url) {
    platform::Result<platform::HttpAnswer> answer = HttpGetText(http, url);
    if (!answer) return platform::Failure{answer.reason()};
    if (answer->status != 200) {
        return platform::Failure{"服务器对 " + url + " 的回答是 HTTP " +
                                 std::to_string(answer->status)};
    }
    if (answer->body.empty()) return platform::Failure{url + " 是空的"};
    return std::move(answer).value().body;
}

}  // namespace download
