// The generated pictures against the artwork catalogue: format, sizes, colours and the
// positions the catalogue fixes (disc, frames, digit spans, colon dots, header discs).
#include "artwork.h"
#include "picture_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>

namespace {

// Standard VGA palette as 0x00RRGGBB, in its usual order.
constexpr std::array<std::uint32_t, 16> kVga = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
constexpr std::uint8_t kGrey = 7, kDarkGrey = 8, kWhite = 15, kRed = 9, kBlue = 12, kMagenta = 13;
constexpr std::array<std::uint8_t, 6> kPegColours = {9, 11, 10, 12, 1, 13};

const std::map<std::string, std::vector<std::uint8_t>>& Files() {
    static const auto files = [] {
        std::map<std::string, std::vector<std::uint8_t>> map;
        for (const Asset& asset : Artwork()) {
            map[asset.path] = asset.bytes;
        }
        return map;
    }();
    return files;
}

PictureFile Bmp(const std::string& name) {
    const auto found = Files().find("art/" + name + ".bmp");
    return found == Files().end() ? PictureFile{} : ReadBmp(found->second);
}

struct Box {
    int left = 1000, top = 1000, right = -1, bottom = -1, count = 0;
    bool operator==(const Box&) const = default;
};

// Where colour lies within the given region.
Box Extent(const PictureFile& p, std::uint8_t colour, int left = 0, int top = 0, int right = 999,
           int bottom = 999) {
    Box box;
    for (int y = std::max(top, 0); y <= std::min(bottom, p.height - 1); ++y) {
        for (int x = std::max(left, 0); x <= std::min(right, p.width - 1); ++x) {
            if (p.At(x, y) == colour) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y), box.count + 1};
            }
        }
    }
    return box;
}

int CountOtherThan(const PictureFile& p, std::uint8_t a, std::uint8_t b) {
    int count = 0;
    for (std::uint8_t pixel : p.pixels) {
        count += pixel != a && pixel != b ? 1 : 0;
    }
    return count;
}

void ExpectFormat(const std::string& name, int width, int height) {
    SCOPED_TRACE(name);
    const PictureFile p = Bmp(name);
    ASSERT_TRUE(p.valid) << p.problem;
    EXPECT_EQ(p.width, width);
    EXPECT_EQ(p.height, height);
    EXPECT_EQ(p.bitsPerPixel, 4);
    EXPECT_EQ(p.compression, 0U); // BI_RGB
    EXPECT_EQ(p.coloursUsed, 16U);
    EXPECT_TRUE(std::equal(p.palette.begin(), p.palette.end(), kVga.begin()));
}

} // namespace

TEST(ArtworkCatalogue, EveryBitmapHasItsSizeFourBitsAndTheVgaPalette) {
    for (int k = 0; k < 6; ++k) {
        ExpectFormat("peg_" + std::to_string(k), 25, 25);
        ExpectFormat("button_" + std::to_string(k) + "_up", 25, 25);
        ExpectFormat("button_" + std::to_string(k) + "_down", 25, 25);
        ExpectFormat("peg_numbered_" + std::to_string(k), 25, 25);
        ExpectFormat("button_numbered_" + std::to_string(k) + "_up", 25, 25);
        ExpectFormat("button_numbered_" + std::to_string(k) + "_down", 25, 25);
    }
    for (int d = 0; d < 10; ++d) {
        ExpectFormat("digit_large_" + std::to_string(d), 24, 35);
        ExpectFormat("digit_small_" + std::to_string(d), 11, 23);
    }
    ExpectFormat("colon", 12, 35);
    ExpectFormat("header_exact", 18, 18);
    ExpectFormat("header_colour", 18, 18);
    EXPECT_EQ(Files().size(), 6U * 3 * 2 + 20 + 3 + 2);
}

TEST(ArtworkCatalogue, PegsAreRound18PixelDiscsOfTheirColourOnGrey) {
    const PictureFile red = Bmp("peg_0");
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        const PictureFile p = Bmp("peg_" + std::to_string(k));
        ASSERT_TRUE(p.valid);
        EXPECT_EQ(Extent(p, kPegColours[k]), (Box{3, 3, 20, 20, 248}));
        EXPECT_EQ(CountOtherThan(p, kPegColours[k], kGrey), 0);
        // The disc's centre lies between pixels 11 and 12; row and column 24 are background.
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) {
                const bool disc = p.At(x, y) != kGrey;
                // Round: the same turned, mirrored and across as down; and the same shape
                // in every colour.
                EXPECT_EQ(disc, p.At(y, x) != kGrey);
                EXPECT_EQ(disc, p.At(23 - x, y) != kGrey);
                EXPECT_EQ(disc, p.At(x, 23 - y) != kGrey);
                EXPECT_EQ(disc, red.At(x, y) != kGrey);
            }
        }
        // Filled: every row of the disc is one unbroken run.
        for (int y = 3; y <= 20; ++y) {
            const Box row = Extent(p, kPegColours[k], 0, y, 24, y);
            EXPECT_EQ(row.count, row.right - row.left + 1);
        }
    }
}

// Every pixel of each colour's button face of the kind ("up", "down"), against what that
// colour's peg gives at each place.
void ExpectFaces(const char* kind,
                 const std::function<std::uint8_t(const PictureFile& peg, int x, int y)>& expected) {
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        const PictureFile p = Bmp("button_" + std::to_string(k) + "_" + kind);
        const PictureFile peg = Bmp("peg_" + std::to_string(k));
        ASSERT_TRUE(p.valid && peg.valid);
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 25; ++x) {
                ASSERT_EQ(p.At(x, y), expected(peg, x, y)) << "at " << x << "," << y;
            }
        }
    }
}

TEST(ArtworkCatalogue, UpFacesAreRaisedButtonsAroundThePegDisc) {
    ExpectFaces("up", [](const PictureFile& peg, int x, int y) -> std::uint8_t {
        if (x <= 1 || y <= 1 || x == 24 || y == 24) {
            return kWhite;
        }
        if (x >= 22 || y >= 22) {
            return kDarkGrey;
        }
        return peg.At(x, y); // the face proper carries the peg's disc
    });
}

TEST(ArtworkCatalogue, DownFacesAreFlatWithTheDiscPushedInByOnePixel) {
    ExpectFaces("down", [](const PictureFile& peg, int x, int y) -> std::uint8_t {
        return x == 0 || y == 0 || x == 24 || y == 24 ? kWhite : peg.At(x - 1, y - 1);
    });
    for (int k = 0; k < 6; ++k) {
        const PictureFile p = Bmp("button_" + std::to_string(k) + "_down");
        EXPECT_EQ(Extent(p, kPegColours[k]), (Box{4, 4, 21, 21, 248})) << k;
    }
}

namespace {

// Which segments show, read at one pixel inside each: top, upper right, lower right,
// bottom, lower left, upper left, middle.
struct SegmentProbes {
    std::array<std::array<int, 2>, 7> points;
};
constexpr SegmentProbes kLargeProbes{
    {{{11, 2}, {21, 9}, {21, 25}, {11, 32}, {2, 25}, {2, 9}, {11, 17}}}};
constexpr SegmentProbes kSmallProbes{
    {{{5, 3}, {10, 7}, {10, 15}, {5, 19}, {0, 15}, {0, 7}, {5, 11}}}};
constexpr std::array<const char*, 10> kLit = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                              "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};

void ExpectDigits(const std::string& prefix, const SegmentProbes& probes, const Box& span) {
    for (int d = 0; d < 10; ++d) {
        SCOPED_TRACE(prefix + std::to_string(d));
        const PictureFile p = Bmp(prefix + std::to_string(d));
        ASSERT_TRUE(p.valid);
        EXPECT_EQ(CountOtherThan(p, kRed, kGrey), 0);
        for (int s = 0; s < 7; ++s) {
            const bool lit =
                std::string(kLit[d]).find(static_cast<char>('a' + s)) != std::string::npos;
            EXPECT_EQ(p.At(probes.points[s][0], probes.points[s][1]) == kRed, lit)
                << "segment " << static_cast<char>('a' + s);
        }
        const Box red = Extent(p, kRed);
        EXPECT_GE(red.left, span.left);
        EXPECT_GE(red.top, span.top);
        EXPECT_LE(red.right, span.right);
        EXPECT_LE(red.bottom, span.bottom);
    }
    const Box eight = Extent(Bmp(prefix + "8"), kRed);
    EXPECT_EQ((Box{eight.left, eight.top, eight.right, eight.bottom}),
              (Box{span.left, span.top, span.right, span.bottom}));
}

} // namespace

TEST(ArtworkCatalogue, LargeDigitsAreSevenSegmentFiguresInTheirSpan) {
    ExpectDigits("digit_large_", kLargeProbes, Box{1, 1, 22, 33});
    const PictureFile eight = Bmp("digit_large_8");
    // Segments four pixels thick, the middle one five rows; a gap where segments meet.
    EXPECT_EQ(Extent(eight, kRed, 11, 0, 11, 12), (Box{11, 1, 11, 4, 4}));
    EXPECT_EQ(Extent(eight, kRed, 11, 13, 11, 21), (Box{11, 15, 11, 19, 5}));
    EXPECT_EQ(Extent(eight, kRed, 0, 9, 8, 9), (Box{1, 9, 4, 9, 4}));
    EXPECT_EQ(eight.At(1, 1), kGrey);
    EXPECT_EQ(eight.At(22, 33), kGrey);
    EXPECT_EQ(eight.At(1, 17), kGrey);
    // Pointed middle: its rows grow towards the centre line.
    EXPECT_LT(Extent(eight, kRed, 5, 15, 18, 15).count + 2,
              Extent(eight, kRed, 0, 17, 23, 17).count);
    // The 1 uses the two right segments only.
    EXPECT_EQ(Extent(Bmp("digit_large_1"), kRed, 0, 0, 17, 34).count, 0);
}

TEST(ArtworkCatalogue, SmallDigitsAreTheSameFiguresScaledDown) {
    ExpectDigits("digit_small_", kSmallProbes, Box{0, 3, 10, 19});
}

// Two dots of one colour on grey, one above the other: the upper above row `split`.
void ExpectTwoDots(const char* name, std::uint8_t colour, int split, const Box& upper,
                   const Box& lower) {
    const PictureFile p = Bmp(name);
    ASSERT_TRUE(p.valid);
    EXPECT_EQ(CountOtherThan(p, colour, kGrey), 0);
    EXPECT_EQ(Extent(p, colour, 0, 0, p.width - 1, split - 1), upper);
    EXPECT_EQ(Extent(p, colour, 0, split, p.width - 1, p.height - 1), lower);
}

TEST(ArtworkCatalogue, ColonIsTwoSolidRedDotsFourByFour) {
    ExpectTwoDots("colon", kRed, 18, Box{4, 10, 7, 15, 24}, Box{4, 19, 7, 24, 24});
}

TEST(ArtworkCatalogue, HeadersShowSevenPixelDiscsWhereTheyBelong) {
    ExpectTwoDots("header_exact", kBlue, 9, Box{6, 1, 12, 7, 37}, Box{6, 10, 12, 16, 37});

    const PictureFile colour = Bmp("header_colour");
    ASSERT_TRUE(colour.valid);
    EXPECT_EQ(Extent(colour, kRed), (Box{1, 1, 7, 7, 37}));
    EXPECT_EQ(Extent(colour, kBlue, 9, 0, 17, 8), (Box{10, 1, 16, 7, 37}));
    EXPECT_EQ(Extent(colour, kBlue, 0, 9, 8, 17), (Box{1, 10, 7, 16, 37}));
    EXPECT_EQ(Extent(colour, kMagenta), (Box{10, 10, 16, 16, 37}));
    EXPECT_EQ(Extent(colour, kBlue).count, 74);
    EXPECT_EQ(Extent(colour, kGrey).count, 18 * 18 - 4 * 37);
}

TEST(ArtworkCatalogue, IconsAre32PixelSixteenColourPicturesWithAMask) {
    std::map<std::string, std::set<std::uint8_t>> colours;
    for (const char* name : {"dynamite_burst", "dynamite_whole"}) {
        SCOPED_TRACE(name);
        const auto found = Files().find(std::string("art/") + name + ".ico");
        ASSERT_NE(found, Files().end());
        const PictureFile p = ReadIco(found->second);
        ASSERT_TRUE(p.valid) << p.problem;
        EXPECT_EQ(p.width, 32);
        EXPECT_EQ(p.height, 32);
        EXPECT_TRUE(std::equal(p.palette.begin(), p.palette.end(), kVga.begin()));
        int clear = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (p.ClearAt(x, y)) {
                    ++clear;
                    EXPECT_EQ(p.At(x, y), 0) << "transparent pixels must be black to show through";
                } else {
                    colours[name].insert(p.At(x, y));
                }
            }
        }
        // The background shows through, the picture does not.
        EXPECT_GT(clear, 200);
        EXPECT_LT(clear, 32 * 32 - 200);
        EXPECT_TRUE(p.ClearAt(31, 0) && p.ClearAt(0, 31));
    }
    // Red sticks; the burst sprays yellow, white, blue and red, the lit fuse yellow, white and red.
    for (std::uint8_t c : {kRed, std::uint8_t{11}, kWhite, kBlue}) {
        EXPECT_EQ(colours["dynamite_burst"].count(c), 1U) << int(c);
    }
    for (std::uint8_t c : {kRed, std::uint8_t{11}, kWhite}) {
        EXPECT_EQ(colours["dynamite_whole"].count(c), 1U) << int(c);
    }
}
