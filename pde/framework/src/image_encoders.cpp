#include "image_encoders.h"

#include "zqp/picture.h"

#include <gif_lib.h>
#include <openjpeg.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>

namespace zqpde::detail {
namespace {

// ---- GIF -------------------------------------------------------------------

constexpr int kGifMaxSide = 65535;
constexpr uint8_t kOpaqueFrom = 128;  // alpha at or above this is drawn

uint32_t PackRGB(const uint8_t* p) { return static_cast<uint32_t>(p[0]) << 16 | p[1] << 8 | p[2]; }

// Pixels of the picture as palette indexes, with the palette that goes with them.
struct Indexed {
    std::vector<uint8_t> pixels;
    std::vector<GifColorType> palette;
    int transparent = -1;
};

// Median cut over the colours at five bits a channel: each box of that grid
// keeps the full 8-bit sums of its pixels, so a palette entry is the true
// mean of the colours it stands for, not the grid's coarse value.
class MedianCut {
 public:
    void Add(const uint8_t* p) {
        Bin& bin = bins_[Key(p)];
        ++bin.count;
        bin.sum[0] += p[0];
        bin.sum[1] += p[1];
        bin.sum[2] += p[2];
    }

    // Splits the used bins into at most `colours` boxes; fills the palette
    // and the map from a bin to its palette index.
    void Cut(size_t colours, std::vector<GifColorType>& palette) {
        std::vector<uint16_t> used;
        for (size_t k = 0; k < bins_.size(); ++k)
            if (bins_[k].count != 0) used.push_back(static_cast<uint16_t>(k));
        struct Box {
            size_t begin, end;
        };
        std::vector<Box> boxes;
        if (!used.empty()) boxes.push_back({0, used.size()});
        while (boxes.size() < colours) {
            // The box whose colours spread furthest along one channel is cut
            // across that channel at its pixel-weighted median.
            int widest = -1, axis = 0, spread = 0;
            for (size_t b = 0; b < boxes.size(); ++b) {
                if (boxes[b].end - boxes[b].begin < 2) continue;
                for (int c = 0; c < 3; ++c) {
                    int lo = 31, hi = 0;
                    for (size_t i = boxes[b].begin; i < boxes[b].end; ++i) {
                        const int v = Channel(used[i], c);
                        lo = std::min(lo, v);
                        hi = std::max(hi, v);
                    }
                    if (hi - lo > spread) {
                        spread = hi - lo;
                        widest = static_cast<int>(b);
                        axis = c;
                    }
                }
            }
            if (widest < 0) break;  // every box is one bin
            Box& box = boxes[static_cast<size_t>(widest)];
            std::sort(used.begin() + static_cast<ptrdiff_t>(box.begin), used.begin() + static_cast<ptrdiff_t>(box.end),
                      [axis](uint16_t a, uint16_t b) { return Channel(a, axis) < Channel(b, axis); });
            uint64_t total = 0, seen = 0;
            for (size_t i = box.begin; i < box.end; ++i) total += bins_[used[i]].count;
            size_t cut = box.begin + 1;
            for (size_t i = box.begin; i + 1 < box.end; ++i) {
                seen += bins_[used[i]].count;
                cut = i + 1;
                if (2 * seen >= total) break;
            }
            const Box upper{cut, box.end};
            box.end = cut;
            boxes.push_back(upper);
        }
        for (const Box& box : boxes) {
            uint64_t count = 0, sum[3] = {0, 0, 0};
            for (size_t i = box.begin; i < box.end; ++i) {
                const Bin& bin = bins_[used[i]];
                count += bin.count;
                for (int c = 0; c < 3; ++c) sum[c] += bin.sum[c];
                index_[used[i]] = static_cast<uint8_t>(palette.size());
            }
            auto mean = [count](uint64_t s) { return static_cast<GifByteType>((s + count / 2) / count); };
            palette.push_back({mean(sum[0]), mean(sum[1]), mean(sum[2])});
        }
    }

    uint8_t IndexOf(const uint8_t* p) const { return index_[Key(p)]; }

 private:
    struct Bin {
        uint64_t count = 0;
        uint64_t sum[3] = {0, 0, 0};
    };
    static uint16_t Key(const uint8_t* p) {
        return static_cast<uint16_t>((p[0] >> 3) << 10 | (p[1] >> 3) << 5 | (p[2] >> 3));
    }
    static int Channel(uint16_t key, int c) { return key >> (10 - 5 * c) & 31; }

    std::vector<Bin> bins_ = std::vector<Bin>(1 << 15);
    std::vector<uint8_t> index_ = std::vector<uint8_t>(1 << 15, 0);
};

Indexed ToIndexed(const zqp::Picture& picture) {
    const std::vector<uint8_t>& rgba = picture.rgba();
    const size_t count = rgba.size() / 4;
    auto drawn = [&](size_t i) { return !picture.hasAlpha() || rgba[4 * i + 3] >= kOpaqueFrom; };

    bool anyTransparent = false;
    std::unordered_map<uint32_t, uint8_t> exact;
    bool fits = true;
    for (size_t i = 0; i < count; ++i) {
        if (!drawn(i)) {
            anyTransparent = true;
            continue;
        }
        if (fits && exact.emplace(PackRGB(&rgba[4 * i]), 0).second && exact.size() > 256) fits = false;
    }
    const size_t colours = anyTransparent ? 255 : 256;

    Indexed result;
    result.pixels.resize(count);
    if (fits && exact.size() <= colours) {
        // Few enough colours: every pixel keeps its own, the file is lossless.
        for (auto& [rgb, index] : exact) {
            index = static_cast<uint8_t>(result.palette.size());
            result.palette.push_back({static_cast<GifByteType>(rgb >> 16), static_cast<GifByteType>(rgb >> 8),
                                      static_cast<GifByteType>(rgb)});
        }
        for (size_t i = 0; i < count; ++i)
            if (drawn(i)) result.pixels[i] = exact.at(PackRGB(&rgba[4 * i]));
    } else {
        MedianCut cut;
        for (size_t i = 0; i < count; ++i)
            if (drawn(i)) cut.Add(&rgba[4 * i]);
        cut.Cut(colours, result.palette);
        for (size_t i = 0; i < count; ++i)
            if (drawn(i)) result.pixels[i] = cut.IndexOf(&rgba[4 * i]);
    }
    if (anyTransparent) {
        result.transparent = static_cast<int>(result.palette.size());
        result.palette.push_back({0, 0, 0});
        for (size_t i = 0; i < count; ++i)
            if (!drawn(i)) result.pixels[i] = static_cast<uint8_t>(result.transparent);
    }
    return result;
}

int AppendToVector(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + length);
    return length;
}

// ---- JPEG 2000 ---------------------------------------------------------------

// A seekable memory sink for OpenJPEG, which goes back to fill in box lengths.
struct MemorySink {
    std::vector<uint8_t> bytes;
    size_t position = 0;
};

OPJ_SIZE_T SinkWrite(void* buffer, OPJ_SIZE_T length, void* user) {
    auto* sink = static_cast<MemorySink*>(user);
    if (sink->position + length > sink->bytes.size()) sink->bytes.resize(sink->position + length);
    std::memcpy(sink->bytes.data() + sink->position, buffer, length);
    sink->position += length;
    return length;
}

OPJ_OFF_T SinkSkip(OPJ_OFF_T length, void* user) {
    auto* sink = static_cast<MemorySink*>(user);
    if (length < 0 && static_cast<size_t>(-length) > sink->position) return -1;
    sink->position = static_cast<size_t>(static_cast<OPJ_OFF_T>(sink->position) + length);
    if (sink->position > sink->bytes.size()) sink->bytes.resize(sink->position);
    return length;
}

OPJ_BOOL SinkSeek(OPJ_OFF_T position, void* user) {
    auto* sink = static_cast<MemorySink*>(user);
    if (position < 0) return OPJ_FALSE;
    sink->position = static_cast<size_t>(position);
    if (sink->position > sink->bytes.size()) sink->bytes.resize(sink->position);
    return OPJ_TRUE;
}

void Quiet(const char*, void*) {}

// The most wavelet levels the picture's shorter side allows, at most the
// encoder's usual six.
OPJ_UINT32 ResolutionsFor(int width, int height) {
    const int side = std::min(width, height);
    OPJ_UINT32 levels = 1;
    while (levels < 6 && (side >> levels) > 0) ++levels;
    return levels;
}

}  // namespace

bool EncodeGIF(const zqp::Picture& picture, std::vector<uint8_t>& out) {
    const int width = picture.pixelsWide(), height = picture.pixelsHigh();
    if (width <= 0 || height <= 0 || width > kGifMaxSide || height > kGifMaxSide) return false;
    const Indexed image = ToIndexed(picture);

    // The colour table of a GIF holds a power of two entries, two at least.
    int tableSize = 2;
    while (tableSize < static_cast<int>(image.palette.size())) tableSize *= 2;
    std::vector<GifColorType> table(static_cast<size_t>(tableSize), GifColorType{0, 0, 0});
    std::copy(image.palette.begin(), image.palette.end(), table.begin());
    ColorMapObject* map = GifMakeMapObject(tableSize, table.data());
    if (map == nullptr) return false;

    std::vector<uint8_t> bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, AppendToVector, &error);
    if (gif == nullptr) {
        GifFreeMapObject(map);
        return false;
    }
    bool ok = true;
    if (image.transparent >= 0) EGifSetGifVersion(gif, true);
    ok = EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK;
    if (ok && image.transparent >= 0) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, image.transparent};
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < height; ++y) {
        auto* row = const_cast<GifPixelType*>(image.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width));
        ok = EGifPutLine(gif, row, width) == GIF_OK;
    }
    // Closing writes the trailer and frees the writer whatever happened.
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    GifFreeMapObject(map);
    if (!ok) return false;
    out = std::move(bytes);
    return true;
}

bool EncodeJP2(const zqp::Picture& picture, std::vector<uint8_t>& out) {
    const int width = picture.pixelsWide(), height = picture.pixelsHigh();
    if (width <= 0 || height <= 0) return false;
    const OPJ_UINT32 components = picture.hasAlpha() ? 4 : 3;

    std::array<opj_image_cmptparm_t, 4> parameters{};
    for (OPJ_UINT32 c = 0; c < components; ++c) {
        parameters[c].dx = parameters[c].dy = 1;
        parameters[c].w = static_cast<OPJ_UINT32>(width);
        parameters[c].h = static_cast<OPJ_UINT32>(height);
        parameters[c].prec = 8;
        parameters[c].sgnd = 0;
    }
    opj_image_t* image = opj_image_create(components, parameters.data(), OPJ_CLRSPC_SRGB);
    if (image == nullptr) return false;
    image->x0 = image->y0 = 0;
    image->x1 = static_cast<OPJ_UINT32>(width);
    image->y1 = static_cast<OPJ_UINT32>(height);
    if (components == 4) image->comps[3].alpha = 1;
    const uint8_t* src = picture.rgba().data();
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    for (size_t i = 0; i < count; ++i, src += 4)
        for (OPJ_UINT32 c = 0; c < components; ++c) image->comps[c].data[i] = src[c];

    opj_cparameters_t settings;
    opj_set_default_encoder_parameters(&settings);
    settings.tcp_numlayers = 1;
    settings.tcp_rates[0] = 0;  // no target rate: reversible wavelet, every bit kept
    settings.cp_disto_alloc = 1;
    settings.irreversible = 0;
    settings.tcp_mct = 1;  // the reversible colour transform on the three colours
    settings.numresolution = static_cast<int>(ResolutionsFor(width, height));

    MemorySink sink;
    opj_codec_t* codec = opj_create_compress(OPJ_CODEC_JP2);
    opj_stream_t* stream = opj_stream_create(OPJ_J2K_STREAM_CHUNK_SIZE, OPJ_FALSE);
    bool ok = codec != nullptr && stream != nullptr;
    if (ok) {
        opj_set_error_handler(codec, Quiet, nullptr);
        opj_set_warning_handler(codec, Quiet, nullptr);
        opj_set_info_handler(codec, Quiet, nullptr);
        opj_stream_set_user_data(stream, &sink, nullptr);
        opj_stream_set_write_function(stream, SinkWrite);
        opj_stream_set_skip_function(stream, SinkSkip);
        opj_stream_set_seek_function(stream, SinkSeek);
        ok = opj_setup_encoder(codec, &settings, image) && opj_start_compress(codec, image, stream) &&
             opj_encode(codec, stream) && opj_end_compress(codec, stream);
    }
    if (stream != nullptr) opj_stream_destroy(stream);
    if (codec != nullptr) opj_destroy_codec(codec);
    opj_image_destroy(image);
    if (!ok || sink.bytes.empty()) return false;
    out = std::move(sink.bytes);
    return true;
}

}  // namespace zqpde::detail
