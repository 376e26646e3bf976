#include "launch/LaunchArgs.h"

bool LaunchArgs::AddArg(std::string element) {
    if (elements_.size() >= kMaxElements) return false;
    elements_.push_back(std::move(element));
    return true;
}

std::string LaunchArgs::JoinArgs() const {
    std::string joined;
    for (const std::string& element : elements_) {
        if (joined.empty()) {
            joined = element;
        } else {
            joined += ' ';
            joined += element;
        }
    }
    return joined;
}
