// Helpers for the window-model tests: a headless platform, picture files written on the fly
// (BMP, GIF with a transparent index, CUR), and posting input the way the window would.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sw::platform::testing {

// A fresh folder for the running test; tests run in parallel processes, so the name
// carries the test's own name.
inline std::filesystem::path TempDir(const std::string& name) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string test = info ? std::string(info->test_suite_name()) + "." + info->name() : "none";
  auto dir = std::filesystem::temp_directory_path() / ("sw_ui_" + name + "_" + test);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

inline void Put16(std::vector<unsigned char>& b, int v) {
  b.push_back(static_cast<unsigned char>(v & 0xFF));
  b.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}
inline void Put32(std::vector<unsigned char>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
}
inline void WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& b) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// A 24-bit BMP whose pixels come from `pixel(x, y)` as 0xRRGGBB.
template <class F>
void WriteBmp(const std::filesystem::path& path, int w, int h, F pixel) {
  int row = (w * 3 + 3) & ~3;
  std::vector<unsigned char> b{'B', 'M'};
  Put32(b, 54 + row * h);
  Put32(b, 0);
  Put32(b, 54);
  Put32(b, 40);
  Put32(b, w);
  Put32(b, h);
  Put16(b, 1);
  Put16(b, 24);
  Put32(b, 0);
  Put32(b, row * h);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      std::uint32_t p = pixel(x, y);
      b.push_back(p & 0xFF);
      b.push_back((p >> 8) & 0xFF);
      b.push_back((p >> 16) & 0xFF);
    }
    for (int pad = w * 3; pad < row; ++pad) b.push_back(0);
  }
  WriteBytes(path, b);
}

// A GIF89a with a four-colour palette (0xRRGGBB) whose index `transparent` is transparent;
// `index(x, y)` gives each pixel's palette index.
template <class F>
void WriteGif(const std::filesystem::path& path, int w, int h, const std::uint32_t (&palette)[4],
              int transparent, F index) {
  std::vector<unsigned char> b{'G', 'I', 'F', '8', '9', 'a'};
  Put16(b, w);
  Put16(b, h);
  b.push_back(0x81);  // global colour table of 4 entries
  b.push_back(0);
  b.push_back(0);
  for (std::uint32_t c : palette) {
    b.push_back((c >> 16) & 0xFF);
    b.push_back((c >> 8) & 0xFF);
    b.push_back(c & 0xFF);
  }
  b.insert(b.end(),
           {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, static_cast<unsigned char>(transparent), 0x00});
  b.push_back(0x2C);
  Put16(b, 0);
  Put16(b, 0);
  Put16(b, w);
  Put16(b, h);
  b.push_back(0);
  b.push_back(2);  // LZW minimum code size
  // 3-bit codes; a clear code before every two pixels keeps the code size from growing.
  std::vector<unsigned char> data;
  std::uint32_t acc = 0;
  int bits = 0;
  auto emit = [&](int code) {
    acc |= static_cast<std::uint32_t>(code) << bits;
    bits += 3;
    while (bits >= 8) {
      data.push_back(acc & 0xFF);
      acc >>= 8;
      bits -= 8;
    }
  };
  int n = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (n++ % 2 == 0) emit(4);
      emit(index(x, y));
    }
  emit(5);
  if (bits > 0) data.push_back(acc & 0xFF);
  for (std::size_t i = 0; i < data.size(); i += 255) {
    std::size_t len = std::min<std::size_t>(255, data.size() - i);
    b.push_back(static_cast<unsigned char>(len));
    b.insert(b.end(), data.begin() + i, data.begin() + i + len);
  }
  b.push_back(0);
  b.push_back(0x3B);
  WriteBytes(path, b);
}

// A 32-bit cursor file of one colour with the given hot spot.
inline void WriteCur(const std::filesystem::path& path, int size, std::uint32_t argb, int hot_x,
                     int hot_y) {
  std::vector<unsigned char> b;
  Put16(b, 0);
  Put16(b, 2);
  Put16(b, 1);
  int mask_row = ((size + 31) / 32) * 4;
  std::uint32_t bytes = 40 + size * size * 4 + mask_row * size;
  b.push_back(static_cast<unsigned char>(size));
  b.push_back(static_cast<unsigned char>(size));
  b.push_back(0);
  b.push_back(0);
  Put16(b, hot_x);
  Put16(b, hot_y);
  Put32(b, bytes);
  Put32(b, 22);
  Put32(b, 40);
  Put32(b, size);
  Put32(b, size * 2);
  Put16(b, 1);
  Put16(b, 32);
  Put32(b, 0);
  Put32(b, size * size * 4);
  Put32(b, 0);
  Put32(b, 0);
  Put32(b, 0);
  Put32(b, 0);
  for (int i = 0; i < size * size; ++i) Put32(b, argb);
  for (int i = 0; i < mask_row * size; ++i) b.push_back(0);
  WriteBytes(path, b);
}

inline InputEvent MouseEvent(InputEvent::Kind kind, int x, int y, int button = kLeftButton,
                             int shift = 0) {
  InputEvent e;
  e.kind = kind;
  e.position = {x, y};
  e.button = button;
  e.shift = shift;
  return e;
}

inline InputEvent KeyEvent(InputEvent::Kind kind, int code, int shift = 0) {
  InputEvent e;
  e.kind = kind;
  e.key_code = code;
  e.shift = shift;
  return e;
}

// Posts a press and release at a surface point and runs one pass.
inline void Click(Platform& p, int x, int y, int button = kLeftButton) {
  p.events().Post(MouseEvent(InputEvent::Kind::kMouseMove, x, y, 0));
  p.events().Post(MouseEvent(InputEvent::Kind::kMouseDown, x, y, button));
  p.events().Post(MouseEvent(InputEvent::Kind::kMouseUp, x, y, button));
  p.DoEvents();
}

inline void PressKey(Platform& p, int code, int shift = 0) {
  p.events().Post(KeyEvent(InputEvent::Kind::kKeyDown, code, shift));
  p.events().Post(KeyEvent(InputEvent::Kind::kKeyUp, code, shift));
  p.DoEvents();
}

// Advances the virtual clock in 10 ms steps, one pass each.
inline void Advance(Platform& p, int ms) {
  for (int t = 0; t < ms; t += 10) {
    p.virtual_clock()->Advance(std::min(10, ms - t));
    p.DoEvents();
  }
}

// A shown 640 x 480 form with a black client area and no menus.
inline std::shared_ptr<Form> ShownForm(Platform& p, int w = 640, int h = 480) {
  auto form = p.CreateForm("Game");
  form->SetSize(PixelsToTwips(w), PixelsToTwips(h));
  form->client().SetBackColor(0);
  form->Show();
  return form;
}

inline void Place(Element& e, int x, int y, int w, int h) {
  e.Move(PixelsToTwips(x), PixelsToTwips(y), PixelsToTwips(w), PixelsToTwips(h));
}

}  // namespace sw::platform::testing
