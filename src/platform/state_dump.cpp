#include "platform/state_dump.h"

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>

#include "base/vb_error.h"
#include "platform/system/file_io.h"

namespace sw::platform {

StateDump::Registration& StateDump::Registration::operator=(Registration&& other) noexcept {
  if (this != &other) {
    Reset();
    dump_ = other.dump_;
    alive_ = std::move(other.alive_);
    id_ = other.id_;
    other.dump_ = nullptr;
  }
  return *this;
}

void StateDump::Registration::Reset() {
  if (dump_ && alive_.lock()) dump_->Remove(id_);
  dump_ = nullptr;
}

StateDump::StateDump() : alive_(std::make_shared<bool>(true)) {}
StateDump::~StateDump() = default;

StateDump::Registration StateDump::Add(Contributor contributor) {
  int id = next_id_++;
  entries_.push_back({id, std::move(contributor)});
  return Registration(this, alive_, id);
}

void StateDump::Remove(int id) {
  entries_.erase(
      std::remove_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; }),
      entries_.end());
}

nlohmann::json StateDump::Collect() const {
  nlohmann::json out = nlohmann::json::object();
  for (const Entry& entry : entries_) entry.contributor(out);
  return out;
}

std::string StateDump::ToString() const {
  return Collect().dump(2);
}

void StateDump::WriteFile(const std::filesystem::path& path) const {
  // Atomically: a reader never sees half a dump, and a failed write keeps the previous one.
  WriteFileAtomically(path, ToString() + '\n');
}

}  // namespace sw::platform
