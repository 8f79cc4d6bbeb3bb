#!/usr/bin/env python3
"""Writes the seed inputs of the keys, paste and number fuzz targets from the
key sequence tables of the tests and a few texts of each kind. The state
target's seeds are the calculations the keys seeds end in: run
`QUILLON_FUZZ_SAVE_STATES=tests/fuzz/corpus/state build-fuzz/tests/fuzz/fuzz_keys tests/fuzz/corpus/keys/*`.

    tests/fuzz/seeds.py        (from the repository's root)
"""
import hashlib
import pathlib
import re
import xml.etree.ElementTree as ElementTree

root = pathlib.Path(__file__).resolve().parents[2]
corpus = root / "tests/fuzz/corpus"
TURN_PAGE = 0xF0


def page_keys():
    """Object names of each calculator page's keys, sorted as the targets sort them."""
    form = ElementTree.parse(root / "src/mainwindow.ui")
    stack = next(w for w in form.iter("widget") if w.get("name") == "stackedWidget")
    pages = [w for w in stack.findall("widget")][:2]
    return [sorted(b.get("name") for b in page.iter("widget")
                   if b.get("class") == "QPushButton" and b.get("name").startswith("btn")) for page in pages]


def harness_names():
    text = (root / "tests/calculatorharness.h").read_text()
    tables = re.findall(r"QHash<QString, QString> (\w+) = \{(.*?)\};", text, re.S)
    return [dict(re.findall(r'\{"([^"]+)", "([^"]+)"\}', body)) for name, body in tables if name != "labels"]


def rows(header, constants):
    """Key columns of the rows whose keys are literals and named constants."""
    text = (root / header).read_text()
    for match in re.finditer(r'newRow\("[^"]*"\)\s*<<\s*((?:[^<;]|<(?!<))*?)\s*<<', text):
        parts = re.split(r"\s*\+\s*", match.group(1).strip())
        keys = []
        for part in parts:
            if part.startswith('"') and part.endswith('"'):
                keys.append(part[1:-1])
            elif part in constants:
                keys.append(constants[part])
            else:
                break
        else:
            yield "".join(keys)


def encode(keys, page, names, order):
    data = bytearray([TURN_PAGE] if page == 0 else [])
    for token in keys.split():
        tokens = list(token) if re.fullmatch(r"[0-9.]+", token) and len(token) > 1 else [token]
        for name in tokens:
            for object_name in names.get(name, name).split():
                data.append(order.index(object_name))
    return bytes(data)


def write(folder, data):
    folder.mkdir(parents=True, exist_ok=True)
    (folder / hashlib.sha1(data).hexdigest()).write_bytes(data)


def main():
    order = page_keys()
    standard_names, scientific_names = harness_names()
    constants = {"toHex": "shift hex", "toOct": "shift bin", "toBin": "bin", "radians": "shift deg"}
    for header, page, names in (("tests/standardsequences.h", 0, standard_names),
                                ("tests/scientificsequences.h", 1, scientific_names)):
        for keys in rows(header, constants):
            try:
                write(corpus / "keys", encode(keys, page, names, order[page]))
            except ValueError:
                pass  # a key of another page or a token of its own
    for text in ["12", "-3.5", "1e5", "1E-3", "FF", "ff", " 7 ", "+2", "1,5", "0x1F", "", "abc", "12.", ".5",
                 "1" * 30, "-", "1e999999999", "\u0663", "101", "777", "-FFFFFFFF", "1e", "inf", "nan"]:
        for start in range(8):
            write(corpus / "paste", bytes([start]) + text.encode())
    for text in ["12E3", "7E", "2E-", "1e+14", "inf", "-inf", "nan", ".5", "-0", "1.5e-3", "0.1",
                 "1e999999999999", "1e-400000000", "123456789012345678901234567890", "-2.5e-06", "3e0", "1/3"]:
        write(corpus / "number", text.encode())


if __name__ == "__main__":
    main()
