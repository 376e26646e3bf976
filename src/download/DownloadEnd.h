#pragma once
#include <string>

namespace download {

// How the last download ended, for the host to read after done, failed or error (the market
// shows it, the log keeps it).
struct DownloadEnd {
    std::string url;     // the address last asked, after any redirects
    std::string file;    // the target path; empty when no file name was found yet
    std::string reason;  // why the file was not saved (Chinese); empty after done
    int status = 0;      // the HTTP status of the last response; 0 when none came
};

}  // namespace download
