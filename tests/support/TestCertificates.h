#pragma once
#include <string>
#include <vector>

#include "TempFolder.h"

namespace testing_support {

// A certificate authority made for one test with the `openssl` tool (P-256 keys, valid two
// days), and the server certificates it signs. Nothing of it is trusted until its `caFile()`
// is given to the launcher (services.ini "cafile=") or to another client.
//
//   TestCertificateAuthority authority;
//   ASSERT_TRUE(authority.ok()) << authority.error();
//   auto localhost = authority.issue("127.0.0.1");     // subjectAltName IP:127.0.0.1
//   auto elsewhere = authority.issue("other.test");    // subjectAltName DNS:other.test
class TestCertificateAuthority {
  public:
    struct ServerCertificate {
        std::string certificateFile;  // PEM, the leaf only
        std::string keyFile;          // PEM, unencrypted
    };

    // Whether the `openssl` tool is there (tests skip without it).
    static bool available();

    explicit TestCertificateAuthority(const std::string& commonName = "Vendrolupa Test CA");
    TestCertificateAuthority(const TestCertificateAuthority&) = delete;
    TestCertificateAuthority& operator=(const TestCertificateAuthority&) = delete;

    bool ok() const { return error_.empty(); }
    // What openssl said when making a certificate failed; empty while all went well.
    const std::string& error() const { return error_; }
    // The authority's own certificate (PEM).
    const std::string& caFile() const { return caFile_; }

    // A certificate for `name`: an IPv4 address becomes an IP subjectAltName, anything else a
    // DNS one; it is also the subject's common name. On failure both paths are empty and
    // `error()` says why.
    ServerCertificate issue(const std::string& name);

  private:
    bool run(const std::vector<std::string>& arguments);

    TempFolder folder_{"test-ca"};
    std::string caFile_;
    std::string caKey_;
    std::string error_;
    int issued_ = 0;
};

}  // namespace testing_support
