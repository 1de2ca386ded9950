#include "platform/audio_encode.h"

#include <algorithm>
#include <memory>
#include <string>

#include "platform/audio_player.h"
#include "platform/ffmpeg_handles.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

namespace sw::platform {

namespace {

const char* EncoderName(AudioFileKind kind) {
  return kind == AudioFileKind::kMp3 ? "libmp3lame" : "wmav2";
}
const char* FormatName(AudioFileKind kind) {
  return kind == AudioFileKind::kMp3 ? "mp3" : "asf";
}

void Check(int result, const char* what) {
  if (result < 0) throw AudioError(std::string("cannot encode audio: ") + what);
}

}  // namespace

bool CanEncodeAudio(AudioFileKind kind) {
  return avcodec_find_encoder_by_name(EncoderName(kind)) != nullptr;
}

void EncodeAudioFile(const std::filesystem::path& file, AudioFileKind kind,
                     const std::vector<std::int16_t>& samples, int rate) {
  const AVCodec* codec = avcodec_find_encoder_by_name(EncoderName(kind));
  if (codec == nullptr) throw AudioError(std::string("no encoder ") + EncoderName(kind));
  AVFormatContext* raw = nullptr;
  Check(avformat_alloc_output_context2(&raw, nullptr, FormatName(kind), file.c_str()), "format");
  OutputPtr out(raw);
  CodecPtr enc(avcodec_alloc_context3(codec));
  enc->sample_rate = rate;
  av_channel_layout_default(&enc->ch_layout, 1);
  // Both encoders take planar samples: 16-bit for MP3, float for WMA.
  const bool useFloat = kind == AudioFileKind::kWma;
  enc->sample_fmt = useFloat ? AV_SAMPLE_FMT_FLTP : AV_SAMPLE_FMT_S16P;
  enc->bit_rate = 64000;
  if (out->oformat->flags & AVFMT_GLOBALHEADER) enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  Check(avcodec_open2(enc.get(), codec, nullptr), "encoder");
  AVStream* stream = avformat_new_stream(out.get(), nullptr);
  if (stream == nullptr) throw AudioError("cannot encode audio: stream");
  Check(avcodec_parameters_from_context(stream->codecpar, enc.get()), "parameters");
  stream->time_base = AVRational{1, rate};
  Check(avio_open(&out->pb, file.c_str(), AVIO_FLAG_WRITE), "file");
  Check(avformat_write_header(out.get(), nullptr), "header");

  PacketPtr packet(av_packet_alloc());
  auto drain = [&] {
    while (avcodec_receive_packet(enc.get(), packet.get()) >= 0) {
      av_packet_rescale_ts(packet.get(), enc->time_base, stream->time_base);
      packet->stream_index = stream->index;
      Check(av_interleaved_write_frame(out.get(), packet.get()), "write");
    }
  };
  const int frameSize = enc->frame_size > 0 ? enc->frame_size : 1152;
  FramePtr frame(av_frame_alloc());
  int64_t pts = 0;
  for (size_t at = 0; at < samples.size(); at += static_cast<size_t>(frameSize)) {
    const int n = static_cast<int>(std::min<size_t>(frameSize, samples.size() - at));
    av_frame_unref(frame.get());
    frame->nb_samples = enc->frame_size > 0 ? frameSize : n;
    frame->format = enc->sample_fmt;
    frame->sample_rate = rate;
    av_channel_layout_copy(&frame->ch_layout, &enc->ch_layout);
    Check(av_frame_get_buffer(frame.get(), 0), "frame");
    for (int i = 0; i < frame->nb_samples; ++i) {
      const int16_t v = i < n ? samples[at + static_cast<size_t>(i)] : 0;
      if (useFloat) {
        reinterpret_cast<float*>(frame->data[0])[i] = static_cast<float>(v) / 32768.0f;
      } else {
        reinterpret_cast<int16_t*>(frame->data[0])[i] = v;
      }
    }
    frame->pts = pts;
    pts += frame->nb_samples;
    Check(avcodec_send_frame(enc.get(), frame.get()), "send");
    drain();
  }
  avcodec_send_frame(enc.get(), nullptr);
  drain();
  Check(av_write_trailer(out.get()), "trailer");
}

}  // namespace sw::platform
