#pragma once
#include <string>

// Base URLs (scheme and host, optional port, no trailing "/") of the services the launcher
// talks to. Defaults are built in; `services.ini` in the data folder may override each one
// with a line "name=url" (names: mirror, official, files, update, auth; and cafile).
struct ServiceHosts {
    std::string mirror = "http://mirror.vendrolupa.net";
    std::string official = "http://s3.amazonaws.com";
    std::string files = "http://files.vendrolupa.net";
    std::string update = "http://update.vendrolupa.net";
    std::string auth = "https://authserver.mojang.com";
    // A PEM file of certificate authorities trusted for https:// besides the system's (tests,
    // private mirrors); a relative path is taken from the folder of services.ini.
    std::string cafile;
};

// The built-in hosts overridden by the lines of `path`; unknown names, lines without "=" and
// a missing file are ignored. A trailing "/" of a value is dropped.
ServiceHosts loadServiceHosts(const std::string& path);
