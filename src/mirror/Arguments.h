#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace mirror {

// A command and its options: "--name value", or "--name" alone for a switch (value "").
struct Arguments {
    std::string command;
    std::map<std::string, std::string> options;

    bool has(const std::string& name) const { return options.count(name) > 0; }
    std::string value(const std::string& name, const std::string& otherwise = "") const;
};

// The arguments behind the program name, checked against what each command takes: an
// unknown command or option, a missing value, an option given twice or a required one
// missing fails with what is wrong.
platform::Result<Arguments> parseArguments(const std::vector<std::string>& arguments);

// How to call the program, for a wrong call.
std::string usageText();

}  // namespace mirror
