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

}  // namespace download
