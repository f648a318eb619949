#!/usr/bin/env python3
"""What the released programs contain besides Plessard's own code, and how it is licensed.

    third_party.py notices BUILD OUT
        OUT: the notices of the Windows programs in BUILD (CR LF): each component compiled into
        them, its version and its licence in full, from the copyright file of the Debian package
        that supplied it.
    third_party.py spdx BUILD FOLDER VERSION OUT
        OUT: the SPDX 2.3 bill of materials of the archive whose files are staged in FOLDER.
    third_party.py check-spdx SBOM FOLDER
        Checks a bill of materials against the unpacked archive in FOLDER.
    third_party.py deb-copyright OWN CLI11_DIR OUT
        OUT: the Debian package's copyright file, OWN followed by a paragraph for CLI11, whose
        headers (the CMake package in CLI11_DIR) are compiled into the tool.

The components of a Windows program are read from its linker map (PROGRAM.exe.map, beside it in
BUILD): every library member that went in belongs to a Debian package, and each package must be
one named below; the header-only CLI11 is the CMake package the build found. A package without
its copyright file, or whose copyright no longer says what the licence below assumes, fails.
"""

import datetime
import hashlib
import json
import os
import re
import subprocess
import sys
import textwrap
from dataclasses import dataclass, field
from pathlib import Path

PROGRAMS = ("plessard-macro-io.exe", "plessard-macro.exe")
SPDX_LICENSES = Path("/usr/share/nodejs/spdx-license-ids/index.json")
SPDX_EXCEPTIONS = Path("/usr/share/nodejs/spdx-exceptions/index.json")
OWN_COPYRIGHT = Path(__file__).resolve().parent / "debian" / "copyright"


class Failure(Exception):
    """What stops the release, said in one line."""


@dataclass(frozen=True)
class Component:
    key: str  # the SPDX identifier's tail
    name: str
    packages: tuple  # the Debian packages that supply it
    members: str  # a pattern of the library files of those packages that are this component
    license: str  # SPDX expression
    license_comment: str
    originator: str
    must_say: tuple  # texts the copyright file must hold for the licence above to be right
    common_licenses: tuple = ()  # texts the copyright file refers to instead of holding them


COMPONENTS = (
    Component(
        "CLI11", "CLI11", ("libcli11-dev",), r"$^", "BSD-3-Clause",
        "A header-only library: its code is compiled into the program.",
        "Organization: CLIUtils", ("License: BSD-3-clause",
                                   "Redistributions in binary form must reproduce")),
    Component(
        "mingw-w64-runtime", "mingw-w64 runtime", ("mingw-w64-x86-64-dev",),
        r"(?!lib(win)?pthread\.a$)", "ZPL-2.1",
        "ZPL-2.1 is the licence of the mingw-w64 project; most of its runtime is in the public "
        "domain and a few files are under other permissive licences, all of them in NOTICES.txt.",
        "Organization: mingw-w64 project", ("Files: *\nCopyright: ", "License: ZPL-2.1",
                                            "Files: mingw-w64-crt/")),
    Component(
        "winpthreads", "winpthreads", ("mingw-w64-x86-64-dev",), r"lib(win)?pthread\.a$",
        "MIT AND BSD-3-Clause",
        "MIT (Debian's expat) for the library, BSD-3-Clause for pthread.h and dll_math.c; "
        "clock.c and nanosleep.c are in the public domain.",
        "Organization: mingw-w64 project", ("Files: mingw-w64-libraries/winpthreads/*\n"
                                            "Copyright: 2011-2016 mingw-w64 project\n"
                                            "License: expat", "License: BSD-3-clause-Lockless")),
    Component(
        "gcc-runtime", "GCC runtime libraries (libstdc++, libgcc)",
        ("gcc-mingw-w64-x86-64-posix", "g++-mingw-w64-x86-64-posix"), r"",
        "GPL-3.0-or-later WITH GCC-exception-3.1",
        "Linked under the GCC Runtime Library Exception 3.1, which lets the programs be "
        "conveyed under terms of Plessard's choice.",
        "Organization: Free Software Foundation",
        ("GCC RUNTIME LIBRARY EXCEPTION\n\nVersion 3.1", "libstdc++-v3",
         "/usr/share/common-licenses/GPL-3"), ("GPL-3",)),
)


@dataclass
class Supply:
    """A Debian package as the build used it."""
    package: str
    version: str
    homepage: str
    copyright: str


@dataclass
class Used:
    """A component and the programs it is compiled into."""
    component: Component
    supplies: list
    programs: list = field(default_factory=list)

    @property
    def version(self):
        # The upstream version: no epoch, no Debian revision, no repack suffix.
        return re.match(r"(?:\d+:)?(\d[\d.]*\d)", self.supplies[0].version).group(1)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def supply(package):
    try:
        fields = run("dpkg-query", "-W", "-f=${Version}\\t${Homepage}", package).split("\t")
    except subprocess.CalledProcessError:
        raise Failure(f"the Debian package {package} is not installed") from None
    copyright_file = Path("/usr/share/doc") / package / "copyright"
    if not copyright_file.is_file():
        raise Failure(f"{copyright_file} is missing: no notice for {package}")
    return Supply(package, fields[0], fields[1], copyright_file.read_text(encoding="utf-8"))


def owning_package(path):
    try:
        return run("dpkg-query", "-S", path).split(":")[0]
    except subprocess.CalledProcessError:
        raise Failure(f"{path}, which the build used, belongs to no Debian package") from None


def linked_files(map_file):
    """The files outside the build whose code went into a program: archives a member was taken
    from and objects loaded whole."""
    text = map_file.read_text(encoding="utf-8", errors="replace")
    found = set(re.findall(r"(?<!\S)(/[^\s()]+\.a)\(", text))
    found |= set(re.findall(r"^LOAD (/\S+\.o)$", text, re.M))
    return sorted({os.path.realpath(path) for path in found})


def cmake_cache(build, name):
    cache = (Path(build) / "CMakeCache.txt").read_text(encoding="utf-8")
    found = re.search(rf"^{name}:\w+=(.*)$", cache, re.M)
    if not found:
        raise Failure(f"{build}/CMakeCache.txt names no {name}")
    return found.group(1)


def components(build):
    """Every component of the Windows programs in BUILD, in the order of COMPONENTS."""
    packages = {}
    used = {}

    def use(component, program):
        if component.key not in used:
            supplies = [packages.setdefault(p, supply(p)) for p in component.packages]
            for text in component.must_say:
                if not any(text in s.copyright for s in supplies):
                    raise Failure(f"the copyright of {component.packages[0]} no longer says "
                                  f"{text!r}: look at {component.name}'s licence again")
            used[component.key] = Used(component, supplies)
        if program not in used[component.key].programs:
            used[component.key].programs.append(program)

    for program in PROGRAMS:
        map_file = Path(build) / (program + ".map")
        if not map_file.is_file():
            raise Failure(f"{map_file} is missing: the build's linker map tells what went in")
        for path in linked_files(map_file):
            package = owning_package(path)
            matches = [c for c in COMPONENTS if package in c.packages
                       and re.match(c.members, os.path.basename(path))]
            if not matches:
                raise Failure(f"{program} contains {path} of the Debian package {package}, "
                              "which third_party.py has no notice for")
            use(matches[0], program)
    cli11 = owning_package(cmake_cache(build, "CLI11_DIR"))
    use(next(c for c in COMPONENTS if cli11 in c.packages), "plessard-macro.exe")
    return [used[c.key] for c in COMPONENTS if c.key in used]


def notices(build, out):
    found = components(build)
    lines = ["Notices of the components compiled into the programs",
             "====================================================", "",
             "plessard-macro-io.exe and plessard-macro.exe contain, besides Plessard's own code,",
             "the components below, taken from the Debian packages named with them. The licence",
             "of each follows in full, as the copyright file of its Debian package states it.", ""]
    for used in found:
        lines += [f"{used.component.name} {used.version}",
                  f"    in:       {', '.join(used.programs)}",
                  f"    licence:  {used.component.license}",
                  "    from:     " + ", ".join(f"{s.package} {s.version}" for s in used.supplies)]
        lines += textwrap.wrap(used.component.license_comment, 88, initial_indent="    note:     ",
                               subsequent_indent=" " * 14) + [""]
    printed = set()
    for used in found:
        for s in used.supplies:
            if s.copyright in printed:
                continue
            printed.add(s.copyright)
            names = [u.component.name for u in found if s.copyright in
                     (t.copyright for t in u.supplies)]
            title = f"{' and '.join(names)}: /usr/share/doc/{s.package}/copyright"
            lines += ["", title, "-" * len(title), "", s.copyright.rstrip("\n")]
        for name in used.component.common_licenses:
            text = Path("/usr/share/common-licenses", name)
            if not text.is_file():
                raise Failure(f"{text} is missing: {used.component.name}'s licence in full")
            title = f"{used.component.name}: {text}"
            lines += ["", title, "-" * len(title), "", text.read_text(encoding="utf-8").rstrip()]
    body = "\n".join(line.rstrip() for line in "\n".join(lines).split("\n")) + "\n"
    Path(out).write_text(body.replace("\t", "        "), encoding="utf-8", newline="\r\n")


def sums(path):
    data = Path(path).read_bytes()
    return [{"algorithm": "SHA1", "checksumValue": hashlib.sha1(data).hexdigest()},
            {"algorithm": "SHA256", "checksumValue": hashlib.sha256(data).hexdigest()}]


def own_license():
    """Plessard's own licence: the text of the package copyright's Files: * paragraph."""
    text = OWN_COPYRIGHT.read_text(encoding="utf-8")
    found = re.search(r"^Files: \*\n(?:.+\n)*?License: (\S+)\n((?: .*\n)+)", text, re.M)
    if not found:
        raise Failure(f"{OWN_COPYRIGHT} has no licence for Files: *")
    lines = [line[1:] for line in found.group(2).splitlines()]
    return found.group(1), "\n".join("" if line == "." else line for line in lines)


def released_at():
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        raise Failure("SOURCE_DATE_EPOCH is not set: the bill of materials takes the commit's time")
    moment = datetime.datetime.fromtimestamp(int(epoch), datetime.timezone.utc)
    return moment.strftime("%Y-%m-%dT%H:%M:%SZ")


def spdx(build, folder, version, out):
    found = components(build)
    license_name, license_text = own_license()
    own_license_id = f"LicenseRef-Plessard-{license_name}"
    name = f"plessard-macro-{version}-windows-x64"
    document = {
        "spdxVersion": "SPDX-2.3",
        "dataLicense": "CC0-1.0",
        "SPDXID": "SPDXRef-DOCUMENT",
        "name": name,
        "creationInfo": {"created": released_at(),
                         "creators": ["Organization: Plessard", "Tool: scripts/release.sh"]},
        "packages": [{
            "SPDXID": "SPDXRef-Package-archive",
            "name": "Plessard Macro File IO for Windows x64",
            "versionInfo": version,
            "packageFileName": f"{name}.zip",
            "supplier": "Organization: Plessard",
            "downloadLocation": "NOASSERTION",
            "filesAnalyzed": False,
            "licenseConcluded": own_license_id,
            "licenseDeclared": own_license_id,
            "copyrightText": "Copyright 2026 Plessard",
        }],
        "files": [],
        "hasExtractedLicensingInfos": [{"licenseId": own_license_id, "name": "Plessard",
                                        "extractedText": license_text}],
        "relationships": [{"spdxElementId": "SPDXRef-DOCUMENT", "relationshipType": "DESCRIBES",
                           "relatedSpdxElement": "SPDXRef-Package-archive"}],
    }
    for program in PROGRAMS:
        program_id = "SPDXRef-File-" + program.replace(".exe", "")
        document["files"].append({
            "SPDXID": program_id, "fileName": f"./{program}", "fileTypes": ["BINARY"],
            "checksums": sums(Path(folder) / program), "licenseConcluded": own_license_id,
            "copyrightText": "Copyright 2026 Plessard"})
        document["relationships"].append({
            "spdxElementId": "SPDXRef-Package-archive", "relationshipType": "CONTAINS",
            "relatedSpdxElement": program_id})
    for used in found:
        package_id = f"SPDXRef-Package-{used.component.key}"
        first = used.supplies[0]
        entry = {
            "SPDXID": package_id, "name": used.component.name, "versionInfo": used.version,
            "supplier": "Organization: Debian", "originator": used.component.originator,
            "downloadLocation": "NOASSERTION", "filesAnalyzed": False,
            "sourceInfo": "from Debian: " + ", ".join(
                f"{s.package} {s.version}" for s in used.supplies),
            "licenseConcluded": used.component.license,
            "licenseDeclared": used.component.license,
            "licenseComments": used.component.license_comment,
            "copyrightText": "NOASSERTION",
            "externalRefs": [{
                "referenceCategory": "PACKAGE-MANAGER", "referenceType": "purl",
                "referenceLocator": f"pkg:deb/debian/{s.package}@"
                                    f"{s.version.replace('+', '%2B').replace(':', '%3A')}"
                                    "?distro=debian-12"} for s in used.supplies],
        }
        if first.homepage:
            entry["homepage"] = first.homepage
        document["packages"].append(entry)
        for program in used.programs:
            document["relationships"].append({
                "spdxElementId": "SPDXRef-File-" + program.replace(".exe", ""),
                "relationshipType": "STATIC_LINK", "relatedSpdxElement": package_id})
    # The namespace is unique to what the document says, and says nothing of the clock.
    digest = hashlib.sha256(json.dumps(document, sort_keys=True).encode()).hexdigest()
    document["documentNamespace"] = f"https://plessard.example/spdx/{name}-{digest}"
    Path(out).write_text(json.dumps(document, indent=2, ensure_ascii=False) + "\n",
                         encoding="utf-8")


def license_ids(expression):
    return [word for word in re.split(r"[\s()]+", expression)
            if word and word not in ("AND", "OR", "WITH")]


def check_spdx(sbom, folder):
    try:
        document = json.loads(Path(sbom).read_text(encoding="utf-8"))
    except ValueError as error:
        raise Failure(f"{sbom} is not JSON: {error}") from None
    problems = []
    expect = {"spdxVersion": "SPDX-2.3", "dataLicense": "CC0-1.0", "SPDXID": "SPDXRef-DOCUMENT"}
    problems += [f"{k} is not {v}" for k, v in expect.items() if document.get(k) != v]
    if document.get("creationInfo", {}).get("created") != released_at():
        problems.append("it is not dated at the commit's time (SOURCE_DATE_EPOCH)")
    if not re.fullmatch(r"https://[^#\s]+", document.get("documentNamespace", "")):
        problems.append("its documentNamespace is no URI without #")
    known = {"SPDXRef-DOCUMENT"}
    for package in document.get("packages", []):
        missing = {"SPDXID", "name", "versionInfo", "supplier", "downloadLocation",
                   "licenseDeclared", "licenseConcluded", "copyrightText"} - package.keys()
        problems += [f"package {package.get('name')} has no {m}" for m in sorted(missing)]
        known.add(package.get("SPDXID"))
    refs = {x["licenseId"] for x in document.get("hasExtractedLicensingInfos", [])
            if x.get("extractedText")}
    spdx_ids = set(json.loads(SPDX_LICENSES.read_text()))
    exceptions = set(json.loads(SPDX_EXCEPTIONS.read_text()))
    for element in document.get("packages", []) + document.get("files", []):
        for key in ("licenseDeclared", "licenseConcluded"):
            for word in license_ids(element.get(key, "NOASSERTION")):
                if not (word in spdx_ids or word in exceptions or word in refs
                        or word == "NOASSERTION"):
                    problems.append(f"{element['SPDXID']}: {word} is no SPDX licence")
    described = set()
    for entry in document.get("files", []):
        known.add(entry["SPDXID"])
        path = Path(folder) / entry["fileName"]
        described.add(path.name)
        if not path.is_file():
            problems.append(f"{entry['fileName']} is not in the archive")
        elif sorted(entry.get("checksums", []), key=lambda c: c["algorithm"]) != sums(path):
            problems.append(f"the sums of {entry['fileName']} do not match the file")
    exes = {p.name for p in Path(folder).glob("*.exe")}
    problems += [f"{p} is not described" for p in sorted(exes - described)]
    linked = set()
    for relation in document.get("relationships", []):
        for key in ("spdxElementId", "relatedSpdxElement"):
            if relation[key] not in known:
                problems.append(f"a relationship names {relation[key]}, which is not defined")
        if relation["relationshipType"] == "STATIC_LINK":
            linked.add(relation["relatedSpdxElement"])
    components_ids = {p["SPDXID"] for p in document.get("packages", [])} - {
        r["relatedSpdxElement"] for r in document.get("relationships", [])
        if r["relationshipType"] == "DESCRIBES"}
    problems += [f"{c} is in no program" for c in sorted(components_ids - linked)]
    if problems:
        raise Failure(f"{sbom}: " + "; ".join(problems))


def deb_copyright(own, cli11_dir, out):
    package = owning_package(cli11_dir)
    s = supply(package)
    paragraphs = s.copyright.split("\n\n")
    files = next((p for p in paragraphs if p.startswith("Files: *\n")), None)
    if files is None:
        raise Failure(f"the copyright of {package} has no Files: * paragraph")
    holder = re.search(r"^Copyright: (.*(?:\n .*)*)", files, re.M).group(1)
    license_name = re.search(r"^License: (\S+)", files, re.M).group(1)
    text = next((p for p in paragraphs if p.startswith(f"License: {license_name}\n")), None)
    if text is None:
        raise Failure(f"the copyright of {package} has no text of {license_name}")
    version = re.match(r"(?:\d+:)?(\d[\d.]*\d)", s.version).group(1)
    own_text = Path(own).read_text(encoding="utf-8").rstrip("\n")
    Path(out).write_text(
        f"{own_text}\n\nFiles: CLI/*\nCopyright: {holder}\nLicense: {license_name}\n"
        f"Comment: CLI11 {version}, from Debian's {package} {s.version}: its headers are\n"
        " compiled into /usr/bin/plessard-macro.\n\n"
        + "\n".join(line.rstrip() for line in text.rstrip().split("\n")) + "\n", encoding="utf-8")


def main(argv):
    commands = {"notices": (notices, 2), "spdx": (spdx, 4), "check-spdx": (check_spdx, 2),
                "deb-copyright": (deb_copyright, 3)}
    if len(argv) < 2 or argv[1] not in commands or len(argv) - 2 != commands[argv[1]][1]:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        commands[argv[1]][0](*argv[2:])
    except Failure as failure:
        print(f"third_party.py: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
