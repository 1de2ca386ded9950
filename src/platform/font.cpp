#include "platform/font.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <list>
#include <map>
#include <stdexcept>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "base/ascii.h"
#include "base/utf.h"

namespace sw::platform {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  lines.push_back(std::move(current));
  return lines;
}

namespace {

// Families whose Windows originals have no free metric-compatible clone that fontconfig
// knows by name: map them to the closest face we ship with.
std::string SubstituteFamily(const std::string& family) {
  std::string lower = LowerAscii(family);
  if (lower == "ms sans serif" || lower == "microsoft sans serif" || lower == "tahoma" ||
      lower == "verdana" || lower == "system" || lower == "ms shell dlg" ||
      lower == "ms shell dlg 2" || lower == "helvetica")
    return "Liberation Sans";
  if (lower == "ms serif" || lower == "times") return "Liberation Serif";
  if (lower == "courier" || lower == "fixedsys" || lower == "terminal") return "Liberation Mono";
  return family;
}

int PixelSize(double points) {
  return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

}  // namespace

struct TextEngine::Impl {
  using FontKey = std::tuple<std::string, int, int>;  // file, pixel size, ttf style
  std::map<FontKey, TTF_Font*> fonts;
  std::map<std::tuple<std::string, bool, bool>, std::string> files;
  // Rendered lines, least recently used at the back.
  using LineKey = std::tuple<std::string, int, int, std::string>;
  std::list<std::pair<LineKey, Pixmap>> lines;
  std::map<LineKey, std::list<std::pair<LineKey, Pixmap>>::iterator> line_index;
  Pixmap empty;

  Impl() {
    if (!TTF_WasInit() && TTF_Init() != 0) throw std::runtime_error(TTF_GetError());
    config = FcInitLoadConfigAndFonts();
    if (!config) throw std::runtime_error("fontconfig cannot load its configuration");
  }
  ~Impl() {
    for (auto& [key, font] : fonts) TTF_CloseFont(font);
    FcConfigDestroy(config);
  }

  FcConfig* config = nullptr;

  std::string Resolve(const Font& font) {
    auto key = std::make_tuple(LowerAscii(font.name), font.bold, font.italic);
    auto it = files.find(key);
    if (it != files.end()) return it->second;
    std::string family = SubstituteFamily(font.name);
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, font.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    std::string file;
    if (match) {
      FcChar8* path = nullptr;
      if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
        file = reinterpret_cast<const char*>(path);
      FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    if (file.empty()) throw std::runtime_error("no font found for " + font.name);
    files.emplace(key, file);
    return file;
  }

  // A font file that has the character, for characters the chosen font lacks (Japanese text
  // in a Western font): fontconfig's best match for it, "" when no installed font has it.
  const std::string& FallbackFile(char32_t c) {
    auto it = fallback_files.find(c);
    if (it != fallback_files.end()) return it->second;
    std::string file;
    FcPattern* pattern = FcPatternCreate();
    FcCharSet* wanted = FcCharSetCreate();
    FcCharSetAddChar(wanted, static_cast<FcChar32>(c));
    FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    if (match) {
      FcChar8* path = nullptr;
      FcCharSet* has = nullptr;
      if (FcPatternGetCharSet(match, FC_CHARSET, 0, &has) == FcResultMatch && has &&
          FcCharSetHasChar(has, static_cast<FcChar32>(c)) &&
          FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
        file = reinterpret_cast<const char*>(path);
      FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    FcCharSetDestroy(wanted);
    return fallback_files.emplace(c, std::move(file)).first->second;
  }

  // The line cut into runs that one font each draws: the chosen font where it has the
  // glyph, else a fallback font that has it.
  std::vector<std::pair<TTF_Font*, std::string>> Runs(const Font& font, std::string_view line) {
    TTF_Font* main = Open(font);
    std::vector<std::pair<TTF_Font*, std::string>> runs;
    size_t i = 0;
    while (i < line.size()) {
      size_t start = i;
      char32_t c = NextUtf8(line, i);
      TTF_Font* use = main;
      if (c >= 0x80 && !TTF_GlyphIsProvided32(main, c)) {
        const std::string& file = FallbackFile(c);
        if (!file.empty()) use = OpenFile(file, PixelSize(font.size), TTF_GetFontStyle(main));
      }
      if (runs.empty() || runs.back().first != use) runs.emplace_back(use, std::string());
      runs.back().second.append(line.substr(start, i - start));
    }
    return runs;
  }

  TTF_Font* OpenFile(const std::string& file, int px, int style) {
    FontKey key{file, px, style};
    auto it = fonts.find(key);
    if (it != fonts.end()) return it->second;
    // SDL_ttf sizes are points at 72 dpi, i.e. the em size in pixels.
    TTF_Font* ttf = TTF_OpenFont(file.c_str(), px);
    if (!ttf) throw std::runtime_error(std::string("cannot open font: ") + TTF_GetError());
    TTF_SetFontStyle(ttf, style);
    fonts.emplace(key, ttf);
    return ttf;
  }

  std::map<char32_t, std::string> fallback_files;

  TTF_Font* Open(const Font& font) {
    std::string file = Resolve(font);
    int style = (font.underline ? TTF_STYLE_UNDERLINE : 0) |
                (font.strikethrough ? TTF_STYLE_STRIKETHROUGH : 0);
    // Bold or italic requested but the family has no such face: let SDL_ttf synthesise it.
    std::string lower_file = LowerAscii(file);
    if (font.bold && lower_file.find("bold") == std::string::npos) style |= TTF_STYLE_BOLD;
    if (font.italic && lower_file.find("italic") == std::string::npos &&
        lower_file.find("oblique") == std::string::npos)
      style |= TTF_STYLE_ITALIC;
    return OpenFile(file, PixelSize(font.size), style);
  }
};

TextEngine::TextEngine() : impl_(std::make_unique<Impl>()) {}
TextEngine::~TextEngine() = default;

std::string TextEngine::FontFile(const Font& font) {
  return impl_->Resolve(font);
}

int TextEngine::LineHeight(const Font& font) {
  return TTF_FontHeight(impl_->Open(font));
}

int TextEngine::LineWidth(const Font& font, std::string_view line) {
  if (line.empty()) return 0;
  int total = 0;
  for (const auto& [ttf, text] : impl_->Runs(font, line)) {
    int w = 0, h = 0;
    if (TTF_SizeUTF8(ttf, text.c_str(), &w, &h) == 0) total += w;
  }
  return total;
}

std::vector<std::string> TextEngine::Layout(const Font& font, std::string_view text,
                                            int wrap_width) {
  std::vector<std::string> paragraphs = SplitLines(text);
  if (wrap_width <= 0) return paragraphs;
  std::vector<std::string> out;
  for (const std::string& para : paragraphs) {
    std::string line;
    std::size_t i = 0;
    if (para.empty()) {
      out.emplace_back();
      continue;
    }
    while (i < para.size()) {
      std::size_t space = para.find(' ', i);
      std::size_t end = space == std::string::npos ? para.size() : space;
      std::string word = para.substr(i, end - i);
      std::string candidate = line.empty() ? word : line + " " + word;
      if (!line.empty() && LineWidth(font, candidate) > wrap_width) {
        out.push_back(line);
        line = word;
      } else {
        line = candidate;
      }
      i = end == para.size() ? end : end + 1;
    }
    out.push_back(line);
  }
  return out;
}

const Pixmap& TextEngine::RenderLine(const Font& font, std::string_view line) {
  if (line.empty()) return impl_->empty;
  TTF_Font* ttf = impl_->Open(font);
  Impl::LineKey key{impl_->Resolve(font), PixelSize(font.size), TTF_GetFontStyle(ttf),
                    std::string(line)};
  auto found = impl_->line_index.find(key);
  if (found != impl_->line_index.end()) {
    impl_->lines.splice(impl_->lines.begin(), impl_->lines, found->second);
    return found->second->second;
  }
  SDL_Color white{255, 255, 255, 255};
  // Each run drawn by its font, the runs side by side on the chosen font's baseline.
  struct Piece {
    SDL_Surface* argb;
    int top;
  };
  std::vector<Piece> pieces;
  const int ascent = TTF_FontAscent(ttf);
  int width = 0, height = 0, lift = 0;
  for (const auto& [run_font, text] : impl_->Runs(font, line)) {
    SDL_Surface* surface = TTF_RenderUTF8_Blended(run_font, text.c_str(), white);
    if (!surface) continue;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(surface);
    if (!argb) continue;
    const int top = ascent - TTF_FontAscent(run_font);
    lift = std::max(lift, -top);
    pieces.push_back({argb, top});
  }
  for (const Piece& p : pieces) {
    width += p.argb->w;
    height = std::max(height, p.top + lift + p.argb->h);
  }
  Pixmap mask;
  if (!pieces.empty()) {
    mask = Pixmap(width, height, 0);
    int x = 0;
    for (const Piece& p : pieces) {
      SDL_LockSurface(p.argb);
      for (int y = 0; y < p.argb->h; ++y) {
        const auto* src =
            reinterpret_cast<const Argb*>(static_cast<const unsigned char*>(p.argb->pixels) +
                                          static_cast<std::size_t>(y) * p.argb->pitch);
        std::copy_n(src, p.argb->w, mask.row(p.top + lift + y) + x);
      }
      SDL_UnlockSurface(p.argb);
      x += p.argb->w;
      SDL_FreeSurface(p.argb);
    }
    mask.RecomputeOpaque();
  }
  impl_->lines.emplace_front(key, std::move(mask));
  impl_->line_index[key] = impl_->lines.begin();
  constexpr std::size_t kMaxCachedLines = 512;
  while (impl_->lines.size() > kMaxCachedLines) {
    impl_->line_index.erase(impl_->lines.back().first);
    impl_->lines.pop_back();
  }
  return impl_->lines.front().second;
}

}  // namespace sw::platform
