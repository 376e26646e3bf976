#pragma once
#include <memory>
#include <string>

#include "NginxServer.h"
#include "TestCertificates.h"

namespace testing_support {

// A folder served over TLS on 127.0.0.1 by a real nginx: a fresh test authority, a server
// certificate it signs, and nginx with both. Trust comes only from caFile(): write it as
// "cafile=" into services.ini (or hand it to the client under test).
//
//   TlsFolderServer server(folder.path());                  // certificate for 127.0.0.1
//   ASSERT_TRUE(server.running()) << server.problem();
//   folder.write(".Vendrolupa_Data/services.ini", "cafile=" + server.caFile() + "\r\n");
//   ... fetch server.baseUrl() + "/file.json" ...
//
// `certificateName` other than "127.0.0.1" ("other.test") serves a certificate for another
// name, which a client connecting to 127.0.0.1 must refuse. `options` adds to nginx's
// configuration (redirects, extra directives); its root and TLS files are set here.
class TlsFolderServer {
  public:
    explicit TlsFolderServer(const std::string& root,
                             const std::string& certificateName = "127.0.0.1",
                             NginxServer::Options options = {});

    // Whether nginx and openssl are there to run (tests skip without them).
    static bool available();

    bool running() const { return server_ && server_->running(); }
    // "https://127.0.0.1:<port>", no trailing "/".
    std::string baseUrl() const { return server_ ? server_->baseUrl() : std::string(); }
    uint16_t port() const { return server_ ? server_->port() : 0; }
    // The test authority's certificate (PEM) that makes the server trusted.
    const std::string& caFile() const { return authority_.caFile(); }
    // Why the server is not running: openssl's message or nginx's error log.
    std::string problem() const;

  private:
    TestCertificateAuthority authority_;
    std::unique_ptr<NginxServer> server_;
};

// What a test of certificate checks needs over one folder: a server the client trusts through
// `local.caFile()` (certificate for 127.0.0.1), one whose trusted certificate names another host,
// and an authority that signed neither.
struct TlsTrustServers {
    explicit TlsTrustServers(const std::string& root)
        : local(root), otherName(root, "other.test"), stranger("Someone Else") {}
    // Empty when all three are ready; else why not.
    std::string problem() const;

    TlsFolderServer local;
    TlsFolderServer otherName;
    TestCertificateAuthority stranger;
};

}  // namespace testing_support
