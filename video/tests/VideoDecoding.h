#pragma once

// Videos decoded with FFmpeg's own decoders and converted back to RGB with the colour matrix
// the file is tagged with, so that tests check what a player shows.

#include "imageio/RgbImage.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace burgeon::testing {

struct DecodedVideo {
    bool valid = false;
    AVCodecID codec = AV_CODEC_ID_NONE;
    int width = 0;
    int height = 0;
    AVRational frameRate{0, 1}; // the stream's average frames per second
    std::vector<RgbImage> frames;
};

inline RgbImage toRgb(const AVFrame& frame) {
    RgbImage image(frame.width, frame.height);
    SwsContext* scaler = sws_getContext(
        frame.width, frame.height, static_cast<AVPixelFormat>(frame.format), frame.width,
        frame.height, AV_PIX_FMT_RGB24, SWS_BILINEAR | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
    const int* matrix = sws_getCoefficients(frame.colorspace);
    sws_setColorspaceDetails(scaler, matrix, frame.color_range == AVCOL_RANGE_JPEG ? 1 : 0, matrix,
                             1, 0, 1 << 16, 1 << 16);
    std::uint8_t* rows[] = {image.bytes().data()};
    const int rowBytes[] = {3 * frame.width};
    sws_scale(scaler, frame.data, frame.linesize, 0, frame.height, rows, rowBytes);
    sws_freeContext(scaler);
    return image;
}

// Sends one packet (nullptr: the end of the stream) and keeps every frame that comes out.
inline bool decodePacket(AVCodecContext* decoder, const AVPacket* packet, AVFrame* frame,
                         std::vector<RgbImage>& frames) {
    if (avcodec_send_packet(decoder, packet) < 0) {
        return false;
    }
    int code = 0;
    while ((code = avcodec_receive_frame(decoder, frame)) >= 0) {
        frames.push_back(toRgb(*frame));
    }
    return code == AVERROR(EAGAIN) || code == AVERROR_EOF;
}

inline DecodedVideo decodeVideo(const std::string& fileName) {
    DecodedVideo video;
    AVFormatContext* container = nullptr;
    if (avformat_open_input(&container, fileName.c_str(), nullptr, nullptr) < 0) {
        return video;
    }
    std::unique_ptr<AVFormatContext*, void (*)(AVFormatContext**)> closer(&container,
                                                                          avformat_close_input);
    const AVCodec* codec = nullptr;
    const int index = avformat_find_stream_info(container, nullptr) < 0
                          ? -1
                          : av_find_best_stream(container, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (index < 0) {
        return video;
    }
    const AVStream* stream = container->streams[index];
    video.codec = stream->codecpar->codec_id;
    video.width = stream->codecpar->width;
    video.height = stream->codecpar->height;
    video.frameRate = stream->avg_frame_rate;

    AVCodecContext* decoder = avcodec_alloc_context3(codec);
    AVFrame* frame = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    bool decoded = avcodec_parameters_to_context(decoder, stream->codecpar) >= 0 &&
                   avcodec_open2(decoder, codec, nullptr) >= 0;
    while (decoded && av_read_frame(container, packet) >= 0) {
        if (packet->stream_index == index) {
            decoded = decodePacket(decoder, packet, frame, video.frames);
        }
        av_packet_unref(packet);
    }
    video.valid = decoded && decodePacket(decoder, nullptr, frame, video.frames);
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&decoder);
    return video;
}

// The mean colour of a rectangle, rounded to whole levels.
inline RgbColor meanColour(const RgbImage& image, int left, int top, int width, int height) {
    long sums[3] = {0, 0, 0};
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            const RgbColor colour = image.pixel(x, y);
            sums[0] += colour.red;
            sums[1] += colour.green;
            sums[2] += colour.blue;
        }
    }
    const long count = static_cast<long>(width) * height;
    return {static_cast<int>((sums[0] + count / 2) / count),
            static_cast<int>((sums[1] + count / 2) / count),
            static_cast<int>((sums[2] + count / 2) / count)};
}

inline RgbColor meanColour(const RgbImage& image) {
    return meanColour(image, 0, 0, image.width(), image.height());
}

} // namespace burgeon::testing
