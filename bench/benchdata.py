"""What the benchmarks' data writers share: files written with their SHA-1, game-asset-like
objects, and curl configs that fetch the same objects for the comparison runs."""
import hashlib
import math
import os
import sys


def write(path, data):
    """Writes `data` to `path`, making its folders; returns its SHA-1 and size."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    return hashlib.sha1(data).hexdigest(), len(data)


def objects(rng, count, store, name):
    """Writes `count` random objects under <store>/<hh>/<hash> with sizes drawn from a log-normal
    distribution (median 9 KiB, as game assets are); returns their asset index entries, named
    minecraft/sounds/bench/<name>-<i>.ogg."""
    entries = {}
    for i in range(count):
        size = int(min(max(rng.lognormvariate(math.log(9 * 1024), 1.0), 64), 2 << 20))
        data = rng.randbytes(size)
        digest = hashlib.sha1(data).hexdigest()
        write(f"{store}/{digest[:2]}/{digest}", data)
        entries[f"minecraft/sounds/bench/{name}-{i}.ogg"] = {"hash": digest, "size": size}
    return entries


def write_curl_config(path, entries, url, out):
    """A curl config fetching each object from <url>/<hh>/<hash> to <out>/<hh>/<hash>."""
    with open(path, "w") as f:
        for entry in entries.values():
            h = entry["hash"]
            f.write(f'url = "{url}/{h[:2]}/{h}"\noutput = "{out}/{h[:2]}/{h}"\n')


def describe(entries):
    sizes = sorted(e["size"] for e in entries.values())
    print(f"{len(sizes):,} objects, median {sizes[len(sizes) // 2] / 1024:.1f} KiB, "
          f"total {sum(sizes) / 1048576:.1f} MiB", file=sys.stderr)
