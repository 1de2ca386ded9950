#include "platform/video_decoder.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include "platform/audio_stream.h"
#include "platform/ffmpeg_handles.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace sw::platform {

namespace {

// More pictures than this never wait, whatever the sound needs: the oldest is dropped.
constexpr std::size_t kHardPictureFactor = 4;

CodecPtr OpenDecoder(AVStream& stream) {
  const AVCodec* codec = avcodec_find_decoder(stream.codecpar->codec_id);
  if (codec == nullptr) return nullptr;
  CodecPtr ctx(avcodec_alloc_context3(codec));
  if (!ctx || avcodec_parameters_to_context(ctx.get(), stream.codecpar) < 0) return nullptr;
  ctx->thread_count = 1;
  if (avcodec_open2(ctx.get(), codec, nullptr) < 0) return nullptr;
  return ctx;
}

}  // namespace

struct VideoDecoder::Codecs {
  InputPtr input;
  int videoIndex = -1;
  int audioIndex = -1;
  CodecPtr video;
  CodecPtr audio;
  ScalerPtr scaler;
  ResamplerPtr resampler;
  AVRational videoBase{1, 1};
  std::int64_t videoStart = 0;  // the first timestamp, in videoBase units
  std::int64_t decodedPictures = 0;
  std::int64_t soundToSkip = 0;  // sample frames before the start position
  std::vector<std::int16_t> soundOut;
};

VideoDecoder::VideoDecoder(const std::filesystem::path& file, VideoDecoderOptions options,
                           std::int64_t start_ms)
    : options_(options),
      codecs_(std::make_unique<Codecs>()),
      start_ms_(std::max<std::int64_t>(0, start_ms)) {
  av_log_set_level(AV_LOG_QUIET);
  Codecs& c = *codecs_;
  AVFormatContext* raw = avformat_alloc_context();
  if (raw == nullptr) throw VideoError("out of memory");
  // Reading stops as soon as the decoder is destroyed, even inside a slow read.
  raw->interrupt_callback.callback = [](void* data) -> int {
    auto* self = static_cast<VideoDecoder*>(data);
    std::lock_guard<std::mutex> lock(self->mutex_);
    return self->stop_ ? 1 : 0;
  };
  raw->interrupt_callback.opaque = this;
  if (avformat_open_input(&raw, file.c_str(), nullptr, nullptr) < 0)
    throw VideoError(file.filename().string() + ": not a video file");
  c.input.reset(raw);
  if (avformat_find_stream_info(c.input.get(), nullptr) < 0)
    throw VideoError(file.filename().string() + ": unreadable video file");

  c.videoIndex = av_find_best_stream(c.input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (c.videoIndex >= 0) {
    AVStream& s = *c.input->streams[c.videoIndex];
    const int w = s.codecpar->width;
    const int h = s.codecpar->height;
    if (w > 0 && h > 0 && w <= options_.max_width && h <= options_.max_height) {
      c.video = OpenDecoder(s);
    }
    if (c.video) {
      info_.width = w;
      info_.height = h;
      c.videoBase = s.time_base;
      c.videoStart = s.start_time == AV_NOPTS_VALUE ? 0 : s.start_time;
      const AVRational rate = s.avg_frame_rate.num > 0 ? s.avg_frame_rate : s.r_frame_rate;
      info_.fps = rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 0;
    } else {
      c.videoIndex = -1;
    }
  }
  c.audioIndex = av_find_best_stream(c.input.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
  if (c.audioIndex >= 0) c.audio = OpenDecoder(*c.input->streams[c.audioIndex]);
  if (c.audio && options_.sound != nullptr && c.audio->sample_rate > 0) {
    if (c.audio->ch_layout.nb_channels <= 0) av_channel_layout_default(&c.audio->ch_layout, 1);
    const PcmFormat out = options_.sound->format();
    AVChannelLayout outLayout;
    av_channel_layout_default(&outLayout, out.channels);
    SwrContext* swr = nullptr;
    if (swr_alloc_set_opts2(&swr, &outLayout, AV_SAMPLE_FMT_S16, out.rate, &c.audio->ch_layout,
                            c.audio->sample_fmt, c.audio->sample_rate, 0, nullptr) >= 0 &&
        swr_init(swr) >= 0) {
      c.resampler.reset(swr);
      c.soundToSkip = start_ms_ * out.rate / 1000;
    } else {
      swr_free(&swr);
    }
  }
  info_.has_sound = static_cast<bool>(c.resampler);
  if (!c.resampler) {
    c.audio.reset();
    c.audioIndex = -1;
  }
  if (!c.video && !c.audio)
    throw VideoError(file.filename().string() + ": nothing that can be played");

  if (c.input->duration != AV_NOPTS_VALUE && c.input->duration > 0) {
    info_.length_ms = c.input->duration / (AV_TIME_BASE / 1000);
  }
  if (start_ms_ > 0) {
    av_seek_frame(c.input.get(), -1, start_ms_ * (AV_TIME_BASE / 1000), AVSEEK_FLAG_BACKWARD);
  }
  worker_ = std::thread([this] { Run(); });
}

VideoDecoder::~VideoDecoder() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

bool VideoDecoder::MayDecode() const {
  if (stop_ || pictures_.size() < options_.max_pictures) return true;
  const bool soundShort =
      info_.has_sound &&
      options_.sound->buffered() < static_cast<std::size_t>(options_.sound->format().rate / 5);
  return soundShort && pictures_.size() < options_.max_pictures * kHardPictureFactor;
}

void VideoDecoder::Deliver(VideoPicture picture) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (pictures_.size() >= options_.max_pictures * kHardPictureFactor) {
      pictures_.pop_front();
      ++dropped_;
    }
    pictures_.push_back(std::move(picture));
  }
  changed_.notify_all();
}

void VideoDecoder::FeedSound(const std::int16_t* samples, std::size_t frames) {
  const std::size_t channels = static_cast<std::size_t>(options_.sound->format().channels);
  while (frames > 0) {
    const std::size_t taken = options_.sound->Push(samples, frames);
    samples += taken * channels;
    frames -= taken;
    if (frames == 0) break;
    // The device plays on by itself; look again shortly.
    std::unique_lock<std::mutex> lock(mutex_);
    if (changed_.wait_for(lock, std::chrono::milliseconds(5), [this] { return stop_; })) return;
  }
}

void VideoDecoder::Run() {
  Codecs& c = *codecs_;
  PacketPtr packet(av_packet_alloc());
  FramePtr frame(av_frame_alloc());
  auto stopping = [this] {
    std::lock_guard<std::mutex> lock(mutex_);
    return stop_;
  };

  auto receivePictures = [&] {
    while (avcodec_receive_frame(c.video.get(), frame.get()) >= 0) {
      std::int64_t ts = frame->best_effort_timestamp;
      std::int64_t due = 0;
      if (ts == AV_NOPTS_VALUE) {
        due = info_.fps > 0 ? static_cast<std::int64_t>(c.decodedPictures * 1000 / info_.fps) : 0;
      } else {
        due = av_rescale_q(ts - c.videoStart, c.videoBase, AVRational{1, 1000});
      }
      ++c.decodedPictures;
      const int w = frame->width;
      const int h = frame->height;
      if (due < start_ms_ || w != info_.width || h != info_.height || w <= 0 || h <= 0) {
        av_frame_unref(frame.get());
        continue;
      }
      c.scaler.reset(sws_getCachedContext(c.scaler.release(), w, h,
                                          static_cast<AVPixelFormat>(frame->format), w, h,
                                          AV_PIX_FMT_BGRA, SWS_POINT, nullptr, nullptr, nullptr));
      if (c.scaler) {
        VideoPicture picture;
        picture.pixels = Pixmap(w, h);
        auto* dst = reinterpret_cast<std::uint8_t*>(picture.pixels.row(0));
        const int dstStride = w * 4;
        sws_scale(c.scaler.get(), frame->data, frame->linesize, 0, h, &dst, &dstStride);
        picture.due_ms = due;
        picture.number =
            info_.fps > 0 ? std::llround(static_cast<double>(due) * info_.fps / 1000.0) : 0;
        Deliver(std::move(picture));
      }
      av_frame_unref(frame.get());
    }
  };

  auto receiveSound = [&](bool flush) {
    const int rate = options_.sound->format().rate;
    const int channels = options_.sound->format().channels;
    auto convert = [&](const std::uint8_t** in, int samples) {
      const int room = swr_get_out_samples(c.resampler.get(), samples);
      if (room <= 0) return;
      c.soundOut.resize(static_cast<std::size_t>(room) * channels);
      auto* out = reinterpret_cast<std::uint8_t*>(c.soundOut.data());
      const int made = swr_convert(c.resampler.get(), &out, room, in, samples);
      if (made <= 0) return;
      std::size_t offset = 0;
      std::size_t count = static_cast<std::size_t>(made);
      if (c.soundToSkip > 0) {
        const std::size_t skip =
            std::min<std::size_t>(count, static_cast<std::size_t>(c.soundToSkip));
        c.soundToSkip -= static_cast<std::int64_t>(skip);
        offset = skip;
        count -= skip;
      }
      if (count > 0) FeedSound(c.soundOut.data() + offset * channels, count);
    };
    (void)rate;
    while (avcodec_receive_frame(c.audio.get(), frame.get()) >= 0) {
      convert(const_cast<const std::uint8_t**>(frame->extended_data), frame->nb_samples);
      av_frame_unref(frame.get());
    }
    if (flush) convert(nullptr, 0);
  };

  for (;;) {
    {
      std::unique_lock<std::mutex> lock(mutex_);
      // The sound's level changes without notice: look again every few milliseconds.
      while (!MayDecode()) changed_.wait_for(lock, std::chrono::milliseconds(5));
      if (stop_) break;
    }
    const int read = av_read_frame(c.input.get(), packet.get());
    if (read < 0) break;  // the end, a damaged file or a stop
    if (packet->stream_index == c.videoIndex && c.video) {
      if (avcodec_send_packet(c.video.get(), packet.get()) >= 0) receivePictures();
    } else if (packet->stream_index == c.audioIndex && c.audio) {
      if (avcodec_send_packet(c.audio.get(), packet.get()) >= 0) receiveSound(false);
    }
    av_packet_unref(packet.get());
  }
  if (!stopping()) {
    if (c.video && avcodec_send_packet(c.video.get(), nullptr) >= 0) receivePictures();
    if (c.audio && avcodec_send_packet(c.audio.get(), nullptr) >= 0) receiveSound(true);
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    done_ = true;
  }
  changed_.notify_all();
}

std::optional<VideoPicture> VideoDecoder::PictureAt(std::int64_t ms, bool wait) {
  std::unique_lock<std::mutex> lock(mutex_);
  std::optional<VideoPicture> latest;
  for (;;) {
    while (!pictures_.empty() && pictures_.front().due_ms <= ms) {
      if (latest) ++dropped_;
      latest = std::move(pictures_.front());
      pictures_.pop_front();
      changed_.notify_all();
    }
    if (!wait || done_ || stop_ || !pictures_.empty()) break;
    changed_.wait(lock);
  }
  return latest;
}

bool VideoDecoder::ended() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return done_ && pictures_.empty();
}

bool VideoDecoder::read_all() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return done_;
}

std::int64_t VideoDecoder::dropped() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return dropped_;
}

}  // namespace sw::platform
