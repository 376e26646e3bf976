#pragma once
#include <string>
#include <vector>

// The ordered argument texts that follow the Java executable. Each element goes into the
// command line exactly as stored: one that needs quoting carries its own double quotes.
class LaunchArgs {
  public:
    // The count is a 16-bit signed number where the command line is made.
    static constexpr size_t kMaxElements = 32767;

    // Appends one element; false (and nothing appended) when the list is full.
    bool AddArg(std::string element);
    // The elements separated by single spaces; empty elements at the front add nothing.
    std::string JoinArgs() const;
    void clear() { elements_.clear(); }
    const std::vector<std::string>& elements() const { return elements_; }

  private:
    std::vector<std::string> elements_;
};
