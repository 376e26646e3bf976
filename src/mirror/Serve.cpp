#include "mirror/Serve.h"

#include <unistd.h>

#include <cstring>
#include <iostream>

#include "mirror/TreeLayout.h"
#include "platform/FileList.h"
#include "platform/TextFile.h"

namespace mirror {
namespace {

// Where Debian puts nginx; PATH is looked at first.
constexpr const char* kNginxFallback = "/usr/sbin/nginx";

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

std::string nginxConfig(const ServeSettings& s) {
    const std::string& state = s.stateFolder;
    std::string temporaries;
    for (const char* kind : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"})
        temporaries +=
            "    " + std::string(kind) + "_temp_path " + quoted(state + "/" + kind) + ";\n";
    return "daemon off;\n"
           "worker_processes auto;\n"
           "pid " +
           quoted(state + "/nginx.pid") +
           ";\n"
           "error_log stderr warn;\n"
           "events { worker_connections 1024; }\n"
           "http {\n"
           "    access_log off;\n"
           "    server_tokens off;\n" +
           temporaries +
           "    types { }\n"
           "    default_type application/octet-stream;\n"
           "    sendfile on;\n"
           "    tcp_nopush on;\n"
           "    gzip off;\n"
           "    gzip_static off;\n"
           "    chunked_transfer_encoding off;\n"
           "    keepalive_timeout 65;\n"
           "    keepalive_requests 100000;\n"
           "    server {\n"
           "        listen " +
           s.listen + ":" + std::to_string(s.port) +
           ";\n"
           "        root " +
           quoted(s.tree) +
           ";\n"
           "        autoindex off;\n"
           "        location ~ (\\.part$|/\\.) { return 404; }\n"
           "    }\n"
           "}\n";
}

std::vector<std::string> servicesLines(const ServeSettings& s) {
    std::string base = "http://" + s.host + ":" + std::to_string(s.port);
    return {"source=mirror", "mirror=" + base, "official=" + base, "files=" + base};
}

platform::Result<void> serveTree(const ServeSettings& s) {
    if (!platform::isExistingFile(TreeLayout(s.tree).path(TreeLayout::catalogue())))
        return platform::Failure{"“" + s.tree + "”不是镜像目录：缺少 " + TreeLayout::catalogue()};
    std::string config = s.stateFolder + "/nginx.conf";
    if (auto written = platform::writeFileAtomically(config, nginxConfig(s)); !written)
        return platform::Failure{written.reason()};
    std::cout << "把下面几行写进玩家启动器的 .Vendrolupa_Data/services.ini：\n";
    for (const std::string& line : servicesLines(s))
        std::cout << line << "\n";
    std::cout.flush();
    const char* argv[] = {"nginx",  "-p",   s.stateFolder.c_str(), "-c", config.c_str(), "-e",
                          "stderr", nullptr};
    ::execvp("nginx", const_cast<char**>(argv));
    ::execv(kNginxFallback, const_cast<char**>(argv));
    return platform::Failure{std::string("无法启动 nginx：") + std::strerror(errno)};
}

}  // namespace mirror
