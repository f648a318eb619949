#include <QImage>
#include <QImageReader>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

// A build step, not part of the program: decodes the icon's PNG images, smallest first, and
// writes them as the C++ definition of app::program_icon_images().
//   embed_icon OUTPUT.cpp IMAGE.png...
namespace {

std::string number(long long value, int base = 10) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value, base).ptr;
    return {digits, end};
}

// The image as the program's icon takes it: 32-bit words 0xAARRGGBB, not premultiplied.
std::string array_of(const QImage& image, const std::string& name) {
    std::string text = "alignas(4) constexpr std::uint32_t " + name + "[] = {";
    for (int y = 0; y < image.height(); ++y) {
        text += "\n   ";
        for (int x = 0; x < image.width(); ++x) {
            text += " 0x" + number(static_cast<long long>(image.pixel(x, y)), 16) + "U,";
        }
    }
    return text + "\n};\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: embed_icon OUTPUT.cpp IMAGE.png...\n", stderr);
        return 2;
    }
    std::vector<QImage> images;
    for (int i = 2; i < argc; ++i) {
        QImageReader reader(QString::fromLocal8Bit(argv[i]), "png");
        QImage image = reader.read();
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "embed_icon: cannot read a square image from %s\n", argv[i]);
            return 1;
        }
        images.push_back(image.convertToFormat(QImage::Format_ARGB32));
    }
    std::ranges::sort(images, {}, &QImage::width);
    std::string source =
        "// Written by embed_icon from the icon's PNG images.\n"
        "#include \"app/program_icon_images.h\"\n\n#include <array>\n\n"
        "namespace plessard::app {\nnamespace {\n\n";
    std::string table;
    for (const QImage& image : images) {
        const std::string name = "pixels_" + number(image.width());
        source += array_of(image, name) + "\n";
        table += "    {" + number(image.width()) + ", " + name + "},\n";
    }
    source +=
        "}  // namespace\n\nstd::span<const IconImage> program_icon_images() noexcept {\n"
        "    static constexpr std::array<IconImage, " +
        number(static_cast<long long>(images.size())) + "> images{{\n" + table +
        "    }};\n    return images;\n}\n\n}  // namespace plessard::app\n";
    std::ofstream out(argv[1], std::ios::binary);
    out << source;
    out.close();
    if (!out) {
        std::fprintf(stderr, "embed_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
