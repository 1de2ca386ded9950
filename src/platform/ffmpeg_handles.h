// Owning handles for FFmpeg's objects: each one is freed by the routine FFmpeg provides for it.
#pragma once

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace sw::platform {

struct InputCloser {
  void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct OutputCloser {
  void operator()(AVFormatContext* c) const {
    if (c->pb != nullptr) avio_closep(&c->pb);
    avformat_free_context(c);
  }
};
struct CodecFreer {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameFreer {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFreer {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct ScalerFreer {
  void operator()(SwsContext* s) const { sws_freeContext(s); }
};
struct ResamplerFreer {
  void operator()(SwrContext* s) const { swr_free(&s); }
};

using InputPtr = std::unique_ptr<AVFormatContext, InputCloser>;
using OutputPtr = std::unique_ptr<AVFormatContext, OutputCloser>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using ScalerPtr = std::unique_ptr<SwsContext, ScalerFreer>;
using ResamplerPtr = std::unique_ptr<SwrContext, ResamplerFreer>;

}  // namespace sw::platform
