#pragma once
#include <string>

#include "platform/Result.h"

// Where the installers take the game's files from: the game's own documents and hosts, or a
// mirror service that serves them in its own path layout.
enum class DownloadSourceKind { Official, Mirror };

// Base URLs (scheme and host, optional port, no trailing "/") of the services the launcher
// talks to. Defaults are built in; `services.ini` in the data folder may override each one
// with a line "name=url" (names: mirror, official, files, update, auth, manifest, libraries,
// resources) and choose the download source with "source=official" or "source=mirror".
struct ServiceHosts {
    DownloadSourceKind source = DownloadSourceKind::Official;
    std::string mirror = "http://mirror.vendrolupa.net";
    std::string official = "http://s3.amazonaws.com";
    std::string files = "http://files.vendrolupa.net";
    std::string update = "http://update.vendrolupa.net";
    std::string auth = "https://authserver.mojang.com";
    // The official source: the version manifest (a whole URL), the host of libraries whose
    // JSON names no URL, and the host of asset objects.
    std::string manifest = "https://piston-meta.mojang.com/mc/game/version_manifest_v2.json";
    std::string libraries = "https://libraries.minecraft.net";
    std::string resources = "https://resources.download.minecraft.net";
};

// The built-in hosts overridden by the lines of `path`; unknown names, lines without "=", an
// unknown source and a missing file are ignored. A trailing "/" of a value is dropped.
ServiceHosts loadServiceHosts(const std::string& path);

// "official" or "mirror", as `services.ini` writes the source.
std::string sourceName(DownloadSourceKind source);

// Writes the source line into `services.ini` at `path`, keeping every other line as it is
// (the file is created when missing).
platform::Result<void> saveDownloadSource(const std::string& path, DownloadSourceKind source);
