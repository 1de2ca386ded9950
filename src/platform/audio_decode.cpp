#include "platform/audio_decode.h"

#include <memory>
#include <string>

#include "platform/audio_player.h"
#include "platform/ffmpeg_handles.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

namespace sw::platform {

namespace {

[[noreturn]] void Fail(const std::filesystem::path& file, const std::string& why) {
  throw AudioError(file.filename().string() + ": " + why);
}

class Decoder {
 public:
  Decoder(const std::filesystem::path& file, PcmFormat format, std::size_t maxBytes)
      : file_(file), format_(format), maxBytes_(maxBytes) {}

  std::vector<std::uint8_t> Run() {
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, file_.c_str(), nullptr, nullptr) < 0)
      Fail(file_, "not a media file");
    InputPtr input(raw);
    if (avformat_find_stream_info(input.get(), nullptr) < 0) Fail(file_, "unreadable media file");
    const AVCodec* codec = nullptr;
    const int stream = av_find_best_stream(input.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (stream < 0 || codec == nullptr) Fail(file_, "no audio in the file");
    codec_.reset(avcodec_alloc_context3(codec));
    if (!codec_ ||
        avcodec_parameters_to_context(codec_.get(), input->streams[stream]->codecpar) < 0 ||
        avcodec_open2(codec_.get(), codec, nullptr) < 0) {
      Fail(file_, "no decoder for its audio");
    }
    if (codec_->ch_layout.nb_channels <= 0) {
      av_channel_layout_default(&codec_->ch_layout, 1);
    }
    if (codec_->sample_rate <= 0) Fail(file_, "audio without a sample rate");
    AVChannelLayout outLayout;
    av_channel_layout_default(&outLayout, format_.channels);
    SwrContext* swr = nullptr;
    if (swr_alloc_set_opts2(&swr, &outLayout, AV_SAMPLE_FMT_S16, format_.rate, &codec_->ch_layout,
                            codec_->sample_fmt, codec_->sample_rate, 0, nullptr) < 0 ||
        swr_init(swr) < 0) {
      swr_free(&swr);
      Fail(file_, "cannot convert its audio");
    }
    resampler_.reset(swr);

    PacketPtr packet(av_packet_alloc());
    frame_.reset(av_frame_alloc());
    // Damaged packets are skipped: what decodes plays.
    while (av_read_frame(input.get(), packet.get()) >= 0) {
      if (packet->stream_index == stream) {
        if (avcodec_send_packet(codec_.get(), packet.get()) >= 0) Drain();
      }
      av_packet_unref(packet.get());
    }
    avcodec_send_packet(codec_.get(), nullptr);
    Drain();
    Convert(nullptr, 0);  // what the resampler still holds
    if (pcm_.empty()) Fail(file_, "no audio could be decoded");
    return std::move(pcm_);
  }

 private:
  void Drain() {
    while (avcodec_receive_frame(codec_.get(), frame_.get()) >= 0) {
      Convert(const_cast<const std::uint8_t**>(frame_->extended_data), frame_->nb_samples);
      av_frame_unref(frame_.get());
    }
  }

  void Convert(const std::uint8_t** in, int samples) {
    const int bytesPerFrame = 2 * format_.channels;
    const int room = swr_get_out_samples(resampler_.get(), samples);
    if (room <= 0) return;
    const std::size_t start = pcm_.size();
    const std::size_t grow = static_cast<std::size_t>(room) * bytesPerFrame;
    if (start + grow > maxBytes_) Fail(file_, "too long to play");
    pcm_.resize(start + grow);
    std::uint8_t* out = pcm_.data() + start;
    const int made = swr_convert(resampler_.get(), &out, room, in, samples);
    pcm_.resize(start + static_cast<std::size_t>(made < 0 ? 0 : made) * bytesPerFrame);
  }

  std::filesystem::path file_;
  PcmFormat format_;
  std::size_t maxBytes_;
  CodecPtr codec_;
  FramePtr frame_;
  ResamplerPtr resampler_;
  std::vector<std::uint8_t> pcm_;
};

}  // namespace

std::vector<std::uint8_t> DecodeAudioFile(const std::filesystem::path& file, PcmFormat format,
                                          std::size_t maxBytes) {
  av_log_set_level(AV_LOG_QUIET);
  return Decoder(file, format, maxBytes).Run();
}

}  // namespace sw::platform
