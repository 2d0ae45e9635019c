// Icon drawing in continuous coordinates: a pixel takes the colour of the shape under its
// centre. The stick runs from the upper left to the lower right, lit from above.
#include "dynamite.h"

#include <array>
#include <cmath>

namespace {

constexpr int kIconSize = 32;
constexpr double kPi = 3.14159265358979323846;

struct Point {
    double x;
    double y;
};

// Along the stick (down-right) and across it (up-right, towards the light).
constexpr double kRootHalf = 0.70710678118654752440;
constexpr Point kAlong{kRootHalf, kRootHalf};
constexpr Point kAcross{kRootHalf, -kRootHalf};

double Dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}
Point Centre(int x, int y) {
    return {x + 0.5, y + 0.5};
}

// One piece of the stick between two distances along its axis. A broken end is ragged.
struct StickPiece {
    Point start;   // centre of the upper-left end
    double length; // along the axis
    double radius; // across
    bool brokenStart;
    bool brokenEnd;
};

// Zigzag of a torn paper wrapper: 0 at the middle of each tooth, up to 1.5 pixels deep.
double Tear(double across) {
    const double phase = std::fabs(std::fmod(across + 10.0, 3.0) - 1.5);
    return phase;
}

// Colour of the stick at a pixel, or kTransparent when the pixel is off the piece.
std::uint8_t StickColour(const StickPiece& piece, Point p) {
    const Point rel{p.x - piece.start.x, p.y - piece.start.y};
    const double u = Dot(rel, kAlong);
    const double s = Dot(rel, kAcross);
    const double r = piece.radius;
    if (std::fabs(s) > r) {
        return kTransparent;
    }
    const double startEdge = piece.brokenStart ? Tear(s) : 0.0;
    const double endEdge = piece.length - (piece.brokenEnd ? Tear(s) : 0.0);
    // The lower-right end is rounded as a cylinder seen slightly from its side.
    const double capDepth = 1.6;
    const double endCap = piece.brokenEnd ? 0.0 : capDepth * std::sqrt(1.0 - (s / r) * (s / r));
    if (u < startEdge || u > endEdge + endCap) {
        return kTransparent;
    }
    const bool onEdge = std::fabs(s) > r - 1.0 || u < startEdge + 1.0 || u > endEdge + endCap - 1.0;
    if (onEdge) {
        return kBlack;
    }
    // The upper-left end shows its face: an ellipse of paper with the fuse in its middle.
    if (!piece.brokenStart) {
        const double face = (u - 1.6) / 1.3;
        const double across = s / (r - 1.0);
        if (face * face + across * across <= 1.0) {
            return u < 1.6 ? kDarkRed : kOlive;
        }
    }
    if (piece.brokenStart || piece.brokenEnd) {
        // Torn ends show the dark inside.
        if (u < startEdge + 1.6 || u > endEdge - 1.6) {
            return kDarkGrey;
        }
    }
    if (s > r - 2.2 && s <= r - 1.0) {
        return kWhite; // highlight towards the light
    }
    if (s < -(r - 2.6)) {
        return kDarkRed; // shadow side
    }
    return kRed;
}

void DrawStick(Canvas& canvas, const StickPiece& piece) {
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const std::uint8_t colour = StickColour(piece, Centre(x, y));
            if (colour != kTransparent) {
                canvas.Set(x, y, colour);
            }
        }
    }
}

// A fuse: a quadratic curve, one pixel wide.
void DrawFuse(Canvas& canvas, Point from, Point control, Point to) {
    for (int step = 0; step <= 200; ++step) {
        const double t = step / 200.0;
        const double a = (1 - t) * (1 - t);
        const double b = 2 * (1 - t) * t;
        const double c = t * t;
        const double x = a * from.x + b * control.x + c * to.x;
        const double y = a * from.y + b * control.y + c * to.y;
        canvas.Set(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)), kBlack);
    }
}

// A little star of light: a bright centre with four short rays.
void DrawStar(Canvas& canvas, int x, int y, int reach, std::uint8_t core, std::uint8_t rays) {
    for (int d = 1; d <= reach; ++d) {
        canvas.Set(x - d, y, rays);
        canvas.Set(x + d, y, rays);
        canvas.Set(x, y - d, rays);
        canvas.Set(x, y + d, rays);
    }
    canvas.Set(x, y, core);
}

// The blast: a jagged star, white in the middle through yellow to a red rim.
void DrawBlast(Canvas& canvas, Point centre) {
    // Outer radius of each spike, uneven like a real flash.
    static constexpr std::array<double, 10> spikes = {12.5, 9.5, 13.5, 10.0, 12.0,
                                                      13.0, 9.5, 12.5, 10.5, 13.5};
    constexpr double valley = 5.5;
    const double sector = 2 * kPi / static_cast<double>(spikes.size());
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const Point p = Centre(x, y);
            const double dx = p.x - centre.x;
            const double dy = p.y - centre.y;
            const double distance = std::sqrt(dx * dx + dy * dy);
            double angle = std::atan2(dy, dx) + 0.2;
            if (angle < 0) {
                angle += 2 * kPi;
            }
            const double position = angle / sector;
            const auto spike = static_cast<std::size_t>(position) % spikes.size();
            const double offset = std::fabs(position - std::floor(position) - 0.5) * 2; // 0 at tip
            const double reach = spikes[spike] + (valley - spikes[spike]) * offset;
            if (distance > reach) {
                continue;
            }
            std::uint8_t colour = kRed;
            if (distance < 3.5) {
                colour = kWhite;
            } else if (distance < reach - 2.5) {
                colour = kYellow;
            }
            canvas.Set(x, y, colour);
        }
    }
}

// Sparks thrown out of a flash: short streaks along the given rays (degrees, y down),
// every other one a little shorter.
struct Ray {
    double degrees;
    std::uint8_t colour;
};

void DrawSpray(Canvas& canvas, Point centre, const Ray* rays, std::size_t count, double from,
               double to) {
    for (std::size_t i = 0; i < count; ++i) {
        const double angle = rays[i].degrees * kPi / 180.0;
        const double reach = (i % 2 == 0) ? to : to - 1.5;
        for (double d = from; d <= reach; d += 0.5) {
            const double x = centre.x + d * std::cos(angle);
            const double y = centre.y + d * std::sin(angle);
            canvas.Set(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)),
                       rays[i].colour);
        }
    }
}

} // namespace

Canvas DynamiteBurst() {
    Canvas canvas(kIconSize, kIconSize, kTransparent);
    const Point centre{16.0, 16.0};
    // Rays clear of the two halves of the stick, which lie along 45 and 225 degrees.
    static constexpr Ray rays[] = {{-105, kWhite}, {-78, kBlue}, {-50, kYellow}, {-20, kRed},
                                   {8, kBlue},     {82, kWhite}, {110, kRed},    {138, kBlue},
                                   {165, kYellow}, {192, kWhite}};
    DrawSpray(canvas, centre, rays, std::size(rays), 11.5, 15.5);
    DrawBlast(canvas, centre);
    // The two halves fly apart from the middle of the stick.
    const double radius = 4.6;
    const StickPiece upper{{5.6, 5.6}, 6.8, radius, false, true};
    const StickPiece lower{{19.4, 19.4}, 8.2, radius, true, false};
    DrawStick(canvas, upper);
    DrawStick(canvas, lower);
    DrawFuse(canvas, {5.0, 5.0}, {2.2, 4.6}, {2.0, 1.4});
    DrawStar(canvas, 2, 1, 1, kWhite, kYellow);
    return canvas;
}

Canvas DynamiteWhole() {
    Canvas canvas(kIconSize, kIconSize, kTransparent);
    const StickPiece stick{{9.4, 9.4}, 18.6, 4.6, false, false};
    DrawStick(canvas, stick);
    DrawFuse(canvas, {8.8, 8.8}, {5.5, 9.6}, {5.2, 5.4});
    const Point spark{5.5, 5.5};
    static constexpr Ray rays[] = {{-160, kRed},  {-120, kYellow}, {-80, kWhite},  {-40, kRed},
                                   {-5, kYellow}, {110, kWhite},   {150, kYellow}, {185, kWhite}};
    DrawSpray(canvas, spark, rays, std::size(rays), 2.0, 5.0);
    DrawStar(canvas, 5, 5, 1, kWhite, kYellow);
    return canvas;
}
