#include "video/FfmpegVideoOutput.h"

#include "base/StandardError.h"
#include "video/LibraryLog.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libswscale/swscale.h>
}

#include <cstdint>

namespace burgeon {

namespace {

struct ContainerCloser {
    void operator()(AVFormatContext* container) const {
        if (container->pb != nullptr) {
            avio_closep(&container->pb);
        }
        avformat_free_context(container);
    }
};
struct EncoderFreer {
    void operator()(AVCodecContext* encoder) const { avcodec_free_context(&encoder); }
};
struct FrameFreer {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScalerFreer {
    void operator()(SwsContext* scaler) const { sws_freeContext(scaler); }
};

// Options in "key=value:key=value" form, freed on every exit.
class Options {
public:
    explicit Options(const char* text) { av_dict_parse_string(&entries_, text, "=", ":", 0); }
    ~Options() { av_dict_free(&entries_); }
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;
    void set(const char* key, int value) { av_dict_set_int(&entries_, key, value, 0); }
    AVDictionary** entries() { return &entries_; }

private:
    AVDictionary* entries_ = nullptr;
};

} // namespace

struct FfmpegVideoOutput::Contexts {
    std::string fileName;
    std::unique_ptr<AVCodecContext, EncoderFreer> encoder;
    std::unique_ptr<AVFormatContext, ContainerCloser> container;
    AVStream* stream = nullptr;
    std::unique_ptr<SwsContext, ScalerFreer> scaler;
    std::unique_ptr<AVFrame, FrameFreer> picture;
    std::unique_ptr<AVPacket, PacketFreer> packet;
    std::int64_t nextFrameTime = 0;
};

FfmpegVideoOutput::FfmpegVideoOutput(const VideoFormat& format, const VideoStreamSettings& settings)
    : contexts_(std::make_unique<Contexts>()) {
    silenceLibraryLog();
    contexts_->fileName = settings.fileName;
    openEncoder(format, settings);
    openContainer(format, settings);

    AVFrame* picture = av_frame_alloc();
    contexts_->picture.reset(picture);
    contexts_->packet.reset(av_packet_alloc());
    if (picture == nullptr || contexts_->packet == nullptr) {
        fail("", AVERROR(ENOMEM));
    }
    picture->format = AV_PIX_FMT_YUV420P;
    picture->width = settings.width;
    picture->height = settings.height;
    if (const int code = av_frame_get_buffer(picture, 0); code < 0) {
        fail("", code);
    }
    // Accurate rounding also keeps swscale off its fixed-coefficient shortcut for RGB to
    // yuv420p, which would ignore the colour matrix set here.
    contexts_->scaler.reset(sws_getContext(
        settings.width, settings.height, AV_PIX_FMT_RGB24, settings.width, settings.height,
        AV_PIX_FMT_YUV420P, SWS_BILINEAR | SWS_ACCURATE_RND, nullptr, nullptr, nullptr));
    if (contexts_->scaler == nullptr) {
        fail("", AVERROR(ENOMEM));
    }
    const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
    sws_setColorspaceDetails(contexts_->scaler.get(), bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
}

FfmpegVideoOutput::~FfmpegVideoOutput() = default;

void FfmpegVideoOutput::openEncoder(const VideoFormat& format,
                                    const VideoStreamSettings& settings) {
    const AVCodec* codec = avcodec_find_encoder_by_name(format.encoderName);
    if (codec == nullptr) {
        throw StandardError(std::string("Cannot encode video: no ") + format.codecName +
                            " encoder (" + format.encoderName + ") in this FFmpeg");
    }
    AVCodecContext* encoder = avcodec_alloc_context3(codec);
    contexts_->encoder.reset(encoder);
    if (encoder == nullptr) {
        fail("", AVERROR(ENOMEM));
    }
    encoder->width = settings.width;
    encoder->height = settings.height;
    encoder->pix_fmt = AV_PIX_FMT_YUV420P;
    encoder->time_base = {settings.rate.seconds, settings.rate.frames};
    encoder->framerate = {settings.rate.frames, settings.rate.seconds};
    encoder->color_range = AVCOL_RANGE_MPEG;
    encoder->colorspace = AVCOL_SPC_BT709;
    encoder->color_primaries = AVCOL_PRI_BT709;
    encoder->color_trc = AVCOL_TRC_BT709;
    encoder->thread_count = 0; // as many as the machine has
    const AVOutputFormat* container = av_guess_format(format.containerName, nullptr, nullptr);
    if (container != nullptr && (container->flags & AVFMT_GLOBALHEADER) != 0) {
        encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    Options options(format.encoderOptions);
    if (settings.quality) {
        options.set("crf", *settings.quality);
    }
    if (const int code = avcodec_open2(encoder, codec, options.entries()); code < 0) {
        fail(std::string("the ") + format.codecName + " encoder (" + format.encoderName +
                 ") did not open: ",
             code);
    }
}

void FfmpegVideoOutput::openContainer(const VideoFormat& format,
                                      const VideoStreamSettings& settings) {
    AVFormatContext* container = nullptr;
    int code = avformat_alloc_output_context2(&container, nullptr, format.containerName,
                                              settings.path.c_str());
    contexts_->container.reset(container);
    if (code < 0) {
        fail("", code);
    }
    AVStream* stream = avformat_new_stream(container, nullptr);
    if (stream == nullptr) {
        fail("", AVERROR(ENOMEM));
    }
    contexts_->stream = stream;
    code = avcodec_parameters_from_context(stream->codecpar, contexts_->encoder.get());
    if (code < 0) {
        fail("", code);
    }
    stream->time_base = contexts_->encoder->time_base;
    stream->avg_frame_rate = contexts_->encoder->framerate;
    // The MP4 index is moved to the front by reopening the file by this name.
    if (code = avio_open(&container->pb, settings.path.c_str(), AVIO_FLAG_WRITE); code < 0) {
        fail("", code);
    }
    Options options(format.containerOptions);
    if (code = avformat_write_header(container, options.entries()); code < 0) {
        fail("", code);
    }
}

void FfmpegVideoOutput::write(const RgbImage& frame) {
    AVFrame* picture = contexts_->picture.get();
    if (const int code = av_frame_make_writable(picture); code < 0) {
        fail("", code);
    }
    const std::uint8_t* rows[] = {frame.bytes().data()};
    const int rowBytes[] = {3 * frame.width()};
    sws_scale(contexts_->scaler.get(), rows, rowBytes, 0, frame.height(), picture->data,
              picture->linesize);
    picture->pts = contexts_->nextFrameTime++;
    encode(false);
}

void FfmpegVideoOutput::finish() {
    encode(true);
    AVFormatContext* container = contexts_->container.get();
    if (const int code = av_write_trailer(container); code < 0) {
        fail("", code);
    }
    if (const int code = avio_closep(&container->pb); code < 0) {
        fail("", code);
    }
}

void FfmpegVideoOutput::encode(bool endOfStream) {
    AVCodecContext* encoder = contexts_->encoder.get();
    AVPacket* packet = contexts_->packet.get();
    int code = avcodec_send_frame(encoder, endOfStream ? nullptr : contexts_->picture.get());
    if (code < 0) {
        fail("", code);
    }
    while ((code = avcodec_receive_packet(encoder, packet)) >= 0) {
        av_packet_rescale_ts(packet, encoder->time_base, contexts_->stream->time_base);
        packet->stream_index = contexts_->stream->index;
        // The muxer takes the packet's data and leaves it empty for the next one.
        if (code = av_interleaved_write_frame(contexts_->container.get(), packet); code < 0) {
            fail("", code);
        }
    }
    if (code != AVERROR(EAGAIN) && code != AVERROR_EOF) {
        fail("", code);
    }
}

void FfmpegVideoOutput::fail(const std::string& step, int code) const {
    throw StandardError("Cannot write video " + contexts_->fileName + ": " + step +
                        libraryFailure(code));
}

} // namespace burgeon
