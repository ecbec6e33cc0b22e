#!/usr/bin/env python3
"""Turns a readable form description (see resources/form1.txt) into the binary stream the
program reads: make_form_description.py SOURCE OUTPUT.

Records are "Name : Class { properties and child records }"; a property is "Path tag value",
where tag names the stored value type and decides the exact bytes:
  int8 / int16 / int32 / int64 N, double X, string "text", utf8string "text", ident Name,
  false, true, nil, set [a, b], list [tag value, ...]
"""
import re
import struct
import sys

TAGS = {
    "null": 0, "list": 1, "int8": 2, "int16": 3, "int32": 4, "string": 6, "ident": 7,
    "false": 8, "true": 9, "set": 11, "nil": 13, "int64": 19, "utf8string": 20, "double": 21,
}
TOKEN = re.compile(r'\s*("(?:[^"\\]|\\.)*"|[{}\[\],:]|[^\s{}\[\],:"]+)')


def tokenize(text):
    tokens = []
    for line in text.splitlines():
        if line.lstrip().startswith("#"):
            continue
        pos = 0
        while pos < len(line):
            if line[pos:].strip() == "":
                break
            m = TOKEN.match(line, pos)
            if not m:
                raise SystemExit(f"cannot read: {line[pos:]!r}")
            tokens.append(m.group(1))
            pos = m.end()
        tokens.append("\n")
    return tokens


class Parser:
    def __init__(self, tokens):
        self.tokens = tokens
        self.pos = 0

    def peek(self):
        while self.tokens[self.pos] == "\n":
            self.pos += 1
        return self.tokens[self.pos]

    def take(self, expected=None):
        tok = self.peek()
        if expected is not None and tok != expected:
            raise SystemExit(f"expected {expected!r}, found {tok!r}")
        self.pos += 1
        return tok


def short_string(text):
    data = text.encode("utf-8")
    if len(data) > 255:
        raise SystemExit(f"name too long: {text}")
    return bytes([len(data)]) + data


def unquote(tok):
    if not (tok.startswith('"') and tok.endswith('"')):
        raise SystemExit(f"expected a quoted text, found {tok!r}")
    return re.sub(r"\\(.)", r"\1", tok[1:-1])


def value(p):
    tag = p.take()
    if tag not in TAGS:
        raise SystemExit(f"unknown value tag {tag!r}")
    out = bytes([TAGS[tag]])
    if tag in ("int8", "int16", "int32", "int64"):
        fmt = {"int8": "<b", "int16": "<h", "int32": "<i", "int64": "<q"}[tag]
        out += struct.pack(fmt, int(p.take()))
    elif tag == "double":
        out += struct.pack("<d", float(p.take()))
    elif tag == "string":
        data = unquote(p.take()).encode("cp1252")
        if len(data) > 255:
            raise SystemExit("string too long for a short string; use utf8string")
        out += bytes([len(data)]) + data
    elif tag == "utf8string":
        data = unquote(p.take()).encode("utf-8")
        out += struct.pack("<I", len(data)) + data
    elif tag == "ident":
        out += short_string(p.take())
    elif tag == "set":
        p.take("[")
        while p.peek() != "]":
            out += short_string(p.take())
            if p.peek() == ",":
                p.take(",")
        p.take("]")
        out += b"\x00"
    elif tag == "list":
        p.take("[")
        while p.peek() != "]":
            out += value(p)
            if p.peek() == ",":
                p.take(",")
        p.take("]")
        out += b"\x00"
    return out


def record(p):
    name = p.take()
    p.take(":")
    cls = p.take()
    p.take("{")
    props, children = b"", b""
    while p.peek() != "}":
        first = p.take()
        if p.peek() == ":":
            p.pos -= 1
            children += record(p)
        else:
            props += short_string(first) + value(p)
    p.take("}")
    return short_string(cls) + short_string(name) + props + b"\x00" + children + b"\x00"


def main():
    if len(sys.argv) != 3:
        raise SystemExit("usage: make_form_description.py SOURCE OUTPUT")
    with open(sys.argv[1], encoding="utf-8") as f:
        parser = Parser(tokenize(f.read()) + [""])
    data = b"KWD0" + record(parser)
    if parser.peek() != "":
        raise SystemExit(f"unexpected {parser.peek()!r} after the root record")
    with open(sys.argv[2], "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
