#include "assets/dimension_drawing.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <cstdlib>
#include <vector>

namespace plessard::assets {
namespace {

const QRgb white = qRgb(255, 255, 255);
const QRgb frame_colour = qRgb(127, 157, 185);
const QRgb outline_colour = qRgb(0, 0, 0);
const QRgb dimension_colour = qRgb(128, 128, 128);
const QColor lettering_colour(0, 0, 0);

constexpr int frame_width = 2;
constexpr int cap_height = 9;
// Room left free around a label where it breaks its dimension line.
constexpr int label_margin = 2;
constexpr int arrow_length = 7;

// Direct pixel access: the drawing is small, and exact pixels matter more than speed.
class Canvas {
  public:
    explicit Canvas(QImage& image) : image_(image) {}

    void plot(int x, int y, QRgb colour) {
        if (image_.valid(x, y)) {
            image_.setPixel(x, y, colour);
        }
    }
    void horizontal(int y, int x_from, int x_to, QRgb colour) {
        for (int x = x_from; x <= x_to; ++x) {
            plot(x, y, colour);
        }
    }
    void vertical(int x, int y_from, int y_to, QRgb colour) {
        for (int y = y_from; y <= y_to; ++y) {
            plot(x, y, colour);
        }
    }
    void fill(const QRect& area, QRgb colour) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            horizontal(y, area.left(), area.right(), colour);
        }
    }

    // A quarter circle about (cx, cy); sx and sy (each +1 or -1) pick the quadrant in image
    // coordinates. Midpoint rasterising gives a thin arc that meets the straight edges
    // exactly at (cx + sx * r, cy) and (cx, cy + sy * r).
    void quarter_circle(int cx, int cy, int r, int sx, int sy, QRgb colour) {
        int x = 0;
        int y = r;
        int decision = 1 - r;
        while (x <= y) {
            plot(cx + sx * x, cy + sy * y, colour);
            plot(cx + sx * y, cy + sy * x, colour);
            if (decision < 0) {
                decision += 2 * x + 3;
            } else {
                decision += 2 * (x - y) + 5;
                --y;
            }
            ++x;
        }
    }

    // A solid arrowhead with its tip at (x, y), pointing along (dx, dy), one of the four axes.
    void arrowhead(int x, int y, int dx, int dy, QRgb colour) {
        for (int step = 0; step < arrow_length; ++step) {
            const int half = (step + 1) / 3;
            const int along_x = x - dx * step;
            const int along_y = y - dy * step;
            for (int across = -half; across <= half; ++across) {
                plot(along_x + dy * across, along_y + dx * across, colour);
            }
        }
    }

  private:
    QImage& image_;
};

// How many pixel rows the ink of a capital H takes when written in this font. Measured rather
// than taken from the metrics, which count the faint edge pixels of the smoothed lettering.
int inked_cap_height(const QFont& font) {
    QImage scratch(64, 64, QImage::Format_RGB32);
    scratch.fill(white);
    {
        QPainter painter(&scratch);
        painter.setFont(font);
        painter.setPen(lettering_colour);
        painter.drawText(8, 48, QStringLiteral("H"));
    }
    int rows = 0;
    for (int y = 0; y < scratch.height(); ++y) {
        for (int x = 0; x < scratch.width(); ++x) {
            if (qGray(scratch.pixel(x, y)) < 128) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

// The serif face at the smallest pixel size whose capitals come closest to cap_height.
QFont lettering_font() {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    // Full hinting puts stems and cap line on whole pixels: small lettering stays crisp, and
    // the cap height can land on exactly nine rows.
    font.setHintingPreference(QFont::PreferFullHinting);
    int best_size = 12;
    int best_miss = 1000;
    for (int size = 8; size <= 20; ++size) {
        font.setPixelSize(size);
        const int miss = std::abs(inked_cap_height(font) - cap_height);
        if (miss < best_miss) {
            best_miss = miss;
            best_size = size;
        }
    }
    font.setPixelSize(best_size);
    return font;
}

// A label placed with the middle of its ink on (cx, cy).
struct PlacedLabel {
    QString text;
    QPoint origin;  // left end of the baseline
    QRect ink;
};

PlacedLabel place_label(const QFontMetrics& metrics, const char* text, int cx, int cy) {
    const QString label = QString::fromLatin1(text);
    const QRect ink = metrics.tightBoundingRect(label);
    const QPoint origin(cx - ink.left() - ink.width() / 2, cy - ink.top() - ink.height() / 2);
    return {label, origin, ink.translated(origin)};
}

struct CornerLabel {
    const char* text;
    int cx;
    int cy;
};

// Each radius label sits inside the outline, in the corner whose radius it names.
constexpr std::array<CornerLabel, 6> corner_labels{{
    {"R1", 47, 72},    // top left
    {"R2", 80, 69},    // top right of the upright
    {"R2", 82, 115},   // the inner corner, in the upright
    {"R2", 149, 116},  // top right of the short leg
    {"R1", 47, 143},   // bottom left
    {"R1", 147, 143},  // bottom right
}};

// A dimension between two extension lines at `from` and `to`, its line at `at`. A horizontal
// dimension measures along x: its extension lines are vertical and run from `extension_from`
// to `extension_to` in y. A vertical one is the same with x and y swapped.
struct Dimension {
    const char* text;
    bool horizontal;
    int at;
    int from;
    int to;
    int extension_from;
    int extension_to;
};

constexpr std::array<Dimension, 4> dimensions{{
    {"L2", true, 36, 33, 92, 33, 59},
    {"L1", true, 167, 33, 161, 156, 169},
    {"H1", false, 18, 59, 154, 13, 31},
    {"H2", false, 179, 107, 154, 163, 182},
}};

void draw_frame(Canvas& canvas) {
    canvas.fill(QRect(0, 0, drawing_size, frame_width), frame_colour);
    canvas.fill(QRect(0, drawing_size - frame_width, drawing_size, frame_width), frame_colour);
    canvas.fill(QRect(0, 0, frame_width, drawing_size), frame_colour);
    canvas.fill(QRect(drawing_size - frame_width, 0, frame_width, drawing_size), frame_colour);
}

void draw_outline(Canvas& canvas) {
    const QRgb ink = outline_colour;
    canvas.vertical(33, 71, 142, ink);               // left side
    canvas.horizontal(59, 45, 84, ink);              // top of the upright
    canvas.vertical(91, 66, 100, ink);               // right side of the upright
    canvas.horizontal(107, 98, 154, ink);            // top of the short leg
    canvas.vertical(161, 114, 142, ink);             // right end of the short leg
    canvas.horizontal(154, 45, 149, ink);            // bottom
    canvas.quarter_circle(45, 71, 12, -1, -1, ink);  // top left
    canvas.quarter_circle(45, 142, 12, -1, 1, ink);  // bottom left
    canvas.quarter_circle(149, 142, 12, 1, 1, ink);  // bottom right
    canvas.quarter_circle(84, 66, 7, 1, -1, ink);    // top right of the upright
    canvas.quarter_circle(98, 100, 7, -1, 1, ink);   // inner corner
    canvas.quarter_circle(154, 114, 7, 1, -1, ink);  // top right of the short leg
}

// Draws the lines and arrowheads of one dimension, broken where its label goes, and gives back
// the label for lettering.
PlacedLabel draw_dimension(Canvas& canvas, const QFontMetrics& metrics, const Dimension& d) {
    const QRgb ink = dimension_colour;
    const int middle = (d.from + d.to) / 2;
    PlacedLabel label = d.horizontal ? place_label(metrics, d.text, middle, d.at)
                                     : place_label(metrics, d.text, d.at, middle);
    if (d.horizontal) {
        canvas.vertical(d.from, d.extension_from, d.extension_to, ink);
        canvas.vertical(d.to, d.extension_from, d.extension_to, ink);
        canvas.horizontal(d.at, d.from + 1, label.ink.left() - label_margin - 1, ink);
        canvas.horizontal(d.at, label.ink.right() + label_margin + 1, d.to - 1, ink);
        canvas.arrowhead(d.from + 1, d.at, -1, 0, ink);
        canvas.arrowhead(d.to - 1, d.at, 1, 0, ink);
    } else {
        canvas.horizontal(d.from, d.extension_from, d.extension_to, ink);
        canvas.horizontal(d.to, d.extension_from, d.extension_to, ink);
        canvas.vertical(d.at, d.from + 1, label.ink.top() - label_margin - 1, ink);
        canvas.vertical(d.at, label.ink.bottom() + label_margin + 1, d.to - 1, ink);
        canvas.arrowhead(d.at, d.from + 1, 0, -1, ink);
        canvas.arrowhead(d.at, d.to - 1, 0, 1, ink);
    }
    return label;
}

}  // namespace

QImage dimension_drawing() {
    QImage image(drawing_size, drawing_size, QImage::Format_RGB32);
    image.fill(white);
    const QFont font = lettering_font();
    const QFontMetrics metrics(font);

    std::vector<PlacedLabel> labels;
    {
        Canvas canvas(image);
        draw_frame(canvas);
        draw_outline(canvas);
        for (const Dimension& d : dimensions) {
            labels.push_back(draw_dimension(canvas, metrics, d));
        }
    }
    for (const CornerLabel& corner : corner_labels) {
        labels.push_back(place_label(metrics, corner.text, corner.cx, corner.cy));
    }

    // The lettering goes on last, through the painter, once no pixel is set by hand any more.
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(lettering_colour);
    for (const PlacedLabel& label : labels) {
        painter.drawText(label.origin, label.text);
    }
    return image;
}

}  // namespace plessard::assets
