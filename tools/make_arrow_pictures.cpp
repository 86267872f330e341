// Draws the eight scroll-arrow pictures of the change-over screen and writes them as JPEG
// files into a folder: a teal triangle on white, pointing left or right, darker while the
// arrow is pressed ("_on") than while it is not ("_off").
//
//   make_arrow_pictures FOLDER

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
// clang-format off
#include <jpeglib.h>  // needs FILE and size_t declared before it
// clang-format on

namespace {

constexpr int kSize = 26;
constexpr int kSamples = 4;  // per pixel and axis, for smooth edges

struct Colour {
    double r, g, b;
};
const Colour kWhite{255, 255, 255};
const Colour kFrame{192, 192, 192};
const Colour kTealOff{0, 160, 160};
const Colour kTealOn{0, 96, 104};

// Whether a point lies inside the triangle pointing left (or right) with some margin.
bool insideArrow(double x, double y, bool left) {
    const double margin = kSize * 0.24, top = kSize * 0.2, bottom = kSize * 0.8;
    if (y < top || y > bottom) return false;
    const double half = (bottom - top) / 2;
    const double spread = (1.0 - std::abs(y - kSize / 2.0) / half) * (kSize - 2 * margin);
    return left ? x >= kSize - margin - spread && x <= kSize - margin : x >= margin && x <= margin + spread;
}

std::vector<unsigned char> draw(bool left, const Colour& fill) {
    std::vector<unsigned char> rgb(std::size_t(kSize) * kSize * 3);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            Colour c = kWhite;
            if (x == 0 || y == 0 || x == kSize - 1 || y == kSize - 1) {
                c = kFrame;
            } else {
                int hits = 0;
                for (int sy = 0; sy < kSamples; ++sy)
                    for (int sx = 0; sx < kSamples; ++sx)
                        hits += insideArrow(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples, left) ? 1 : 0;
                const double a = double(hits) / (kSamples * kSamples);
                c = {kWhite.r + (fill.r - kWhite.r) * a, kWhite.g + (fill.g - kWhite.g) * a,
                     kWhite.b + (fill.b - kWhite.b) * a};
            }
            unsigned char* px = &rgb[(std::size_t(y) * kSize + x) * 3];
            px[0] = static_cast<unsigned char>(c.r + 0.5);
            px[1] = static_cast<unsigned char>(c.g + 0.5);
            px[2] = static_cast<unsigned char>(c.b + 0.5);
        }
    return rgb;
}

bool writeJpeg(const std::string& path, const std::vector<unsigned char>& rgb) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = kSize;
    cinfo.image_height = kSize;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(&rgb[std::size_t(cinfo.next_scanline) * kSize * 3]);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    int failed = 0;
    for (const char* grid : {"Zenki", "Kouki"})
        for (const char* side : {"Left", "Right"})
            for (const char* state : {"on", "off"}) {
                const std::string path = folder + "/" + grid + side + "_" + state + ".jpg";
                const bool on = std::string(state) == "on";
                if (!writeJpeg(path, draw(std::string(side) == "Left", on ? kTealOn : kTealOff))) {
                    std::fprintf(stderr, "cannot write %s\n", path.c_str());
                    ++failed;
                }
            }
    return failed == 0 ? 0 : 1;
}
