#pragma once
#include <cstdlib>
#include <optional>
#include <string>

namespace testing_support {

// Sets an environment variable for the life of the object, then restores it.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        set(name, value.c_str());
    }
    ~ScopedEnv() { old_ ? set(name_.c_str(), old_->c_str()) : unset(name_.c_str()); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
#ifdef _WIN32
    // An empty value removes the variable.
    static void set(const char* name, const char* value) {
        _putenv_s(name, value);
    }
    static void unset(const char* name) {
        _putenv_s(name, "");
    }
#else
    static void set(const char* name, const char* value) {
        setenv(name, value, 1);
    }
    static void unset(const char* name) {
        unsetenv(name);
    }
#endif
    std::string name_;
    std::optional<std::string> old_;
};

}  // namespace testing_support
