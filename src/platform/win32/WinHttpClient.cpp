#include "platform/win32/WinHttpClient.h"

#include <windows.h>
#include <winhttp.h>

#include <memory>

#include "platform/Paths.h"

namespace platform {
namespace {

struct HandleCloser {
    void operator()(void* handle) const { WinHttpCloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

int milliseconds(std::chrono::milliseconds duration) {
    return static_cast<int>(duration.count());
}

std::string reasonOf(DWORD error) {
    switch (error) {
        case ERROR_WINHTTP_TIMEOUT:
        case WSAETIMEDOUT:  // how Wine reports it
            return "连接超时";
        case ERROR_WINHTTP_NAME_NOT_RESOLVED:
            return "无法解析服务器名称";
        case ERROR_WINHTTP_CANNOT_CONNECT:
            return "无法连接到服务器";
        case ERROR_WINHTTP_CONNECTION_ERROR:
            return "与服务器的连接中断";
        case ERROR_WINHTTP_SECURE_FAILURE:
        case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:  // Wine's answer to an untrusted certificate
            return "安全连接（TLS）失败";
        case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
        case ERROR_WINHTTP_INVALID_URL:
            return "网址无效";
        case ERROR_WINHTTP_REDIRECT_FAILED:
            return "重定向失败";
        default:
            return "WinHTTP 错误 " + std::to_string(error);
    }
}

// What went wrong and with which server ("无法连接到服务器 127.0.0.1:8080").
Failure failed(const std::string& server, DWORD error = GetLastError()) {
    return Failure{reasonOf(error) + (server.empty() ? "" : " " + server)};
}

bool readBody(HINTERNET request, std::string& body) {
    for (;;) {
        char buffer[8192];
        DWORD read = 0;
        if (!WinHttpReadData(request, buffer, sizeof buffer, &read)) return false;
        if (read == 0) return true;
        body.append(buffer, read);
    }
}

Result<HttpAnswer> perform(const std::string& url, const HttpTimeouts& timeouts,
                           const std::string* postBody) {
    std::wstring wideUrl = fromUtf8Path(url).wstring();
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(wideUrl.c_str(), 0, 0, &parts)) return failed(url);
    std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (path.empty()) path = L"/";
    std::string server = toUtf8Path(host) + ":" + std::to_string(parts.nPort);

    Handle session(WinHttpOpen(L"Vendrolupa", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                               WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) return failed(server);
    Handle connection(WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
    if (!connection) return failed(server);
    DWORD flags = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    Handle request(WinHttpOpenRequest(connection.get(), postBody ? L"POST" : L"GET", path.c_str(),
                                      nullptr, WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                      flags));
    if (!request) return failed(server);
    // The wait for the reply's head has a limit of its own (90 s unless set).
    DWORD headWait = static_cast<DWORD>(timeouts.receive.count());
    if (!WinHttpSetTimeouts(request.get(), milliseconds(timeouts.resolve),
                            milliseconds(timeouts.connect), milliseconds(timeouts.send),
                            milliseconds(timeouts.receive)) ||
        !WinHttpSetOption(request.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headWait,
                          sizeof headWait))
        return failed(server);
    // Each call is a fresh request on a fresh connection: none is kept for the next one.
    DWORD noKeepAlive = WINHTTP_DISABLE_KEEP_ALIVE;
    WinHttpSetOption(request.get(), WINHTTP_OPTION_DISABLE_FEATURE, &noKeepAlive,
                     sizeof noKeepAlive);
    // A GET follows redirects as the system's default allows; a POST is never resent elsewhere.
    if (postBody) {
        DWORD never = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
        WinHttpSetOption(request.get(), WINHTTP_OPTION_REDIRECT_POLICY, &never, sizeof never);
    }
    const wchar_t* headers = postBody ? L"CONTENT-TYPE: application/json\r\n" : nullptr;
    DWORD headersLength = postBody ? static_cast<DWORD>(-1L) : 0;
    void* data = postBody ? const_cast<char*>(postBody->data()) : nullptr;
    DWORD dataLength = postBody ? static_cast<DWORD>(postBody->size()) : 0;
    if (!WinHttpSendRequest(request.get(), headers, headersLength, data, dataLength, dataLength,
                            0) ||
        !WinHttpReceiveResponse(request.get(), nullptr))
        return failed(server);

    HttpAnswer response;
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
        return failed(server);
    // The body is the caller's to judge, whatever the status.
    if (!readBody(request.get(), response.body)) return failed(server);
    response.status = static_cast<long>(status);
    return response;
}

}  // namespace

Result<HttpAnswer> WinHttpClient::get(const std::string& url, const HttpTimeouts& timeouts) {
    return perform(url, timeouts, nullptr);
}

Result<HttpAnswer> WinHttpClient::postJson(const std::string& url, const std::string& body,
                                           const HttpTimeouts& timeouts) {
    return perform(url, timeouts, &body);
}

}  // namespace platform
