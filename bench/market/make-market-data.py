#!/usr/bin/env python3
"""Writes the mirror of the market benchmark into <folder>: an 826-entry catalogue in the published
pretty-printed shape, the shared index /indexes/1.8.json with 1,300 objects and the per-version
index /indexes/07w45a.json with 4,000 objects, every object stored under its SHA-1 with a size
drawn from a log-normal distribution (median 9 KiB, as game assets are), and a curl config that
fetches the 1,300 objects of the shared index into <folder>/../curl-out."""
import hashlib
import json
import math
import os
import random
import sys

root = sys.argv[1]
rng = random.Random(1300)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def index(name, count):
    objects = {}
    for i in range(count):
        size = int(min(max(rng.lognormvariate(math.log(9 * 1024), 1.0), 64), 2 << 20))
        data = rng.randbytes(size)
        digest = hashlib.sha1(data).hexdigest()
        write(f"{root}/assets/{digest[:2]}/{digest}", data)
        objects[f"minecraft/sounds/bench/{name}-{i}.ogg"] = {"hash": digest, "size": size}
    write(f"{root}/indexes/{name}.json", json.dumps({"objects": objects}, indent=2).encode())
    return objects


types = ["release", "snapshot", "old_beta", "old_alpha"]
versions = [{"id": "1.8.9", "type": "release"}, {"id": "07w45a", "type": "snapshot"}]
versions += [{"id": f"1.{i // 100}.{i % 100}-bench", "type": types[i % 4]} for i in range(824)]
for v in versions:
    v["time"] = v["releaseTime"] = "2014-01-01T00:00:00+00:00"
catalogue = {"latest": {"release": "1.8.9", "snapshot": "07w45a"}, "versions": versions}
write(f"{root}/versions/versions.json", json.dumps(catalogue, indent=2).encode())

shared = index("1.8", 1300)
index("07w45a", 4000)
out = os.path.join(os.path.dirname(root), "curl-out")
with open(os.path.join(os.path.dirname(root), "assets.curl"), "w") as f:
    for entry in shared.values():
        h = entry["hash"]
        f.write(f'url = "BASE/assets/{h[:2]}/{h}"\noutput = "{out}/{h[:2]}/{h}"\n')
sizes = sorted(e["size"] for e in shared.values())
print(f"1,300 objects, median {sizes[len(sizes) // 2] / 1024:.1f} KiB, "
      f"total {sum(sizes) / 1048576:.1f} MiB", file=sys.stderr)
