#include "macro/detail/record_grammar.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "macro/macro_number.h"
#include "text/ascii.h"
#include "text/message_text.h"
#include "text/number_grammar.h"

namespace plessard::macro::detail {
namespace {

// A piece of the file as the operator should see it in a message: short, quoted, and with no
// control bytes that could garble a terminal.
using text::quoted_excerpt;

ParsedLine fail(std::optional<Record> record, std::string message) {
    ParsedLine parsed;
    parsed.record = record;
    parsed.fault = std::move(message);
    return parsed;
}

std::optional<std::string> character_fault(std::string_view content) {
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (c == '\r') {
            return "carriage return without a line feed in column " + std::to_string(i + 1) +
                   " (lines end in CR LF)";
        }
        if (!text::is_printable_ascii(c)) {
            return "byte " + text::byte_text(static_cast<unsigned char>(c)) + " in column " +
                   std::to_string(i + 1) + " is not printable ASCII";
        }
    }
    return std::nullopt;
}

// The operands after the code text: the first directly after it, every further one after
// ", ". Fills the values and texts, or says what is wrong.
std::optional<std::string> parse_operands(const RecordForm& form, std::string_view rest,
                                          ParsedLine& parsed) {
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = rest.find(',');
        std::string_view piece = rest.substr(0, comma);
        if (count > 0) {
            if (!piece.starts_with(' ') || piece.starts_with("  ")) {
                return "numbers are separated by \", \" (a comma and one blank)";
            }
            piece.remove_prefix(1);
        } else if (piece.starts_with(' ')) {
            return "the first number must follow " + quoted_excerpt(form.code_text) + " directly";
        }
        if (count < form.operands) {
            if (auto fault = macro_number_fault(piece)) {
                return "bad number " + quoted_excerpt(piece) + ": " + *fault;
            }
            parsed.texts[count] = piece;
            parsed.values[count] = text::text_value(piece);
        }
        ++count;
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    if (count != form.operands) {
        return record_name(form.record) + " takes " +
               text::plural(form.operands, "number", "numbers") + ", not " + std::to_string(count);
    }
    return std::nullopt;
}

}  // namespace

ParsedLine parse_line(std::string_view content) {
    if (content.empty()) {
        ParsedLine parsed = fail(std::nullopt, "blank line");
        parsed.blank = true;
        return parsed;
    }
    if (auto fault = character_fault(content)) {
        return fail(std::nullopt, *std::move(fault));
    }
    const std::string_view code = content.substr(0, content.find(','));
    const auto known = std::find_if(record_table.begin(), record_table.end(),
                                    [&](const RecordForm& form) { return form.name == code; });
    if (known == record_table.end()) {
        return fail(std::nullopt, "unknown record " + quoted_excerpt(code));
    }
    const RecordForm& form = *known;
    if (form.operands == 0) {
        if (content != form.code_text) {
            return fail(form.record, record_name(form.record) + " must read exactly " +
                                         quoted_excerpt(form.code_text) + ", not " +
                                         quoted_excerpt(content));
        }
    } else if (!content.starts_with(form.code_text)) {
        return fail(form.record, record_name(form.record) + " must begin with " +
                                     quoted_excerpt(form.code_text));
    }
    ParsedLine parsed;
    parsed.record = form.record;
    if (form.operands > 0) {
        parsed.fault = parse_operands(form, content.substr(form.code_text.size()), parsed);
    }
    return parsed;
}

}  // namespace plessard::macro::detail
