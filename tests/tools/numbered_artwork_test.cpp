// The numbered pegs and colour-button faces: each is its plain picture with one crisp
// numeral on the disc that stands out from it, the same numeral on every face of a colour.
#include "artwork.h"
#include "picture_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <compare>
#include <map>
#include <set>
#include <string>

namespace {

constexpr std::array<std::uint8_t, 6> kPegColours = {9, 11, 10, 12, 1, 13};

PictureFile Bmp(const std::string& name) {
    static const auto files = [] {
        std::map<std::string, std::vector<std::uint8_t>> map;
        for (const Asset& asset : Artwork()) {
            map[asset.path] = asset.bytes;
        }
        return map;
    }();
    const auto found = files.find("art/" + name + ".bmp");
    return found == files.end() ? PictureFile{} : ReadBmp(found->second);
}

struct Point {
    int x = 0;
    int y = 0;
    auto operator<=>(const Point&) const = default;
};

// A face of colour k, plain and numbered; the pressed one carries its disc one pixel right
// and one down.
struct Face {
    std::string plain;
    std::string numbered;
    int shift = 0;
};

std::array<Face, 3> Faces(int k) {
    const std::string n = std::to_string(k);
    return {{{"peg_" + n, "peg_numbered_" + n, 0},
             {"button_" + n + "_up", "button_numbered_" + n + "_up", 0},
             {"button_" + n + "_down", "button_numbered_" + n + "_down", 1}}};
}

// The numeral is wherever the numbered picture differs from the plain one.
struct Numeral {
    bool read = false;
    PictureFile plain;
    PictureFile numbered;
    std::set<Point> pixels;
    std::set<std::uint8_t> colours;
};

Numeral ReadNumeral(const Face& face) {
    Numeral n{false, Bmp(face.plain), Bmp(face.numbered), {}, {}};
    if (!n.plain.valid || !n.numbered.valid || n.plain.width != n.numbered.width ||
        n.plain.height != n.numbered.height || n.plain.palette != n.numbered.palette) {
        return n;
    }
    for (int y = 0; y < n.plain.height; ++y) {
        for (int x = 0; x < n.plain.width; ++x) {
            if (n.plain.At(x, y) != n.numbered.At(x, y)) {
                n.pixels.insert({x, y});
                n.colours.insert(n.numbered.At(x, y));
            }
        }
    }
    n.read = !n.pixels.empty();
    return n;
}

// Left, top, right, bottom.
std::array<int, 4> Bounds(const std::set<Point>& pixels) {
    std::array<int, 4> b = {1000, 1000, -1, -1};
    for (Point p : pixels) {
        b = {std::min(b[0], p.x), std::min(b[1], p.y), std::max(b[2], p.x), std::max(b[3], p.y)};
    }
    return b;
}

// Relative luminance of a 0x00RRGGBB colour from linearised sRGB channels.
double Luminance(std::uint32_t rgb) {
    const auto linear = [](std::uint32_t channel) {
        const double c = static_cast<double>(channel & 0xFF) / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(rgb >> 16) + 0.7152 * linear(rgb >> 8) + 0.0722 * linear(rgb);
}

double Contrast(std::uint32_t a, std::uint32_t b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

TEST(NumberedArtwork, EachFaceIsItsPlainPictureWithALegibleNumeralCentredOnTheDisc) {
    // The measure itself: black on white is 21:1, black on red just over 5:1.
    EXPECT_NEAR(Contrast(0x000000, 0xFFFFFF), 21.0, 1e-9);
    EXPECT_NEAR(Contrast(0x000000, 0xFF0000), 5.252, 1e-3);

    for (int k = 0; k < 6; ++k) {
        for (const Face& face : Faces(k)) {
            SCOPED_TRACE(face.numbered);
            const Numeral n = ReadNumeral(face);
            ASSERT_TRUE(n.read) << "no numeral, or not the plain picture's format";
            // One colour only: a pixel font, nothing blended into the disc.
            ASSERT_EQ(n.colours.size(), 1U);
            const std::uint8_t disc = kPegColours[static_cast<std::size_t>(k)];
            const double ratio =
                Contrast(n.numbered.palette[*n.colours.begin()], n.plain.palette[disc]);
            EXPECT_GE(ratio, 4.5) << "colour " << int(*n.colours.begin()) << " on " << int(disc);
            // Disc all round every numeral pixel: the frame and background are untouched and
            // the numeral never runs into the rim.
            for (Point p : n.pixels) {
                for (int y = p.y - 1; y <= p.y + 1; ++y) {
                    for (int x = p.x - 1; x <= p.x + 1; ++x) {
                        ASSERT_TRUE(x >= 0 && y >= 0 && x < n.plain.width && y < n.plain.height &&
                                    n.plain.At(x, y) == disc)
                            << "numeral pixel " << p.x << "," << p.y << " next to " << x << "," << y
                            << ", off the disc";
                    }
                }
            }
            std::set<Point> discPixels;
            for (int y = 0; y < n.plain.height; ++y) {
                for (int x = 0; x < n.plain.width; ++x) {
                    if (n.plain.At(x, y) == disc) {
                        discPixels.insert({x, y});
                    }
                }
            }
            const std::array<int, 4> d = Bounds(discPixels);
            const std::array<int, 4> b = Bounds(n.pixels);
            // Big enough to read at a glance, and centred to within half a pixel.
            EXPECT_GE(b[2] - b[0] + 1, 5);
            EXPECT_GE(b[3] - b[1] + 1, 7);
            EXPECT_LE(std::abs(b[0] + b[2] - d[0] - d[2]), 1);
            EXPECT_LE(std::abs(b[1] + b[3] - d[1] - d[3]), 1);
        }
    }
}

TEST(NumberedArtwork, EveryFaceOfAColourShowsItsNumeralAndNoTwoColoursShareOne) {
    std::vector<std::set<Point>> shapes;
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        const std::array<Face, 3> faces = Faces(k);
        const Numeral peg = ReadNumeral(faces[0]);
        ASSERT_TRUE(peg.read);
        for (const Face& face : faces) {
            SCOPED_TRACE(face.numbered);
            const Numeral n = ReadNumeral(face);
            ASSERT_TRUE(n.read);
            // The peg's numeral in the peg's place, moved with the disc on the pressed face.
            std::set<Point> moved;
            for (Point p : peg.pixels) {
                moved.insert({p.x + face.shift, p.y + face.shift});
            }
            EXPECT_TRUE(n.pixels == moved);
            EXPECT_EQ(n.colours, peg.colours);
        }
        // Compared as shapes, wherever each one lies.
        const std::array<int, 4> b = Bounds(peg.pixels);
        std::set<Point> shape;
        for (Point p : peg.pixels) {
            shape.insert({p.x - b[0], p.y - b[1]});
        }
        for (std::size_t other = 0; other < shapes.size(); ++other) {
            EXPECT_TRUE(shape != shapes[other]) << "the same numeral as colour " << other;
        }
        shapes.push_back(shape);
    }
}
