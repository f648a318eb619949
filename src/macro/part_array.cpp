#include "macro/part_array.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "macro/record_line.h"
#include "platform/error.h"
#include "text/rounding.h"

namespace plessard::macro {
namespace {

// An operand computed in double from single inputs, left to right, with the expression as
// the operator would read it in a message.
struct Operand {
    double value;
    const char* expression;
};

// The text of the operand is the expression itself, so a message names exactly what
// overflowed.
#define PLESSARD_OPERAND(expression) \
    Operand {                        \
        expression, #expression      \
    }

// Where an operand stands, for the message of an overflow; built only when one happens.
struct Place {
    std::int64_t line;
    Record record;
};

std::string describe(const Place& place) {
    return record_name(place.record) + " (line " + std::to_string(place.line) + ")";
}

// Rounds once to single; a result beyond the single range stops the file here.
float to_single(const Operand& operand, const Place& place) {
    if (text::overflows_single(operand.value)) {
        throw platform::Error(platform::ErrorNumber::floating_point,
                              std::string("Floating-point overflow: ") + operand.expression +
                                  " in " + describe(place) +
                                  " is beyond the single-precision range");
    }
    return static_cast<float>(operand.value);
}

void write_record(platform::LineSink& out, std::int64_t line, Record record,
                  std::initializer_list<Operand> operands = {}) {
    std::array<float, 4> values{};
    std::size_t count = 0;
    for (const Operand& operand : operands) {
        values.at(count++) = to_single(operand, Place{line, record});
    }
    out.print_line(RecordLine(record, std::span<const float>(values.data(), count)).view());
}

// The fourteen records of one part's contour with its origin at (x0, y0), "99" last.
// first_line is the number in the file of its first record, for messages.
void write_part_contour(platform::LineSink& out, const input::PartDimensions& part, float x0,
                        float y0, std::int64_t first_line) {
    const double L1 = part.L1;
    const double L2 = part.L2;
    const double H1 = part.H1;
    const double H2 = part.H2;
    const double R1 = part.R1;
    const double R2 = part.R2;
    const double X0 = x0;
    const double Y0 = y0;
    std::int64_t line = first_line;
    const auto record = [&](Record kind, std::initializer_list<Operand> operands) {
        write_record(out, line++, kind, operands);
    };

    // Counter-clockwise from the bottom edge, R1 right of the lower-left corner; the last arc
    // ends where the first record starts, since both come from the same expressions.
    record(Record::start_point, {PLESSARD_OPERAND(R1 + X0), PLESSARD_OPERAND(Y0)});
    record(Record::line_to, {PLESSARD_OPERAND((L1 + X0) - R1), PLESSARD_OPERAND(Y0)});
    record(Record::arc_ccw, {PLESSARD_OPERAND((L1 + X0) - R1), PLESSARD_OPERAND(R1 + Y0),
                             PLESSARD_OPERAND(L1 + X0), PLESSARD_OPERAND(R1 + Y0)});
    record(Record::line_to, {PLESSARD_OPERAND(L1 + X0), PLESSARD_OPERAND((H2 + Y0) - R2)});
    record(Record::arc_ccw, {PLESSARD_OPERAND((L1 + X0) - R2), PLESSARD_OPERAND((H2 + Y0) - R2),
                             PLESSARD_OPERAND((L1 + X0) - R2), PLESSARD_OPERAND(H2 + Y0)});
    record(Record::line_to, {PLESSARD_OPERAND((L2 + X0) + R2), PLESSARD_OPERAND(H2 + Y0)});
    record(Record::arc_cw, {PLESSARD_OPERAND((L2 + X0) + R2), PLESSARD_OPERAND((H2 + Y0) + R2),
                            PLESSARD_OPERAND(L2 + X0), PLESSARD_OPERAND((H2 + Y0) + R2)});
    record(Record::line_to, {PLESSARD_OPERAND(L2 + X0), PLESSARD_OPERAND((H1 + Y0) - R2)});
    record(Record::arc_ccw, {PLESSARD_OPERAND((L2 + X0) - R2), PLESSARD_OPERAND((H1 + Y0) - R2),
                             PLESSARD_OPERAND((L2 + X0) - R2), PLESSARD_OPERAND(H1 + Y0)});
    record(Record::line_to, {PLESSARD_OPERAND(R1 + X0), PLESSARD_OPERAND(H1 + Y0)});
    record(Record::arc_ccw, {PLESSARD_OPERAND(R1 + X0), PLESSARD_OPERAND((H1 + Y0) - R1),
                             PLESSARD_OPERAND(X0), PLESSARD_OPERAND((H1 + Y0) - R1)});
    record(Record::line_to, {PLESSARD_OPERAND(X0), PLESSARD_OPERAND(R1 + Y0)});
    record(Record::arc_ccw, {PLESSARD_OPERAND(R1 + X0), PLESSARD_OPERAND(R1 + Y0),
                             PLESSARD_OPERAND(R1 + X0), PLESSARD_OPERAND(Y0)});
    record(Record::contour_end, {});
}

constexpr auto header_lines = static_cast<std::int64_t>(header_records);
constexpr std::int64_t contour_lines = 14;

}  // namespace

void write_part_array(platform::LineSink& out, const input::PartDimensions& part,
                      const params::ArrayParameters& array) {
    const double L1 = part.L1;
    const double H1 = part.H1;
    const double DX = array.DX;
    const double DY = array.DY;
    const double NX = array.NX;
    const double NY = array.NY;

    write_record(out, 1, Record::rectangle_left, {PLESSARD_OPERAND(-DX)});
    write_record(out, 2, Record::rectangle_bottom, {PLESSARD_OPERAND(-DY)});
    write_record(out, 3, Record::fixed_103);
    write_record(out, 4, Record::rectangle_right, {PLESSARD_OPERAND((L1 + DX) * NX)});
    write_record(out, 5, Record::rectangle_top, {PLESSARD_OPERAND((H1 + DY) * NY)});
    write_record(out, 6, Record::fixed_106);
    write_record(out, 7, Record::contours_follow);

    std::int64_t line = header_lines + 1;
    for (std::int64_t column = 1; column <= array.NX; ++column) {
        for (std::int64_t row = 1; row <= array.NY; ++row) {
            // The origin is first needed by the start point of the part.
            const Place place{line, Record::start_point};
            const auto i = static_cast<double>(column);
            const auto j = static_cast<double>(row);
            const float x0 = to_single(PLESSARD_OPERAND((L1 + DX) * (i - 1)), place);
            const float y0 = to_single(PLESSARD_OPERAND((H1 + DY) * (j - 1)), place);
            write_part_contour(out, part, x0, y0, line);
            line += contour_lines;
        }
    }
}

#undef PLESSARD_OPERAND

}  // namespace plessard::macro
