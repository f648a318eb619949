#include "macro/detail/record_reader.h"

#include <string>

#include "text/message_text.h"

namespace plessard::macro::detail {

std::size_t RecordReader::read(std::string_view bytes) {
    std::size_t position = 0;
    while (position < bytes.size()) {
        const std::size_t line_feed = bytes.find('\n', position);
        const bool has_line_feed = line_feed != std::string_view::npos;
        const std::string_view content =
            bytes.substr(position, has_line_feed ? line_feed - position : bytes.size());
        position = has_line_feed ? line_feed + 1 : bytes.size();
        ++line_;
        if (end_mark_line_ == 0) {
            take(content, has_line_feed);
        } else if (line_ == end_mark_line_ + 1) {
            // Only the first line after the end mark is reported: the rest is not read.
            problems_.add(line_, ProblemKind::syntax, "nothing may follow the end mark \"-1\"");
        }
    }
    report_bare_line_feeds();
    for (RecordListener* listener : listeners_) {
        listener->finish(line_);
    }
    return line_;
}

void RecordReader::take(std::string_view content, bool has_line_feed) {
    if (has_line_feed && content.ends_with('\r')) {
        content.remove_suffix(1);
    } else if (has_line_feed) {
        if (bare_line_feeds_++ == 0) {
            first_bare_line_feed_ = line_;
        }
    } else {
        problems_.add(line_, ProblemKind::syntax, "the last line has no line end (CR LF)");
    }
    const ParsedLine parsed = parse_line(content);
    if (parsed.fault) {
        problems_.add(line_, ProblemKind::syntax, [&parsed] { return *parsed.fault; });
    }
    for (RecordListener* listener : listeners_) {
        listener->record(line_, parsed);
    }
    // Wherever it stands, the end mark ends the records.
    if (parsed.record == Record::end_mark) {
        end_mark_line_ = line_;
    }
}

void RecordReader::report_bare_line_feeds() {
    if (bare_line_feeds_ == 0) {
        return;
    }
    problems_.add(first_bare_line_feed_, ProblemKind::syntax, [this] {
        std::string message = "the line ends in LF alone; macro lines end in CR LF";
        if (bare_line_feeds_ > 1) {
            message += " (" +
                       text::plural(bare_line_feeds_ - 1, "more line ends", "more lines end") +
                       " the same way)";
        }
        return message;
    });
}

}  // namespace plessard::macro::detail
