// Sets environment variables for one test and puts the previous values
// back afterwards, so the configuration tests do not leak into each other.
#pragma once

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace promocionesQEX::testing {

class ScopedEnvironment {
 public:
  ~ScopedEnvironment() {
    for (const auto& [name, value] : saved_) apply(name, value);
  }
  // An empty optional unsets the variable.
  void set(const std::string& name, std::optional<std::string> value) {
    if (const char* old = std::getenv(name.c_str()); !saved_.count(name)) {
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    apply(name, value);
  }

 private:
  static void apply(const std::string& name,
                    const std::optional<std::string>& value) {
    value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
  }
  std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace promocionesQEX::testing
