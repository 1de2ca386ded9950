#include "platform/media_probe.h"

#include <fstream>
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

namespace sw::platform {

namespace {

struct FormatCloser {
  void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};

// Standard MIDI files, bare or wrapped in a RIFF "RMID" chunk: the mixer plays these through
// its synthesiser, so the decoders are not asked.
bool IsMidi(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  char head[12] = {};
  in.read(head, sizeof head);
  const std::string bytes(head, static_cast<size_t>(in.gcount()));
  if (bytes.rfind("MThd", 0) == 0) return true;
  return bytes.size() == 12 && bytes.rfind("RIFF", 0) == 0 && bytes.substr(8, 4) == "RMID";
}

}  // namespace

std::string ProbeMediaFile(const std::filesystem::path& file, MediaKind kind) {
  if (kind == MediaKind::kSound && IsMidi(file)) return {};
  av_log_set_level(AV_LOG_QUIET);
  AVFormatContext* raw = nullptr;
  if (avformat_open_input(&raw, file.c_str(), nullptr, nullptr) < 0) return "not a media file";
  std::unique_ptr<AVFormatContext, FormatCloser> input(raw);
  if (avformat_find_stream_info(input.get(), nullptr) < 0) return "unreadable media file";
  const AVMediaType type = kind == MediaKind::kSound ? AVMEDIA_TYPE_AUDIO : AVMEDIA_TYPE_VIDEO;
  const AVCodec* codec = nullptr;
  const int stream = av_find_best_stream(input.get(), type, -1, -1, &codec, 0);
  if (stream == AVERROR_DECODER_NOT_FOUND) {
    return kind == MediaKind::kSound ? "no decoder for its audio" : "no decoder for its video";
  }
  if (stream < 0 || codec == nullptr) {
    return kind == MediaKind::kSound ? "no audio in the file" : "no video in the file";
  }
  return {};
}

}  // namespace sw::platform
