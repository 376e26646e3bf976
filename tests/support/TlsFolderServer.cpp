#include "TlsFolderServer.h"

namespace testing_support {

TlsFolderServer::TlsFolderServer(const std::string& root, const std::string& certificateName,
                                 NginxServer::Options options) {
    TestCertificateAuthority::ServerCertificate certificate = authority_.issue(certificateName);
    if (!authority_.ok()) return;
    options.root = root;
    options.certificateFile = certificate.certificateFile;
    options.keyFile = certificate.keyFile;
    server_ = std::make_unique<NginxServer>(std::move(options));
}

bool TlsFolderServer::available() {
    return NginxServer::available() && TestCertificateAuthority::available();
}

std::string TlsFolderServer::problem() const {
    if (!authority_.ok()) return authority_.error();
    return server_ ? server_->errorLog() : std::string("nginx was not started");
}

std::string TlsTrustServers::problem() const {
    if (!local.running()) return local.problem();
    if (!otherName.running()) return otherName.problem();
    return stranger.error();
}

}  // namespace testing_support
