#include "platform/video_encode.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/ffmpeg_handles.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

namespace sw::platform {

namespace {

const char* EncoderName(VideoCodec codec) {
  switch (codec) {
    case VideoCodec::kCinepak:
      return "cinepak";
    case VideoCodec::kMsVideo1:
      return "msvideo1";
    case VideoCodec::kMjpeg:
      return "mjpeg";
  }
  return "";
}

void Check(int result, const char* what) {
  if (result < 0) throw std::runtime_error(std::string("cannot write the video: ") + what);
}

// Every picture encoded once, as packets in encoding order.
std::vector<PacketPtr> EncodePictures(AVCodecContext& enc, const VideoFileContent& content) {
  FramePtr frame(av_frame_alloc());
  frame->format = enc.pix_fmt;
  frame->width = content.width;
  frame->height = content.height;
  Check(av_frame_get_buffer(frame.get(), 0), "picture buffer");
  ScalerPtr scaler(sws_getContext(content.width, content.height, AV_PIX_FMT_BGRA, content.width,
                                  content.height, enc.pix_fmt, SWS_POINT, nullptr, nullptr,
                                  nullptr));
  if (!scaler) throw std::runtime_error("cannot write the video: picture conversion");
  std::vector<PacketPtr> packets;
  auto drain = [&] {
    for (;;) {
      PacketPtr packet(av_packet_alloc());
      if (avcodec_receive_packet(&enc, packet.get()) < 0) break;
      packets.push_back(std::move(packet));
    }
  };
  Pixmap picture(content.width, content.height);
  for (int i = 0; i < content.frames; ++i) {
    picture.Fill(0xFF000000u);
    if (content.draw) content.draw(i, picture);
    Check(av_frame_make_writable(frame.get()), "picture buffer");
    const auto* src = reinterpret_cast<const std::uint8_t*>(picture.pixels().data());
    const int srcStride = content.width * 4;
    sws_scale(scaler.get(), &src, &srcStride, 0, content.height, frame->data, frame->linesize);
    frame->pts = i;
    Check(avcodec_send_frame(&enc, frame.get()), "encode picture");
    drain();
  }
  Check(avcodec_send_frame(&enc, nullptr), "encode picture");
  drain();
  return packets;
}

}  // namespace

bool CanEncodeVideo(VideoCodec codec) {
  return avcodec_find_encoder_by_name(EncoderName(codec)) != nullptr;
}

void EncodeVideoFile(const std::filesystem::path& file, const VideoFileContent& content) {
  if (content.width <= 0 || content.height <= 0 || content.fps <= 0 || content.frames <= 0)
    throw std::runtime_error("cannot write the video: no pictures");
  const AVCodec* codec = avcodec_find_encoder_by_name(EncoderName(content.codec));
  if (codec == nullptr)
    throw std::runtime_error(std::string("no encoder ") + EncoderName(content.codec));
  av_log_set_level(AV_LOG_QUIET);
  AVFormatContext* raw = nullptr;
  Check(avformat_alloc_output_context2(&raw, nullptr, "avi", file.c_str()), "format");
  OutputPtr out(raw);

  CodecPtr venc(avcodec_alloc_context3(codec));
  venc->width = content.width;
  venc->height = content.height;
  venc->time_base = AVRational{1, content.fps};
  venc->framerate = AVRational{content.fps, 1};
  venc->gop_size = std::max(1, content.frames);
  venc->pix_fmt = codec->pix_fmts != nullptr ? codec->pix_fmts[0] : AV_PIX_FMT_YUV420P;
  if (content.codec == VideoCodec::kMjpeg) {
    venc->pix_fmt = AV_PIX_FMT_YUVJ420P;
    venc->color_range = AVCOL_RANGE_JPEG;
    venc->flags |= AV_CODEC_FLAG_QSCALE;
    venc->global_quality = FF_QP2LAMBDA * 3;
  }
  if (content.codec == VideoCodec::kMsVideo1) venc->pix_fmt = AV_PIX_FMT_RGB555LE;
  Check(avcodec_open2(venc.get(), codec, nullptr), "video encoder");
  AVStream* vstream = avformat_new_stream(out.get(), nullptr);
  if (vstream == nullptr) throw std::runtime_error("cannot write the video: stream");
  Check(avcodec_parameters_from_context(vstream->codecpar, venc.get()), "video parameters");
  vstream->time_base = venc->time_base;
  vstream->avg_frame_rate = venc->framerate;

  CodecPtr aenc;
  AVStream* astream = nullptr;
  if (!content.audio.empty()) {
    const AVCodec* pcm = avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE);
    aenc.reset(avcodec_alloc_context3(pcm));
    aenc->sample_rate = content.audio_rate;
    aenc->sample_fmt = AV_SAMPLE_FMT_S16;
    aenc->time_base = AVRational{1, content.audio_rate};
    av_channel_layout_default(&aenc->ch_layout, 1);
    Check(avcodec_open2(aenc.get(), pcm, nullptr), "sound encoder");
    astream = avformat_new_stream(out.get(), nullptr);
    if (astream == nullptr) throw std::runtime_error("cannot write the video: stream");
    Check(avcodec_parameters_from_context(astream->codecpar, aenc.get()), "sound parameters");
    astream->time_base = aenc->time_base;
  }

  const std::vector<PacketPtr> pictures = EncodePictures(*venc, content);
  Check(avio_open(&out->pb, file.c_str(), AVIO_FLAG_WRITE), "file");
  Check(avformat_write_header(out.get(), nullptr), "header");

  // Sound goes in pieces of one picture's length, each written before its picture.
  const std::size_t samplesPerPicture =
      std::max<std::size_t>(1, static_cast<std::size_t>(content.audio_rate / content.fps));
  std::size_t audioDone = 0;
  FramePtr sound(av_frame_alloc());
  PacketPtr audioPacket(av_packet_alloc());
  auto writeSound = [&](std::size_t upTo) {
    if (!aenc) return;
    upTo = std::min(upTo, content.audio.size());
    while (audioDone < upTo) {
      const std::size_t n = std::min(samplesPerPicture, upTo - audioDone);
      av_frame_unref(sound.get());
      sound->format = AV_SAMPLE_FMT_S16;
      sound->sample_rate = content.audio_rate;
      sound->nb_samples = static_cast<int>(n);
      av_channel_layout_default(&sound->ch_layout, 1);
      Check(av_frame_get_buffer(sound.get(), 0), "sound buffer");
      std::copy_n(content.audio.data() + audioDone, n,
                  reinterpret_cast<std::int16_t*>(sound->data[0]));
      sound->pts = static_cast<std::int64_t>(audioDone);
      Check(avcodec_send_frame(aenc.get(), sound.get()), "encode sound");
      while (avcodec_receive_packet(aenc.get(), audioPacket.get()) >= 0) {
        av_packet_rescale_ts(audioPacket.get(), aenc->time_base, astream->time_base);
        audioPacket->stream_index = astream->index;
        Check(av_interleaved_write_frame(out.get(), audioPacket.get()), "write sound");
      }
      audioDone += n;
    }
  };

  const int loops = std::max(1, content.loops);
  std::int64_t index = 0;
  PacketPtr copy(av_packet_alloc());
  for (int loop = 0; loop < loops; ++loop) {
    for (const PacketPtr& p : pictures) {
      writeSound(static_cast<std::size_t>(index + 1) * samplesPerPicture);
      Check(av_packet_ref(copy.get(), p.get()), "packet");
      copy->pts = p->pts + static_cast<std::int64_t>(loop) * content.frames;
      copy->dts = copy->pts;
      copy->duration = 1;
      av_packet_rescale_ts(copy.get(), venc->time_base, vstream->time_base);
      copy->stream_index = vstream->index;
      Check(av_interleaved_write_frame(out.get(), copy.get()), "write picture");
      ++index;
    }
  }
  writeSound(content.audio.size());
  Check(av_write_trailer(out.get()), "trailer");
}

}  // namespace sw::platform
