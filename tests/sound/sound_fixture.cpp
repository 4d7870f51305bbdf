#include "sound/sound_fixture.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace soundtest {

namespace {

void WritePages(std::ofstream& out, ogg_stream_state& stream, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        out.write(reinterpret_cast<const char*>(page.header), page.header_len);
        out.write(reinterpret_cast<const char*>(page.body), page.body_len);
    }
}

}  // namespace

void WriteSineOgg(const std::filesystem::path& path, double seconds, int channels, int rate) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.1f) != 0) {
        throw std::runtime_error("vorbis encoder refused the format");
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    std::ofstream out(path, std::ios::binary);
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    WritePages(out, stream, true);

    auto drain = [&] {
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                WritePages(out, stream, false);
            }
        }
    };
    const long frames = std::lround(seconds * rate);
    const long chunk = 1024;
    for (long done = 0; done < frames; done += chunk) {
        const long n = std::min(chunk, frames - done);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
        for (long i = 0; i < n; ++i) {
            const double t = static_cast<double>(done + i) / rate;
            const float v = static_cast<float>(0.3 * std::sin(2.0 * std::numbers::pi * 440.0 * t));
            for (int c = 0; c < channels; ++c)
                buffer[c][i] = v;
        }
        vorbis_analysis_wrote(&dsp, static_cast<int>(n));
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0);  // the end of the data
    drain();
    WritePages(out, stream, true);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
}

}  // namespace soundtest
