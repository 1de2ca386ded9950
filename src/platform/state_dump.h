// The state dump: each subsystem registers a contributor that fills its part of one JSON object.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

namespace sw::platform {

class StateDump {
 public:
  using Contributor = std::function<void(nlohmann::json&)>;

  // Keeps a contributor registered while it lives.
  class Registration {
   public:
    Registration() = default;
    Registration(Registration&& other) noexcept { *this = std::move(other); }
    Registration& operator=(Registration&& other) noexcept;
    Registration(const Registration&) = delete;
    Registration& operator=(const Registration&) = delete;
    ~Registration() { Reset(); }
    void Reset();

   private:
    friend class StateDump;
    Registration(StateDump* dump, std::weak_ptr<bool> alive, int id)
        : dump_(dump), alive_(std::move(alive)), id_(id) {}
    StateDump* dump_ = nullptr;
    std::weak_ptr<bool> alive_;
    int id_ = 0;
  };

  StateDump();
  ~StateDump();

  // Contributors run in registration order; a later one may overwrite an earlier field.
  [[nodiscard]] Registration Add(Contributor contributor);
  nlohmann::json Collect() const;
  std::string ToString() const;
  // Writes the dump as indented JSON; throws VbError 75 when the file cannot be written.
  void WriteFile(const std::filesystem::path& path) const;

 private:
  void Remove(int id);
  struct Entry {
    int id;
    Contributor contributor;
  };
  std::vector<Entry> entries_;
  int next_id_ = 1;
  std::shared_ptr<bool> alive_;
};

}  // namespace sw::platform
