// A picture as 16-colour palette indices, the form every bitmap and icon of the game takes,
// with the standard VGA palette and the few drawing primitives the generators share.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// Indices into the standard 16-colour VGA palette, in its usual order.
enum VgaColour : std::uint8_t {
    kBlack = 0,
    kDarkRed = 1,
    kDarkGreen = 2,
    kOlive = 3,
    kNavy = 4,
    kPurple = 5,
    kTeal = 6,
    kLightGrey = 7,
    kDarkGrey = 8,
    kRed = 9,
    kGreen = 10,
    kYellow = 11,
    kBlue = 12,
    kMagenta = 13,
    kCyan = 14,
    kWhite = 15,
};

// Icons only: a pixel that shows whatever lies behind the icon.
constexpr std::uint8_t kTransparent = 16;

inline constexpr std::array<Rgb, 16> kVgaPalette = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

class Canvas {
public:
    Canvas(int width, int height, std::uint8_t fill);

    int Width() const { return width; }
    int Height() const { return height; }
    std::uint8_t At(int x, int y) const;
    // Pixels outside the canvas are ignored, so shapes may run over the edge.
    void Set(int x, int y, std::uint8_t colour);
    // Inclusive bounds.
    void FillRect(int left, int top, int right, int bottom, std::uint8_t colour);

private:
    int width;
    int height;
    std::vector<std::uint8_t> pixels;
};

// A filled disc given by the width of each of its rows, top to bottom, each row centred;
// as many rows as the disc is wide. Pixel shapes are chosen by eye, so they are tables.
void FillDisc(Canvas& canvas, int left, int top, const std::vector<int>& rowWidths,
              std::uint8_t colour);

// The disc of the pegs: 18 pixels across, 248 pixels.
const std::vector<int>& PegDisc();
// The discs of the column headers: 7 pixels across.
const std::vector<int>& SmallDisc();
