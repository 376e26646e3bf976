#include "context/ServiceHosts.h"

#include <map>

#include "platform/AsciiText.h"
#include "platform/TextFile.h"

ServiceHosts loadServiceHosts(const std::string& path) {
    ServiceHosts hosts;
    const std::map<std::string, std::string ServiceHosts::*> fields = {
        {"mirror", &ServiceHosts::mirror},
        {"official", &ServiceHosts::official},
        {"files", &ServiceHosts::files},
        {"update", &ServiceHosts::update},
        {"auth", &ServiceHosts::auth}};
    auto lines = platform::readTextLines(path);
    if (!lines) return hosts;
    for (const std::string& line : lines.value()) {
        size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        auto field = fields.find(platform::trimmed(line.substr(0, equals)));
        if (field == fields.end()) continue;
        std::string value = platform::trimmed(line.substr(equals + 1));
        while (!value.empty() && value.back() == '/')
            value.pop_back();
        if (!value.empty()) hosts.*(field->second) = value;
    }
    return hosts;
}
