#!/usr/bin/env python3
"""Writes the official-shaped documents of the market benchmark into <folder> for a server at
<base url>: the manifest v2 (one line) listing 1.8.9, its version JSON with a downloads block and
an assetIndex, and the one-line asset index "1.8" naming the 1,300 objects of the mirror's shared
index (<mirror folder>/indexes/1.8.json), which are served from <folder>/resources (a link to the
mirror's object store). Also writes <folder>/../official.curl, a curl config fetching the same
objects from the resource host into <folder>/../curl-out."""
import hashlib
import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from benchdata import write, write_curl_config  # noqa: E402

root, base, mirror = sys.argv[1], sys.argv[2].rstrip("/"), sys.argv[3]


def package(name, data):
    digest = hashlib.sha1(data).hexdigest()
    write(f"{root}/v1/packages/{digest}/{name}", data)
    return f"{base}/v1/packages/{digest}/{name}", digest


objects = json.load(open(f"{mirror}/indexes/1.8.json"))["objects"]
index = json.dumps({"objects": objects}).encode()  # one line, ": " separators
index_url, index_sha1 = package("1.8.json", index)
jar = b"bench game jar"
jar_sha1 = hashlib.sha1(jar).hexdigest()
write(f"{root}/v1/objects/{jar_sha1}/client.jar", jar)
version = {
    "assetIndex": {"id": "1.8", "sha1": index_sha1, "size": len(index), "url": index_url},
    "assets": "1.8",
    "downloads": {"client": {"sha1": jar_sha1, "size": len(jar),
                             "url": f"{base}/v1/objects/{jar_sha1}/client.jar"}},
    "id": "1.8.9",
    "libraries": [],
    "mainClass": "net.minecraft.client.main.Main",
    "minecraftArguments": "--username ${auth_player_name}",
    "type": "release",
}
version_url, version_sha1 = package("1.8.9.json", json.dumps(version, indent=2).encode())
manifest = {"latest": {"release": "1.8.9", "snapshot": "1.8.9"},
            "versions": [{"id": "1.8.9", "type": "release", "url": version_url,
                          "time": "2015-12-03T09:24:39+00:00",
                          "releaseTime": "2015-12-03T09:24:39+00:00", "sha1": version_sha1,
                          "complianceLevel": 0}]}
write(f"{root}/mc/game/version_manifest_v2.json", json.dumps(manifest).encode())
link = f"{root}/resources"
if not os.path.islink(link):
    os.symlink(os.path.realpath(f"{mirror}/assets"), link)
work = os.path.dirname(os.path.realpath(root))
write_curl_config(f"{work}/official.curl", objects, f"{base}/resources", f"{work}/curl-out")
