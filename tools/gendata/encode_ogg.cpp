#include <vorbis/vorbisenc.h>

#include <fstream>

#include "encode.h"

namespace gendata {

bool WriteOgg(const std::vector<float>& left, const std::vector<float>& right, int rate,
              float quality, const std::string& path, std::string& error) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) {
        error = "cannot open " + path;
        return false;
    }
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 2, rate, quality) != 0) {
        vorbis_info_clear(&vi);
        error = "vorbis encoder refused the format";
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "TITLE", "Marchholt");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    // A fixed stream serial number keeps the file the same from build to build.
    ogg_stream_init(&os, static_cast<int>(left.size() % 65521u) + 1);

    auto writePage = [&](const ogg_page& page) {
        f.write(reinterpret_cast<const char*>(page.header), page.header_len);
        f.write(reinterpret_cast<const char*>(page.body), page.body_len);
    };
    ogg_packet header;
    ogg_packet comment;
    ogg_packet code;
    vorbis_analysis_headerout(&vd, &vc, &header, &comment, &code);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comment);
    ogg_stream_packetin(&os, &code);
    ogg_page page;
    while (ogg_stream_flush(&os, &page) != 0)
        writePage(page);

    const std::size_t total = left.size();
    const std::size_t chunk = 4096;
    bool eos = false;
    std::size_t pos = 0;
    while (!eos) {
        const std::size_t n = std::min(chunk, total - pos);
        if (n == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
            for (std::size_t i = 0; i < n; ++i) {
                buffer[0][i] = left[pos + i];
                buffer[1][i] = right[pos + i];
            }
            vorbis_analysis_wrote(&vd, static_cast<int>(n));
            pos += n;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&vd, &packet) != 0) {
                ogg_stream_packetin(&os, &packet);
                while (!eos && ogg_stream_pageout(&os, &page) != 0) {
                    writePage(page);
                    if (ogg_page_eos(&page)) eos = true;
                }
            }
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    if (!f) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace gendata
