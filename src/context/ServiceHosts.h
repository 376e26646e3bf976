#pragma once
#include <string>

// Base URLs (scheme and host, optional port, no trailing "/") of the services the launcher
// talks to. Defaults are built in; `services.ini` in the data folder may override each one
// with a line "name=url" (names: mirror, official, files, update, auth).
struct ServiceHosts {
    std::string mirror = "http://mirror.vendrolupa.net";
    std::string official = "http://s3.amazonaws.com";
    std::string files = "http://files.vendrolupa.net";
    std::string update = "http://update.vendrolupa.net";
    std::string auth = "https://authserver.mojang.com";
};

// The built-in hosts overridden by the lines of `path`; unknown names, lines without "=" and
// a missing file are ignored. A trailing "/" of a value is dropped.
ServiceHosts loadServiceHosts(const std::string& path);
