#!/usr/bin/env python3
"""Writes official-shaped documents and files into <folder> for the mirror benchmark: a one-line
version manifest v2 naming one version, its version JSON (client jar, the LWJGL 2 natives
libraries), a one-line asset index of 1,300 objects whose sizes follow a log-normal distribution
(median 9 KiB, as game assets are), the objects under resources/<hh>/<hash>, small natives jars
under libraries/, and a curl config that fetches the same 1,300 objects into <folder>/../curl-out.
Every URL starts with BASE, replaced by the served address when the benchmark runs."""
import io
import json
import os
import random
import sys
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from benchdata import describe, objects, write, write_curl_config  # noqa: E402

root = sys.argv[1]
rng = random.Random(1300)


def jar(names):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w") as archive:
        for name in names:
            archive.writestr(name, f"stand-in for {name}\n")
    return buffer.getvalue()


def one_line(document):
    return json.dumps(document, separators=(", ", ": ")).encode()


natives = {
    "org/lwjgl/lwjgl/lwjgl-platform/2.9.4-nightly-20150209/lwjgl-platform-2.9.4-nightly-20150209":
        {"natives-windows": ["lwjgl.dll", "lwjgl64.dll", "OpenAL32.dll", "OpenAL64.dll"],
         "natives-linux": ["liblwjgl.so", "liblwjgl64.so", "libopenal.so", "libopenal64.so"]},
    "net/java/jinput/jinput-platform/2.0.5/jinput-platform-2.0.5":
        {"natives-windows": ["jinput-dx8.dll", "jinput-dx8_64.dll", "jinput-raw.dll",
                             "jinput-raw_64.dll", "jinput-wintab.dll"],
         "natives-linux": ["libjinput-linux.so", "libjinput-linux64.so"]},
    "tv/twitch/twitch-platform/6.5/twitch-platform-6.5":
        {"natives-windows-32": ["twitchsdk.dll"], "natives-windows-64": ["twitchsdk.dll"]},
    "tv/twitch/twitch-external-platform/4.5/twitch-external-platform-4.5":
        {"natives-windows-32": ["avutil-ttv-51.dll", "swresample-ttv-0.dll", "libmp3lame-ttv.dll"],
         "natives-windows-64": ["avutil-ttv-51.dll", "swresample-ttv-0.dll", "libmp3lame-ttv.dll"]},
}
libraries = []
for base, classifiers in natives.items():
    group, artifact, version = base.rsplit("/", 3)[0], base.split("/")[-3], base.split("/")[-2]
    downloads = {}
    for classifier, names in classifiers.items():
        path = f"{base}-{classifier}.jar"
        sha1, size = write(f"{root}/libraries/{path}", jar(names))
        downloads[classifier] = {"path": path, "sha1": sha1, "size": size,
                                 "url": f"BASE/libraries/{path}"}
    name = f"{group.replace('/', '.')}:{artifact}:{version}"
    os_classifiers = {"windows": next(c for c in classifiers if c.startswith("natives-windows"))}
    if os_classifiers["windows"].endswith("32"):
        os_classifiers["windows"] = "natives-windows-${arch}"
    if "natives-linux" in classifiers:
        os_classifiers["linux"] = "natives-linux"
    libraries.append({"name": name, "downloads": {"classifiers": downloads},
                      "natives": os_classifiers})

assets = objects(rng, 1300, f"{root}/resources", "object")
index_sha1, index_size = write(f"{root}/indexes/bench.json", one_line({"objects": assets}))
client_sha1, client_size = write(f"{root}/client/bench.jar", jar(["bench/Main.class"]))
version = {
    "id": "1.12.2-bench", "type": "release", "mainClass": "net.minecraft.client.main.Main",
    "minecraftArguments": "--username ${auth_player_name}",
    "assetIndex": {"id": "bench", "sha1": index_sha1, "size": index_size,
                   "url": "BASE/indexes/bench.json"},
    "assets": "bench",
    "downloads": {"client": {"sha1": client_sha1, "size": client_size,
                             "url": "BASE/client/bench.jar"}},
    "libraries": libraries,
}
# The URLs hold BASE until the benchmark knows its port, so the SHA-1 of the JSON is taken then.
write(f"{root}/template/1.12.2-bench.json", one_line(version))

write_curl_config(os.path.join(os.path.dirname(root), "objects.curl"), assets, "BASE/resources",
                  os.path.join(os.path.dirname(root), "curl-out"))
describe(assets)
