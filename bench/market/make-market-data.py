#!/usr/bin/env python3
"""Writes the mirror of the market benchmark into <folder>: an 826-entry catalogue in the published
pretty-printed shape, the shared index /indexes/1.8.json with 1,300 objects and the per-version
index /indexes/07w45a.json with 4,000 objects, every object stored under its SHA-1 with a size
drawn from a log-normal distribution (median 9 KiB, as game assets are), and a curl config that
fetches the 1,300 objects of the shared index into <folder>/../curl-out."""
import json
import os
import random
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from benchdata import describe, objects, write, write_curl_config  # noqa: E402

root = sys.argv[1]
rng = random.Random(1300)


def index(name, count):
    entries = objects(rng, count, f"{root}/assets", name)
    write(f"{root}/indexes/{name}.json", json.dumps({"objects": entries}, indent=2).encode())
    return entries


types = ["release", "snapshot", "old_beta", "old_alpha"]
versions = [{"id": "1.8.9", "type": "release"}, {"id": "07w45a", "type": "snapshot"}]
versions += [{"id": f"1.{i // 100}.{i % 100}-bench", "type": types[i % 4]} for i in range(824)]
for v in versions:
    v["time"] = v["releaseTime"] = "2014-01-01T00:00:00+00:00"
catalogue = {"latest": {"release": "1.8.9", "snapshot": "07w45a"}, "versions": versions}
write(f"{root}/versions/versions.json", json.dumps(catalogue, indent=2).encode())

shared = index("1.8", 1300)
index("07w45a", 4000)
write_curl_config(os.path.join(os.path.dirname(root), "assets.curl"), shared, "BASE/assets",
                  os.path.join(os.path.dirname(root), "curl-out"))
describe(shared)
