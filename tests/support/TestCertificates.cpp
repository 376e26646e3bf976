#include "TestCertificates.h"

#include <arpa/inet.h>

#include <vector>

#include "GameJar.h"

namespace testing_support {
namespace {

const std::vector<std::string> kNewKey = {"-newkey", "ec", "-pkeyopt",
                                          "ec_paramgen_curve:prime256v1", "-nodes"};

bool isIpv4Address(const std::string& name) {
    in_addr parsed{};
    return inet_pton(AF_INET, name.c_str(), &parsed) == 1;
}

}  // namespace

bool TestCertificateAuthority::available() {
    return !findOnPath("openssl").empty();
}

TestCertificateAuthority::TestCertificateAuthority(const std::string& commonName) {
    caFile_ = folder_.file("ca.pem");
    caKey_ = folder_.file("ca.key");
    std::vector<std::string> command = {"openssl", "req", "-x509"};
    command.insert(command.end(), kNewKey.begin(), kNewKey.end());
    command.insert(command.end(), {"-days", "2", "-subj", "/CN=" + commonName, "-keyout", caKey_,
                                   "-out", caFile_, "-addext", "basicConstraints=critical,CA:TRUE",
                                   "-addext", "keyUsage=critical,keyCertSign,cRLSign"});
    if (!run(command)) caFile_.clear();
}

TestCertificateAuthority::ServerCertificate TestCertificateAuthority::issue(
    const std::string& name) {
    if (!ok()) return {};
    std::string stem = folder_.file("server" + std::to_string(++issued_));
    ServerCertificate made{stem + ".pem", stem + ".key"};
    std::string request = stem + ".csr";
    std::string extensions =
        folder_.write("server" + std::to_string(issued_) + ".ext",
                      "subjectAltName=" + std::string(isIpv4Address(name) ? "IP:" : "DNS:") + name +
                          "\nbasicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\n"
                          "extendedKeyUsage=serverAuth\n");
    std::vector<std::string> makeRequest = {"openssl", "req"};
    makeRequest.insert(makeRequest.end(), kNewKey.begin(), kNewKey.end());
    makeRequest.insert(makeRequest.end(),
                       {"-subj", "/CN=" + name, "-keyout", made.keyFile, "-out", request});
    bool signedOk = run(makeRequest) &&
                    run({"openssl", "x509", "-req", "-in", request, "-CA", caFile_, "-CAkey",
                         caKey_, "-set_serial", std::to_string(1000 + issued_), "-days", "2",
                         "-extfile", extensions, "-out", made.certificateFile});
    return signedOk ? made : ServerCertificate{};
}

bool TestCertificateAuthority::run(const std::vector<std::string>& arguments) {
    ProgramResult result = runProgram(arguments, folder_.path(), std::chrono::seconds(60));
    if (result.exitCode == 0) return true;
    error_ = "openssl " + arguments[1] + " failed (" + std::to_string(result.exitCode) +
             "): " + result.output;
    return false;
}

}  // namespace testing_support
