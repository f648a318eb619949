#!/usr/bin/env python3
"""The manual page and the bash completion of plessard-macro, made from the tool's own help.

    from_help.py TOOL MANUAL_TEMPLATE MANUAL COMPLETION_TEMPLATE COMPLETION

Runs TOOL --help, TOOL --version and TOOL COMMAND --help for every command the first lists, and
fills the templates' @NAME@ fields with what they say: a new command or option appears in both
without an edit here, and neither can describe a command line the tool does not take. The page
is dated by SOURCE_DATE_EPOCH when it is set (the release sets it), so it is the same on every
build of one commit.
"""

import datetime
import os
import re
import subprocess
import sys
from dataclasses import dataclass, field
from pathlib import Path

# The column where CLI11 starts an entry's description: a longer entry has it on the next line.
DESCRIPTION_COLUMN = 30
# Types of value that name a file, which the completion completes as file names.
FILE_TYPES = ("FILE", "OUT")


class Failure(Exception):
    """The help does not read as expected."""


@dataclass
class Entry:
    """An option, a positional argument or a command, as a help text lists it."""
    names: list  # -o, --output
    value: str = ""  # the type of its value, none for a flag
    default: str = ""
    required: bool = False
    description: str = ""


@dataclass
class Help:
    description: str
    usage: str
    sections: dict = field(default_factory=dict)  # "Options" -> [Entry]
    footer: str = ""


def entry(head, description):
    words = head.split()
    value, default = (words[1].split("=", 1) + [""])[:2] if len(words) > 1 else ("", "")
    return Entry(words[0].split(","), value, default, "REQUIRED" in words[2:], description)


def parse(text):
    """A CLI11 help text: a description, Usage:, sections of entries, a footer."""
    lines = text.rstrip("\n").split("\n")
    if len(lines) < 2 or not lines[1].startswith("Usage: "):
        raise Failure(f"a help text that does not start with its description and usage:\n{text}")
    help_text = Help(lines[0], lines[1][len("Usage: "):])
    section = None
    index = 2
    while index < len(lines):
        line = lines[index]
        index += 1
        if re.fullmatch(r"\w+:", line):
            section = help_text.sections.setdefault(line[:-1], [])
        elif line.startswith("  ") and not line.startswith("   ") and section is not None:
            following = lines[index] if index < len(lines) else ""
            if following.startswith(" " * DESCRIPTION_COLUMN):
                section.append(entry(line, following.strip()))
                index += 1
            else:
                section.append(entry(line[:DESCRIPTION_COLUMN], line[DESCRIPTION_COLUMN:].strip()))
        elif line:
            help_text.footer = (help_text.footer + " " + line).strip()
            section = None
    return help_text


def tool_help(tool, *arguments):
    done = subprocess.run([tool, *arguments], capture_output=True, text=True)
    if done.returncode != 0:
        raise Failure(f"{tool} {' '.join(arguments)} ended with {done.returncode}")
    return done.stdout


def roff(text):
    """Text as roff prints it: hyphens as minus signs where they belong to options, no control
    character at a line's start."""
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return re.sub(r"^([.'])", r"\\&\1", text, flags=re.M)


def option_lines(entries):
    """The .TP paragraphs of options and arguments."""
    out = []
    for e in entries:
        names = ", ".join(f"\\fB{roff(n)}\\fR" if n.startswith("-") else f"\\fI{roff(n)}\\fR"
                          for n in e.names)
        value = f" \\fI{roff(e.value)}\\fR" if e.value and e.names[0].startswith("-") else ""
        text = roff(e.description) + ("" if e.description.endswith(".") else ".")
        if e.default:
            text += f" Default: \\fB{roff(e.default)}\\fR."
        if e.required:
            text += " Required."
        out += [".TP", names + value, text]
    return out


def synopsis(usage, commands):
    """A usage line as a synopsis: the program and the command bold, the rest as it stands."""
    words = usage.split()
    bold = [w for w in words if w == words[0] or w in commands]
    rest = words[len(bold):]
    return [".B " + roff(" ".join(bold)), " ".join(f"[\\fI{roff(w[1:-1])}\\fR]" if w[0] == "["
                                                    else f"\\fI{roff(w)}\\fR" for w in rest),
            ".br"]


def exit_status(footer):
    found = re.match(r"Exit status: (.*?)\.?$", footer)
    if not found:
        raise Failure(f"the help's footer does not give the exit status: {footer!r}")
    out = []
    for item in found.group(1).split("; "):
        status, meaning = item.split(" ", 1)
        out += [".TP", f"\\fB{status}\\fR", roff(meaning[0].upper() + meaning[1:]) + "."]
    return out


def fill(template, fields):
    text = Path(template).read_text(encoding="utf-8")
    for name, value in fields.items():
        text = text.replace(f"@{name}@", value)
    if re.search(r"@[A-Z_]+@", text):
        raise Failure(f"{template} has a field no help fills: {re.search(r'@[A-Z_]+@', text)[0]}")
    return text


def words(names):
    return " ".join(sorted(names))


def main(tool, manual_template, manual, completion_template, completion):
    program = Path(tool).name
    top = parse(tool_help(tool, "--help"))
    commands = {e.names[0]: e for e in top.sections.get("Subcommands", [])}
    if not commands:
        raise Failure(f"{program} --help lists no command")
    helps = {name: parse(tool_help(tool, name, "--help")) for name in commands}

    page = []
    for name, help_text in helps.items():
        page += [".SS " + roff(name), roff(help_text.description) + ".", ".PP",
                 ".B Usage:", roff(help_text.usage)]
        for section in ("Positionals", "Options"):
            page += option_lines(help_text.sections.get(section, []))
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", datetime.datetime.now().timestamp()))
    date = datetime.datetime.fromtimestamp(epoch, datetime.timezone.utc).strftime("%Y-%m-%d")
    version = tool_help(tool, "--version").strip()
    Path(manual).write_text(fill(manual_template, {
        "TITLE": f'.TH {program.upper()} 1 "{date}" "{roff(version)}" "User Commands"',
        "SYNOPSIS": "\n".join(sum((synopsis(h.usage, commands) for h in [top, *helps.values()]),
                                  [])),
        "DESCRIPTION": roff(top.description),
        "OPTIONS": "\n".join(option_lines(top.sections.get("Options", []))),
        "COMMANDS": "\n".join(page),
        "EXIT_STATUS": "\n".join(exit_status(top.footer)),
    }), encoding="utf-8")

    def table(pick):
        # A bash associative array's entries: each command's words, and the tool's own.
        rows = [(program, pick(top))] + [(name, pick(h)) for name, h in helps.items()]
        return "\n".join(f"        [{key}]=\"{value}\"" for key, value in rows)

    def names(help_text, wanted):
        return words(n for section in help_text.sections.values() for e in section
                     if e.names[0].startswith("-") and wanted(e) for n in e.names)

    Path(completion).write_text(fill(completion_template, {
        "COMMANDS": words(commands),
        "OPTIONS": table(lambda h: names(h, lambda e: True)),
        "FILE_OPTIONS": table(lambda h: names(h, lambda e: e.value in FILE_TYPES)),
        "VALUE_OPTIONS": table(lambda h: names(h, lambda e: e.value and e.value not in FILE_TYPES)),
        "FILE_ARGUMENTS": table(lambda h: "yes" if any(
            e.value in FILE_TYPES for e in h.sections.get("Positionals", [])) else ""),
    }), encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 6:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    try:
        main(*sys.argv[1:])
    except Failure as failure:
        print(f"from_help.py: {failure}", file=sys.stderr)
        sys.exit(1)
