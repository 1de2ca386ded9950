// The one way from a game's file names to files on disk. Games were written on Windows: names
// use '\' or '/' and any letter case, so every component is matched without regard to case.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/system/case_folder.h"
#include "platform/system/text_codec.h"

namespace sw {

// Attribute bits of a directory search, as the original's Dir takes them. Read-only and
// archive bits select nothing on their own; 0 gives normal files only.
namespace file_attr {
inline constexpr int kNormal = 0;
inline constexpr int kHidden = 2;  // names starting with '.'
inline constexpr int kSystem = 4;
inline constexpr int kDirectory = 16;
}  // namespace file_attr

// Owned by whoever creates it (the application) and passed down. Folder listings are cached;
// a folder whose time stamp changed is read again, and every writer of this program calls
// NoteWritten or Invalidate so that its own changes are seen at once. Not thread-safe.
class PathResolver {
 public:
  // Names are UTF-8, as the game's text is once read. Names on disk are taken as UTF-8 where
  // they are valid UTF-8, else as bytes of this code page (files copied from Windows as they
  // were). New names are created in UTF-8. The codec is the game's code page for its files.
  explicit PathResolver(std::string_view code_page = TextCodec::kDefaultCodePage);
  ~PathResolver();
  PathResolver(PathResolver&&) noexcept;
  PathResolver& operator=(PathResolver&&) noexcept;

  // The path on disk. Each component that exists is replaced by its name on disk (an exact
  // match first, else the first match in name order; blanks and dots at the end of a name
  // are ignored when that is the only way to find it); from the first missing component on,
  // the rest is kept as given, so that the caller's existence check fails or a writer
  // creates it. '\' becomes '/'; "." and ".." are kept as they are.
  std::filesystem::path Resolve(std::string_view path) const;

  bool Exists(std::string_view path) const;  // a file or a folder
  bool IsFile(std::string_view path) const;
  bool IsDirectory(std::string_view path) const;

  // The directory lookup of the original (Dir with no attributes): the name of the normal
  // file the path names, or the first match when its last component has '*' or '?'; a path
  // ending in a separator lists that folder. Empty when nothing matches or on any error.
  std::string Lookup(std::string_view path) const;

  // Every name that matches the last component of the path (wildcards '*' and '?') with the
  // attribute mask, in name order (letter case ignored). Without kDirectory only files are
  // given; "." and ".." never are. An empty path names nothing.
  std::vector<std::string> List(std::string_view pattern_path,
                                int attributes = file_attr::kNormal) const;

  std::optional<std::chrono::system_clock::time_point> ModificationTime(
      std::string_view path) const;

  // Deletes the file when the lookup finds it; errors are swallowed. True when one was deleted.
  bool DeleteIfExists(std::string_view path);

  // Forget the listing of a folder on disk (a resolved path), or of all folders.
  void Invalidate(const std::filesystem::path& resolved_dir);
  void InvalidateAll();
  // Tells the resolver that this program created, replaced or removed a file.
  void NoteWritten(const std::filesystem::path& resolved_file) {
    Invalidate(resolved_file.parent_path());
  }

  const TextCodec& codec() const { return codec_; }
  const CaseFolder& case_folder() const { return folder_; }

 private:
  struct Listing;
  struct Cache;
  // The folder's listing, read again when its time stamp changed (or when asked to while it
  // is unsettled); fresh tells whether it was read by this call. Null when it cannot be read.
  const Listing* GetListing(const std::filesystem::path& dir, bool reread_if_unsettled,
                            bool* fresh) const;
  // Finds one name in a folder: the entry index, or nothing.
  std::optional<size_t> FindIn(const std::filesystem::path& dir, std::string_view name,
                               const Listing** listing) const;
  std::string DiskNameForNew(std::string_view name) const;

  TextCodec codec_;
  CaseFolder folder_;
  std::unique_ptr<Cache> cache_;
};

}  // namespace sw
