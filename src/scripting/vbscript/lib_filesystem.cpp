#include "scripting/vbscript/lib_filesystem.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "base/code_page.h"
#include "base/utf.h"
#include "platform/system/file_io.h"
#include "scripting/vbscript/lib_args.h"
#include "scripting/vbscript/lib_members.h"

namespace sw::vbs::lib {
namespace {

namespace fs = std::filesystem;

constexpr int kForReading = 1, kForWriting = 2, kForAppending = 8;

constexpr int kTristateTrue = -1;

constexpr int kTristateUseDefault = -2;

// UTF-16 LE file bytes (after an optional byte-order mark) as text.
std::u16string FromUtf16(const std::string& bytes) {
  size_t i = bytes.compare(0, 2, "\xFF\xFE") == 0 ? 2 : 0;
  std::u16string out;
  out.reserve(bytes.size() / 2);
  for (; i + 1 < bytes.size(); i += 2)
    out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                        static_cast<unsigned char>(bytes[i + 1]) << 8));
  return out;
}

std::string ToUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char16_t unit : text) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
  }
  return out;
}

// A text file opened by OpenTextFile or CreateTextFile, in the ANSI code page or as UTF-16
// (Unicode). Reading streams hold the whole file; writing streams write through at once.
class TextStream : public Dispatch {
 public:
  static Ref<TextStream> ForReading(const std::string& bytes, bool unicode, const CodePage& page) {
    auto t = MakeRef<TextStream>(page);
    t->reading_ = true;
    t->content_ = unicode ? FromUtf16(bytes) : page.Decode(bytes);
    return t;
  }
  static Ref<TextStream> ForWriting(const fs::path& p, bool append, bool unicode,
                                    const CodePage& page) {
    auto t = MakeRef<TextStream>(page);
    std::error_code ec;
    // Only regular files are written: opening a pipe a game left in its folder would block
    // until something read it, and a folder cannot be written as a file.
    if (fs::exists(p, ec) && !fs::is_regular_file(p, ec)) throw VbError(vberr::kPermissionDenied);
    bool fresh = !append || !fs::exists(p, ec) || fs::file_size(p, ec) == 0;
    t->out_.open(p, std::ios::binary | (append ? std::ios::app : std::ios::trunc));
    if (!t->out_) throw VbError(vberr::kPermissionDenied);
    t->unicode_ = unicode;
    if (unicode && fresh) t->out_ << "\xFF\xFE";
    return t;
  }

  explicit TextStream(const CodePage& page) : page_(&page) {}
  std::string TypeName() const override { return "TextStream"; }
  int FindMember(std::string_view name) override {
    return FindMemberIn(
        name, {"ReadLine", "ReadAll", "Read", "SkipLine", "AtEndOfStream", "AtEndOfLine", "Line",
               "Write", "WriteLine", "WriteBlankLines", "Close"});
  }
  bool MembersFixedByClass() const override { return true; }

  Variant Invoke(int member, InvokeKind kind, Args a) override {
    if (IsPut(kind) || member == kDefaultMember) throw VbError(vberr::kNotSupported);
    if (member == 11) {  // Close
      ArgCount(a, 0);
      closed_ = true;
      if (out_.is_open()) out_.close();
      return Variant();
    }
    if (closed_) throw VbError(vberr::kBadFileName);
    bool reads = member <= 6;
    if (member == 7) reads = reading_;
    if (reads != reading_) throw VbError(vberr::kBadFileMode);
    switch (member) {
      case 1:
        ArgCount(a, 0);
        return Variant(ReadLine());
      case 2: {
        ArgCount(a, 0);
        if (pos_ >= content_.size()) throw VbError(vberr::kInputPastEnd);
        std::u16string rest = content_.substr(pos_);
        for (char16_t c : rest) line_ += c == '\n';
        pos_ = content_.size();
        return Variant(std::move(rest));
      }
      case 3: {
        ArgCount(a, 1);
        int32_t n = LongArg(a[0]);
        if (n < 0) InvalidCall();
        if (pos_ >= content_.size()) throw VbError(vberr::kInputPastEnd);
        std::u16string part = content_.substr(pos_, static_cast<size_t>(n));
        for (char16_t c : part) line_ += c == '\n';
        pos_ += part.size();
        return Variant(std::move(part));
      }
      case 4:
        ArgCount(a, 0);
        ReadLine();
        return Variant();
      case 5:
        ArgCount(a, 0);
        return Variant(pos_ >= content_.size());
      case 6:
        ArgCount(a, 0);
        return Variant(pos_ >= content_.size() || content_[pos_] == '\r' || content_[pos_] == '\n');
      case 7:
        ArgCount(a, 0);
        return Variant(line_);
      case 8:
        ArgCount(a, 1);
        Put(TextArg(a[0]));
        return Variant();
      case 9:
        if (a.size() > 1) throw VbError(vberr::kWrongArguments);
        Put((a.empty() ? std::u16string() : TextArg(a[0])) + u"\r\n");
        return Variant();
      case 10: {
        ArgCount(a, 1);
        int32_t n = LongArg(a[0]);
        if (n < 0) InvalidCall();
        for (int32_t i = 0; i < n; ++i) Put(u"\r\n");
        return Variant();
      }
      default:
        throw VbError(vberr::kNotSupported);
    }
  }

 private:
  // The next line without its end (CR LF, LF or CR).
  std::u16string ReadLine() {
    if (pos_ >= content_.size()) throw VbError(vberr::kInputPastEnd);
    size_t end = content_.find_first_of(u"\r\n", pos_);
    if (end == std::u16string::npos) end = content_.size();
    std::u16string line = content_.substr(pos_, end - pos_);
    pos_ = end;
    if (pos_ < content_.size() && content_[pos_] == '\r') ++pos_;
    if (pos_ < content_.size() && content_[pos_] == '\n') ++pos_;
    ++line_;
    return line;
  }

  // Text goes out as UTF-16 LE for a Unicode file, else in the game's code page.
  void Put(const std::u16string& s) {
    for (char16_t c : s) line_ += c == '\n';
    out_ << (unicode_ ? ToUtf16(s) : page_->Encode(s));
    out_.flush();
    if (!out_) throw VbError(vberr::kDeviceIoError);
  }

  bool reading_ = false;
  bool unicode_ = false;
  bool closed_ = false;
  const CodePage* page_;
  std::u16string content_;
  size_t pos_ = 0;
  int32_t line_ = 1;
  std::ofstream out_;
};

// The position after the last '\' or '/' of a script path, ignoring separators at its end.
std::string_view TrimEndSeparators(std::string_view p) {
  while (p.size() > 1 && (p.back() == '\\' || p.back() == '/')) p.remove_suffix(1);
  return p;
}

std::string FileNameOf(std::string_view p) {
  p = TrimEndSeparators(p);
  size_t at = p.find_last_of("\\/:");
  return std::string(at == std::string_view::npos ? p : p.substr(at + 1));
}

std::string ParentOf(std::string_view p) {
  p = TrimEndSeparators(p);
  size_t at = p.find_last_of("\\/");
  if (at == std::string_view::npos) return std::string();
  std::string_view parent = p.substr(0, at);
  if (parent.empty() || parent.back() == ':') return std::string(p.substr(0, at + 1));
  return std::string(parent);
}

class FileSystemObject : public Dispatch {
 public:
  FileSystemObject(const FileAccess* access, const CodePage& page)
      : access_(access), page_(&page) {}
  std::string TypeName() const override { return "FileSystemObject"; }
  int FindMember(std::string_view name) override {
    return FindMemberIn(name, {"FileExists", "FolderExists", "CreateTextFile", "OpenTextFile",
                               "DeleteFile", "GetFileName", "BuildPath", "GetParentFolderName",
                               "GetBaseName", "GetExtensionName", "CreateFolder"});
  }
  bool MembersFixedByClass() const override { return true; }

  Variant Invoke(int member, InvokeKind kind, Args a) override {
    if (IsPut(kind) || member == kDefaultMember) throw VbError(vberr::kNotSupported);
    std::error_code ec;
    switch (member) {
      case 1:
        ArgCount(a, 1);
        return Variant(!TextArg(a[0]).empty() && fs::is_regular_file(Readable(a[0]), ec));
      case 2:
        ArgCount(a, 1);
        return Variant(!TextArg(a[0]).empty() && fs::is_directory(Readable(a[0]), ec));
      case 3: {
        if (a.size() < 1 || a.size() > 3) throw VbError(vberr::kWrongArguments);
        fs::path p = Writable(a[0]);
        bool overwrite = Has(a, 1) ? NotNull(a[1]).ToBool() : true;
        if (fs::exists(p, ec) && !overwrite) throw VbError(vberr::kFileAlreadyExists);
        bool unicode = Has(a, 2) && NotNull(a[2]).ToBool();
        NeedFolder(p);
        return Variant(Ref<Dispatch>(TextStream::ForWriting(p, false, unicode, *page_)));
      }
      case 4:
        if (a.size() < 1 || a.size() > 4) throw VbError(vberr::kWrongArguments);
        return Variant(Ref<Dispatch>(Open(a)));
      case 5: {
        if (a.size() < 1 || a.size() > 2) throw VbError(vberr::kWrongArguments);
        fs::path p = Writable(a[0]);
        if (!fs::is_regular_file(p, ec)) throw VbError(vberr::kFileNotFound);
        if (!fs::remove(p, ec) || ec) throw VbError(vberr::kPermissionDenied);
        return Variant();
      }
      case 6:
        ArgCount(a, 1);
        return Variant(FileNameOf(PathText(a[0])));
      case 7: {
        ArgCount(a, 2);
        std::string base = PathText(a[0]), name = PathText(a[1]);
        if (!base.empty() && base.back() != '\\' && base.back() != '/' && base.back() != ':')
          base += '\\';
        return Variant(base + name);
      }
      case 8:
        ArgCount(a, 1);
        return Variant(ParentOf(PathText(a[0])));
      case 9:
      case 10: {
        ArgCount(a, 1);
        std::string name = FileNameOf(PathText(a[0]));
        size_t dot = name.rfind('.');
        if (member == 9) return Variant(dot == std::string::npos ? name : name.substr(0, dot));
        return Variant(dot == std::string::npos ? std::string() : name.substr(dot + 1));
      }
      case 11: {
        ArgCount(a, 1);
        fs::path p = Writable(a[0]);
        if (fs::exists(p, ec)) throw VbError(vberr::kFileAlreadyExists);
        NeedFolder(p);
        if (!fs::create_directory(p, ec)) throw VbError(vberr::kPermissionDenied);
        return Variant();
      }
      default:
        throw VbError(vberr::kNotSupported);
    }
  }

 private:
  // A script's path as UTF-8 text.
  static std::string PathText(const Variant& v) { return Utf16ToUtf8(TextArg(v)); }

  fs::path Path(const Variant& v) const {
    std::string s = PathText(v);
    if (s.empty()) throw VbError(vberr::kInvalidProcedureCall);
    return access_->Resolve(s);
  }

  fs::path Readable(const Variant& v) const {
    fs::path p = Path(v);
    if (!access_->MayRead(p)) throw VbError(vberr::kPermissionDenied);
    return p;
  }

  fs::path Writable(const Variant& v) const {
    fs::path p = Path(v);
    if (!access_->MayWrite(p)) throw VbError(vberr::kPermissionDenied);
    return p;
  }

  static void NeedFolder(const fs::path& p) {
    std::error_code ec;
    fs::path parent = p.parent_path();
    if (!parent.empty() && !fs::is_directory(parent, ec)) throw VbError(vberr::kPathNotFound);
  }

  Ref<TextStream> Open(Args a) const {
    int32_t mode = Has(a, 1) ? LongArg(a[1]) : kForReading;
    if (mode != kForReading && mode != kForWriting && mode != kForAppending) InvalidCall();
    bool create = Has(a, 2) && NotNull(a[2]).ToBool();
    int32_t format = Has(a, 3) ? LongArg(a[3]) : 0;
    bool unicode = format == kTristateTrue;
    std::error_code ec;
    if (mode == kForReading) {
      fs::path p = Readable(a[0]);
      if (!fs::is_regular_file(p, ec)) throw VbError(vberr::kFileNotFound);
      // Read as a whole, capped: a file swapped for a pipe after the check never blocks.
      std::string bytes = ReadRegularFile(p);
      // The system default reads a file with a UTF-16 byte-order mark as Unicode.
      if (format == kTristateUseDefault && bytes.compare(0, 2, "\xFF\xFE") == 0) unicode = true;
      return TextStream::ForReading(bytes, unicode, *page_);
    }
    fs::path p = Writable(a[0]);
    if (!fs::exists(p, ec)) {
      if (!create) throw VbError(vberr::kFileNotFound);
      NeedFolder(p);
    }
    return TextStream::ForWriting(p, mode == kForAppending, unicode, *page_);
  }

  const FileAccess* access_;
  const CodePage* page_;
};

}  // namespace

Ref<Dispatch> MakeFileSystemObject(const FileAccess* access, const CodePage& page) {
  static const FileAccess kDefault;
  return MakeRef<FileSystemObject>(access ? access : &kDefault, page);
}

}  // namespace sw::vbs::lib
