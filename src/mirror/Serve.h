#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace mirror {

struct ServeSettings {
    std::string tree;                // the mirror tree, absolute
    std::string listen = "0.0.0.0";  // the address nginx binds
    uint16_t port = 8080;
    std::string host;         // the name players reach the machine by
    std::string stateFolder;  // nginx's pid, temporary folders and configuration
};

// An nginx configuration serving the tree as static files: every answer carries
// Content-Length, nothing is compressed or sent chunked, connections are kept alive, and
// unfinished downloads (".part") and hidden files are never served.
std::string nginxConfig(const ServeSettings& settings);

// The services.ini lines that point a launcher at the tree: one server stands for the mirror
// service, the official download host and the launcher's file host.
std::vector<std::string> servicesLines(const ServeSettings& settings);

// Checks the tree, writes the configuration into the state folder, prints the services.ini
// lines and replaces this process with nginx in the foreground. Returns only on failure.
platform::Result<void> serveTree(const ServeSettings& settings);

}  // namespace mirror
