// File names of the artwork; the resource script (src/ui/artwork.rc) maps them to resources.
#include "artwork.h"

#include "bmp_writer.h"
#include "dynamite.h"
#include "ico_writer.h"
#include "numbered_pictures.h"
#include "pictures.h"

std::vector<Asset> Artwork() {
    std::vector<Asset> assets;
    const auto add = [&assets](std::string name, std::vector<std::uint8_t> bytes) {
        assets.push_back({"art/" + std::move(name), std::move(bytes)});
    };
    for (int k = 0; k < 6; ++k) {
        add("peg_" + std::to_string(k) + ".bmp", EncodeBmp(Peg(k)));
    }
    for (int d = 0; d < 10; ++d) {
        add("digit_large_" + std::to_string(d) + ".bmp", EncodeBmp(LargeDigit(d)));
    }
    add("colon.bmp", EncodeBmp(Colon()));
    for (int d = 0; d < 10; ++d) {
        add("digit_small_" + std::to_string(d) + ".bmp", EncodeBmp(SmallDigit(d)));
    }
    add("header_exact.bmp", EncodeBmp(HeaderExact()));
    add("header_colour.bmp", EncodeBmp(HeaderColour()));
    for (int k = 0; k < 6; ++k) {
        add("button_" + std::to_string(k) + "_up.bmp", EncodeBmp(ButtonUp(k)));
        add("button_" + std::to_string(k) + "_down.bmp", EncodeBmp(ButtonDown(k)));
    }
    for (int k = 0; k < 6; ++k) {
        const std::string button = "button_numbered_" + std::to_string(k);
        add("peg_numbered_" + std::to_string(k) + ".bmp", EncodeBmp(NumberedPeg(k)));
        add(button + "_up.bmp", EncodeBmp(NumberedButtonUp(k)));
        add(button + "_down.bmp", EncodeBmp(NumberedButtonDown(k)));
    }
    add("dynamite_burst.ico", EncodeIco(DynamiteBurst()));
    add("dynamite_whole.ico", EncodeIco(DynamiteWhole()));
    return assets;
}
