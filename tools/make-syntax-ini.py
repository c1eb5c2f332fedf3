#!/usr/bin/env python3
"""Writes data/syntax.ini from the tab-separated word list (Name, TypeA, TypeB, Parameter).

Usage: make-syntax-ini.py WORDS.tsv > data/syntax.ini
Sections are numbered from 0 in the list's order; the editor colours words in
that order. Every section carries all four keys, empty ones included.
"""
import sys

MAX_VALUE = 2047  # the profile reader reads no more of a value


def check_value(value, where):
    """A value must read back unchanged: the reader trims blanks and takes off one pair of quotes."""
    assert value == value.strip(" \t"), f"{where}: blanks around {value!r}"
    assert not (len(value) >= 2 and value[0] in "\"'" and value[-1] == value[0]), f"{where}: quoted {value!r}"
    assert len(value) <= MAX_VALUE, f"{where}: longer than {MAX_VALUE} characters"


def main(path):
    with open(path, encoding="ascii") as f:
        rows = [line.rstrip("\r\n").split("\t") for line in f]
    header, rows = rows[0], [r for r in rows[1:] if r and r[0]]
    assert header == ["Name", "TypeA", "TypeB", "Parameter"], header
    for n, row in enumerate(rows):
        assert len(row) == 4, f"row {n}: {row}"
        assert row[0] != "X", f"row {n}: the name X would end the table"
        for value in row:
            check_value(value, f"row {n}")
    out = sys.stdout
    out.write("; Tarnwick syntax table: one section per word, numbered from 0 without gaps.\r\n")
    out.write("; TypeA is Function, Statement or the object type of a member; TypeB is\r\n")
    out.write("; Function for methods; Parameter is the tip shown while the call is typed.\r\n")
    for n, (name, type_a, type_b, parameter) in enumerate(rows):
        out.write(f"\r\n[{n}]\r\nName={name}\r\nTypeA={type_a}\r\n"
                  f"TypeB={type_b}\r\nParameter={parameter}\r\n")


if __name__ == "__main__":
    main(sys.argv[1])
