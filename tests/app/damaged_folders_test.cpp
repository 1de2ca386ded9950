// Damaged copies of the sample game, made from a fixed seed (files cut short, bytes changed,
// huge numbers, missing files, links to an endless device, pipes, pictures that claim giant
// sizes), each played headless for a few virtual seconds under a memory limit: the player
// never crashes or hangs, and always writes its dump. A few dozen copies run by default;
// SW_DAMAGED_COPIES=N runs N (hundreds for a longer search), still from the same seed.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <vector>

#include "player_run.h"

namespace {

namespace fs = std::filesystem;

constexpr int kShards = 4;
constexpr int kDefaultCopies = 64;

// Copies each shard plays: SW_DAMAGED_COPIES in all, shared among the shards.
int CopiesPerShard() {
  int copies = kDefaultCopies;
  if (const char* text = std::getenv("SW_DAMAGED_COPIES")) copies = std::max(1, std::atoi(text));
  return (copies + kShards - 1) / kShards;
}

std::string Slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Spit(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

std::string Le32(uint32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += static_cast<char>(v >> (8 * i) & 0xFF);
  return s;
}

// A picture header that claims 65535 x 65535 pixels, in 1 KB.
std::string GiantBmp() {
  std::string b = "BM" + Le32(1078) + Le32(0) + Le32(54) + Le32(40) + Le32(65535) + Le32(65535);
  b += std::string("\x01\x00\x18\x00", 4) + std::string(24, '\0');
  return b + std::string(1024, '\x55');
}

// Damages one game folder in one or two ways chosen by the generator; says what it did.
std::string Damage(const fs::path& game, std::mt19937& random) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(game))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  std::string what;
  const int damages = 1 + static_cast<int>(random() % 2);
  for (int d = 0; d < damages && !files.empty(); ++d) {
    const size_t chosen = random() % files.size();
    const fs::path file = files[chosen];
    std::string bytes = Slurp(file);
    // A file removed or replaced by a link or a pipe is no longer one to read or damage again.
    auto forget = [&files, chosen] { files.erase(files.begin() + static_cast<long>(chosen)); };
    const std::string name = file.lexically_relative(game).string();
    auto pick = [&random](size_t n) { return n == 0 ? 0 : static_cast<size_t>(random() % n); };
    switch (random() % 8) {
      case 0:
        bytes.resize(pick(bytes.size() + 1));
        Spit(file, bytes);
        what += "cut " + name + "; ";
        break;
      case 1:
        for (int i = 0; i < 1 + static_cast<int>(random() % 16) && !bytes.empty(); ++i)
          bytes[pick(bytes.size())] = static_cast<char>(random());
        Spit(file, bytes);
        what += "flipped " + name + "; ";
        break;
      case 2: {
        static const char* const kHuge[] = {"32767", "-32768", "2147483647", "99999999999999",
                                            "1E308", "-1",     "65535"};
        // Replaces the digits of one number.
        size_t at = bytes.find_first_of("0123456789", pick(bytes.size()));
        if (at == std::string::npos) at = bytes.find_first_of("0123456789");
        if (at == std::string::npos) break;
        size_t end = bytes.find_first_not_of("0123456789", at);
        bytes.replace(at, (end == std::string::npos ? bytes.size() : end) - at,
                      kHuge[pick(std::size(kHuge))]);
        Spit(file, bytes);
        what += "huge number in " + name + "; ";
        break;
      }
      case 3:
        fs::remove(file);
        forget();
        what += "removed " + name + "; ";
        break;
      case 4:
        fs::remove(file);
        fs::create_symlink("/dev/zero", file);
        forget();
        what += name + " -> /dev/zero; ";
        break;
      case 5:
        fs::remove(file);
        mkfifo(file.c_str(), 0600);
        forget();
        what += name + " is a pipe; ";
        break;
      case 6: {
        // A picture of the game made giant, or a giant picture in place of any file.
        fs::path target = file;
        for (const fs::path& f : files)
          if (f.extension() == ".bmp" && random() % 3 == 0) target = f;
        Spit(target, GiantBmp());
        what += "giant picture " + target.lexically_relative(game).string() + "; ";
        break;
      }
      default: {
        // A long run of separators: many empty records.
        bytes.insert(pick(bytes.size() + 1), std::string(1000 + random() % 200000, ','));
        Spit(file, bytes);
        what += "commas in " + name + "; ";
        break;
      }
    }
  }
  return what;
}

class DamagedFoldersTest : public ::testing::TestWithParam<int> {};

TEST_P(DamagedFoldersTest, NeverCrashHangOrLoseTheDump) {
  const fs::path dir = fs::temp_directory_path() / ("sw_damaged_" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "play.txt") << "wait 300\n"
                                     "click 160 80\n"  // the welcome window's first button
                                     "wait 1000\n"
                                     "click 390 245\n"
                                     "wait 500\n"
                                     "key Escape\n"
                                     "click 120 400\n"
                                     "wait 1500\n";
  std::mt19937 random(22 * 1000 + GetParam());
  const int copies = CopiesPerShard();
  for (int copy = 0; copy < copies; ++copy) {
    const fs::path game = dir / "game";
    fs::remove_all(game);
    fs::copy(fs::path(SW_BINARY_DIR) / "examples" / "sample", game, fs::copy_options::recursive);
    const std::string what = Damage(game, random);
    fs::remove(dir / "dump.json");
#if defined(__SANITIZE_ADDRESS__)
    const std::string limit;  // the address checker reserves more address space than that
#else
    const std::string limit = "ulimit -v 2000000; ";
#endif
    const std::string command = "cd '" + dir.string() + "' && " + limit +
                                "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout -s KILL 30 '" +
                                SW_BINARY_DIR +
                                "/bin/scenewright' --headless --script play.txt "
                                "--dump dump.json game >out.txt 2>err.txt </dev/null";
    const int raw = std::system(command.c_str());
    const std::string context =
        "copy " + std::to_string(copy) + ": " + what + "\n" + Slurp(dir / "err.txt");
    ASSERT_TRUE(WIFEXITED(raw)) << context;
    const int status = WEXITSTATUS(raw);
    // 0: played to the end; 2: no game found in the folder; 3: a scripted step had nothing
    // to act on (a dialog the damage left open). Anything else is a crash or a hang.
    ASSERT_TRUE(status == 0 || status == 2 || status == 3) << "status " << status << "\n"
                                                           << context;
    if (status == 2) continue;  // the folder holds no game: nothing was played
    const std::string dump = Slurp(dir / "dump.json");
    ASSERT_FALSE(dump.empty()) << context;
    EXPECT_NO_THROW((void)nlohmann::json::parse(dump)) << context;
  }
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Shards, DamagedFoldersTest, ::testing::Range(0, kShards));

}  // namespace
