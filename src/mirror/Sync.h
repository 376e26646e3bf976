#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "mirror/ParallelFetch.h"

namespace mirror {

struct SyncRequest {
    std::string out;  // the tree, absolute
    std::vector<std::string> versions;
    bool allReleases = false;
    // The official documents and hosts; the built-in defaults are the real ones.
    std::string manifestUrl;
    std::string librariesHost;
    std::string resourcesHost;
    FetchOptions fetch;
};

struct SyncOutcome {
    // A failure that stopped the run before the files (no manifest, an unknown version ...).
    std::string stopped;
    std::vector<std::string> versionsHeld;  // the catalogue, in its order
    size_t fetched = 0;
    size_t present = 0;
    uint64_t bytesFetched = 0;
    std::vector<FetchFailure> failures;  // files not in place, with the reason
    std::vector<std::string> problems;   // what the mirror could not write or refused
    // Worth telling but no gap in the tree: manifest entries refused that were not asked for.
    std::vector<std::string> notes;

    bool complete() const { return stopped.empty() && failures.empty() && problems.empty(); }
};

// "1.7.10, 1.12.2" as ids, blanks around each dropped, empty parts left out.
std::vector<std::string> versionList(std::string_view text);

// Fetches the official documents and writes, under `request.out`, the tree a launcher on the
// mirror source installs from: the catalogue of the versions the tree holds, each version's
// jar and JSON, the libraries both Windows and Linux ask for (both widths), the native
// libraries of both start-up tables taken out of their natives jars, the asset indexes
// re-indented for the launcher's scans, the objects and the legacy resources. What is already
// in place is not fetched again.
SyncOutcome syncTree(const SyncRequest& request);

// The lines that end a run: what was fetched, what is missing and why.
std::vector<std::string> outcomeLines(const SyncOutcome& outcome);

// Prints the progress line (files and bytes done of the total) over itself on the terminal.
void printProgress(const FetchProgress& progress);

}  // namespace mirror
