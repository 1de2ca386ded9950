#include "check/checker.h"

#include <algorithm>

#include "base/vb_error.h"
#include "core/project/file_names.h"
#include "platform/media_probe.h"
#include "platform/picture.h"

namespace sw::check {

namespace {

std::string Slashed(std::string_view path) {
  std::string text(path);
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

}  // namespace

int LineOfOffset(std::string_view bytes, size_t offset) {
  int line = 1;
  offset = std::min(offset, bytes.size());
  for (size_t i = 0; i < offset; ++i) {
    // CR LF, LF and CR each end one line.
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) {
      ++line;
    }
  }
  return line;
}

bool IsDefaultName(const std::string& name) {
  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower.empty() || lower == "default";
}

Checker::Checker(const std::filesystem::path& folder, std::string_view code_page)
    : root_(folder), files_(code_page) {
  SetProjectFolders(folders_, folder.string());
  ResetProjectInfo(info_);
}

void Checker::Run() {
  if (!CheckGeneral()) return;
  CheckTexts();
  CheckVariables();
  CheckProcedures();
  CheckPointerFile(info_.DefaultPointer, GeneralField(38));
  CheckInventoryGraphics();
  ListFrames();
  if (info_.StartFrame.empty()) {
    Report(GeneralField(5), Severity::kError, "the game names no start frame");
  } else {
    CheckFrameName(info_.StartFrame, GeneralField(5), "the start frame");
  }
  for (const std::string& frame : std::vector<std::string>(frames_)) CheckFrame(frame);
  CheckItems();
}

void Checker::Report(const Where& where, Severity severity, std::string message) {
  findings_.push_back(Finding{where.file, where.line, severity, std::move(message)});
}

std::string Checker::Shown(std::string_view gamePath) const {
  std::string text = Slashed(gamePath);
  const std::string root = Slashed(folders_.ProjectFolder);
  if (text.rfind(root, 0) == 0) text.erase(0, root.size());
  return text;
}

Where Checker::At(const std::string& gamePath, const ValueReader& reader) const {
  return Where{Shown(gamePath), reader.NextLine()};
}

std::optional<std::filesystem::path> Checker::Find(const std::string& gamePath, const Where& where,
                                                   std::string_view what, bool quiet) {
  std::string found = gamePath;
  if (!files_.IsFile(found)) {
    found = AlternateExtension(gamePath);
    if (found == gamePath || !files_.IsFile(found)) {
      if (!quiet) {
        Report(where, Severity::kError,
               "missing " + std::string(what) + " '" + Shown(gamePath) + "'");
      }
      return std::nullopt;
    }
  }
  const std::filesystem::path resolved = files_.Resolve(found);
  const std::string onDisk = resolved.lexically_relative(root_).generic_string();
  const std::string named = Shown(found);
  if (onDisk != named && caseWarned_.insert(named).second) {
    Report(where, Severity::kWarning,
           std::string(what) + " '" + named + "' is '" + onDisk +
               "' on disk: it matches only in another letter case");
  }
  return resolved;
}

void Checker::CheckMedia(const std::string& gamePath, const Where& where, std::string_view what,
                         MediaType type) {
  const std::optional<std::filesystem::path> file = Find(gamePath, where, what);
  if (!file) return;
  std::string reason;
  if (type == MediaType::kPicture) {
    try {
      platform::DecodePictureFile(*file);
    } catch (const VbError& e) {
      reason = e.what();
    } catch (const std::exception& e) {
      reason = e.what();
    }
  } else {
    reason =
        platform::ProbeMediaFile(*file, type == MediaType::kSound ? platform::MediaKind::kSound
                                                                  : platform::MediaKind::kVideo);
  }
  if (!reason.empty()) {
    Report(where, Severity::kError,
           "unreadable " + std::string(what) + " '" + Shown(gamePath) + "': " + reason);
  }
}

std::optional<ValueReader> Checker::OpenValueFile(const std::string& gamePath,
                                                  const std::filesystem::path& resolved) {
  try {
    return ValueReader::FromFile(resolved, files_.codec());
  } catch (const std::exception& e) {
    Report(Where{Shown(gamePath), 0}, Severity::kError,
           std::string("cannot read the file: ") + e.what());
    return std::nullopt;
  }
}

void Checker::CheckFrameName(const std::string& name, const Where& where, std::string_view use) {
  if (std::find(frames_.begin(), frames_.end(), name) != frames_.end()) return;
  for (const std::string& frame : frames_) {
    if (files_.case_folder().Equal(frame, name)) {
      Report(where, Severity::kWarning,
             "frame '" + name + "' (" + std::string(use) + ") is the frame '" + frame +
                 "': it matches only in another letter case");
      return;
    }
  }
  Report(where, Severity::kError,
         "frame '" + name + "' does not exist (" + std::string(use) + "; no file '" +
             Shown(folders_.FramesFolder + name + ".fme") + "')");
}

void Checker::CheckIntegerVariable(const std::string& name, const Where& where,
                                   std::string_view use) {
  if (!variablesKnown_) return;
  if (std::find(integers_.begin(), integers_.end(), name) != integers_.end()) return;
  std::string message = std::string(use) + ": '" + name + "' is not a declared integer variable";
  for (const std::string& declared : integers_) {
    if (files_.case_folder().Equal(declared, name)) {
      message += " (the variable '" + declared +
                 "' differs in letter case, and variable names are compared exactly)";
      break;
    }
  }
  if (std::find(variants_.begin(), variants_.end(), name) != variants_.end()) {
    message += " (it is a variant variable)";
  }
  Report(where, Severity::kError, message);
}

void Checker::CheckItemName(const std::string& name, const Where& where, std::string_view use) {
  if (name.empty()) {
    Report(where, Severity::kError, "an empty item name (" + std::string(use) + ")");
    return;
  }
  if (!Find(folders_.AreasFolder + name + ".obj", where, "item file", true)) {
    Report(where, Severity::kError,
           "item '" + name + "' does not exist (" + std::string(use) + "; no file '" +
               Shown(folders_.AreasFolder + name + ".obj") + "')");
  }
}

}  // namespace sw::check
