#include "download/HttpGetText.h"

namespace download {

TextFetch HttpGetText(platform::HttpClient& http, const std::string& url,
                      std::chrono::milliseconds timeout) {
    platform::HttpTimeouts timeouts{timeout, timeout, timeout, timeout};
    platform::HttpResponse response = http.get(url, timeouts);
    TextFetch result;
    if (!response.completed) {
        result.error = "无法读取 " + url + "：" + response.error;
        return result;
    }
    result.ok = true;
    result.status = response.status;
    result.text = std::move(response.body);
    return result;
}

}  // namespace download
