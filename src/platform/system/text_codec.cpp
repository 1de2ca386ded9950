#include "platform/system/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "base/utf.h"

namespace sw {
namespace {

const iconv_t kNoHandle = reinterpret_cast<iconv_t>(-1);

// Length of the UTF-8 sequence at the start of text, or 1 when it is malformed.
size_t Utf8SequenceLength(const char* text, size_t left) {
  auto b = static_cast<unsigned char>(text[0]);
  size_t len = b < 0x80             ? 1
               : (b & 0xE0) == 0xC0 ? 2
               : (b & 0xF0) == 0xE0 ? 3
               : (b & 0xF8) == 0xF0 ? 4
                                    : 1;
  if (len > left) return 1;
  for (size_t i = 1; i < len; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 1;
  }
  return len;
}

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// Runs one conversion. Input that cannot be converted is replaced (or, without a
// replacement, makes the whole conversion fail).
std::optional<std::string> Convert(iconv_t cd, std::string_view in, bool input_is_utf8,
                                   const std::string* replacement) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string out(in.size() * 2 + 16, '\0');
  size_t used = 0;
  char* inp = const_cast<char*>(in.data());
  size_t inleft = in.size();
  while (true) {
    char* outp = out.data() + used;
    size_t outleft = out.size() - used;
    bool flushing = inleft == 0;  // all input taken: write out any shift state
    size_t r = flushing ? iconv(cd, nullptr, nullptr, &outp, &outleft)
                        : iconv(cd, &inp, &inleft, &outp, &outleft);
    int error = errno;
    used = static_cast<size_t>(outp - out.data());
    if (r != static_cast<size_t>(-1)) {
      if (flushing) break;
      continue;
    }
    if (error == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    if ((error != EILSEQ && error != EINVAL) || replacement == nullptr) return std::nullopt;
    size_t skip = input_is_utf8 ? Utf8SequenceLength(inp, inleft) : 1;
    inp += skip;
    inleft -= skip;
    if (out.size() < used + replacement->size()) out.resize(out.size() * 2 + replacement->size());
    out.replace(used, replacement->size(), *replacement);
    used += replacement->size();
  }
  out.resize(used);
  return out;
}

}  // namespace

struct TextCodec::Handles {
  Handles(const std::string& code_page)
      : to_utf8(iconv_open("UTF-8", code_page.c_str())),
        from_utf8(iconv_open(code_page.c_str(), "UTF-8")) {
    if (to_utf8 == kNoHandle || from_utf8 == kNoHandle) {
      Close();
      throw std::invalid_argument("unknown code page: " + code_page);
    }
    // ASCII text passes unchanged when the code page keeps the ASCII range as it is.
    std::string ascii;
    for (char c = 0x20; c < 0x7F; ++c) ascii += c;
    ascii += "\t\r\n";
    ascii_transparent = Convert(to_utf8, ascii, false, nullptr) == ascii;
  }
  ~Handles() { Close(); }
  Handles(const Handles&) = delete;
  Handles& operator=(const Handles&) = delete;

  void Close() {
    if (to_utf8 != kNoHandle) iconv_close(to_utf8);
    if (from_utf8 != kNoHandle) iconv_close(from_utf8);
    to_utf8 = from_utf8 = kNoHandle;
  }

  iconv_t to_utf8;
  iconv_t from_utf8;
  bool ascii_transparent = false;
};

TextCodec::TextCodec(std::string_view code_page)
    : code_page_(code_page), handles_(std::make_unique<Handles>(code_page_)) {
  // A lead byte is no character alone but starts one with a following byte.
  for (int b = 0x80; b < 0x100; ++b) {
    std::string one(1, static_cast<char>(b));
    if (TryToUtf8(one)) continue;
    for (int trail : {0x40, 0x80, 0xA1}) {
      if (TryToUtf8(one + static_cast<char>(trail))) {
        lead_[static_cast<size_t>(b)] = true;
        break;
      }
    }
  }
}

TextCodec::TextCodec(const TextCodec& other) : TextCodec(other.code_page_) {}

std::u16string TextCodec::Decode(std::string_view bytes) const {
  return Utf8ToUtf16(ToUtf8(bytes));
}

std::string TextCodec::Encode(std::u16string_view text) const {
  return FromUtf8(Utf16ToUtf8(text));
}

TextCodec& TextCodec::operator=(const TextCodec& other) {
  if (this != &other) *this = TextCodec(other);
  return *this;
}

TextCodec::TextCodec(TextCodec&&) noexcept = default;
TextCodec& TextCodec::operator=(TextCodec&&) noexcept = default;
TextCodec::~TextCodec() = default;

bool TextCodec::IsKnown(std::string_view code_page) {
  try {
    TextCodec probe(code_page);
    return true;
  } catch (const std::invalid_argument&) {
    return false;
  }
}

std::string TextCodec::ToUtf8(std::string_view bytes) const {
  if (handles_->ascii_transparent && IsAscii(bytes)) return std::string(bytes);
  static const std::string kReplacement = "\xEF\xBF\xBD";
  return Convert(handles_->to_utf8, bytes, false, &kReplacement).value_or(std::string());
}

std::string TextCodec::FromUtf8(std::string_view utf8) const {
  if (handles_->ascii_transparent && IsAscii(utf8)) return std::string(utf8);
  static const std::string kReplacement = "?";
  return Convert(handles_->from_utf8, utf8, true, &kReplacement).value_or(std::string());
}

std::optional<std::string> TextCodec::TryToUtf8(std::string_view bytes) const {
  if (handles_->ascii_transparent && IsAscii(bytes)) return std::string(bytes);
  return Convert(handles_->to_utf8, bytes, false, nullptr);
}

std::optional<std::string> TextCodec::TryFromUtf8(std::string_view utf8) const {
  if (handles_->ascii_transparent && IsAscii(utf8)) return std::string(utf8);
  return Convert(handles_->from_utf8, utf8, true, nullptr);
}

}  // namespace sw
