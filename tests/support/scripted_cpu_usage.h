#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "cpu/cpu_usage.h"

namespace slumbrix::test {

// A provider that answers Query from a script; once the script is used up it repeats its
// last answer. Records the operations it was asked for.
class ScriptedCpuUsage : public CpuUsageProvider {
 public:
  explicit ScriptedCpuUsage(std::vector<std::int32_t> script,
                            std::vector<std::string>* log = nullptr)
      : script_(script.begin(), script.end()), log_(log) {}

  void Initialize() override { note("Initialize"); }
  std::int32_t Query() override {
    note("Query");
    if (!script_.empty()) {
      last_ = script_.front();
      script_.pop_front();
    }
    return last_;
  }
  void Terminate() override { note("Terminate"); }
  void push(std::int32_t value) { script_.push_back(value); }

 private:
  void note(const char* what) {
    if (log_ != nullptr) log_->push_back(what);
  }
  std::deque<std::int32_t> script_;
  std::int32_t last_ = 0;
  std::vector<std::string>* log_;
};

}  // namespace slumbrix::test
