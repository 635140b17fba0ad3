#pragma once
// An environment variable set for one test, its old value put back after.
#include <cstdlib>
#include <optional>
#include <string>

namespace tk::test {

class ScopedEnv {
public:
  // A null value unsets the variable.
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(name, value);
  }
  ScopedEnv(const char* name, const std::string& value) : ScopedEnv(name, value.c_str()) {}
  ~ScopedEnv() { Set(name_, old_ ? old_->c_str() : nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
  static void Set(const char* name, const char* value) {
#ifdef _WIN32
    // An empty value unsets it there.
    ::_putenv_s(name, value ? value : "");
#else
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
#endif
  }

  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace tk::test
