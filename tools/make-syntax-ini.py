#!/usr/bin/env python3
"""Writes data/syntax.ini from the tab-separated word list (Name, TypeA, TypeB, Parameter).

Usage: make-syntax-ini.py WORDS.tsv [OBJECTS.tsv] > data/syntax.ini
Sections are numbered from 0 in the list's order; the editor colours words in
that order. Every section carries all four keys, empty ones included.

OBJECTS.tsv (the project's own data/objects.tsv) has a fifth column, Result:
the object type a member's value has, so that "Set x = y.Member(...)" types x
and "For Each x In y" gives x the Result of y's Item member. Its rows come
after the word list's rows; a row that names a member already in the word
list (same Name and TypeA, TypeB and Parameter empty) only adds its Result to
that member's section. A section gets the key "Result" only when it has one.
"""
import sys

MAX_VALUE = 2047  # the profile reader reads no more of a value


def check_value(value, where):
    """A value must read back unchanged: the reader trims blanks and takes off one pair of quotes."""
    assert value == value.strip(" \t"), f"{where}: blanks around {value!r}"
    assert not (len(value) >= 2 and value[0] in "\"'" and value[-1] == value[0]), f"{where}: quoted {value!r}"
    assert len(value) <= MAX_VALUE, f"{where}: longer than {MAX_VALUE} characters"


def read_rows(path, header):
    with open(path, encoding="ascii") as f:
        rows = [line.rstrip("\r\n").split("\t") for line in f]
    assert rows[0] == header, rows[0]
    rows = [r for r in rows[1:] if r and r[0]]
    for n, row in enumerate(rows):
        where = f"{path} row {n}"
        assert len(row) == len(header), f"{where}: {row}"
        assert row[0] != "X", f"{where}: the name X would end the table"
        for value in row:
            check_value(value, where)
    return rows


def main(words_path, objects_path=None):
    columns = ["Name", "TypeA", "TypeB", "Parameter"]
    rows = [row + [""] for row in read_rows(words_path, columns)]
    if objects_path:
        index = {(r[0], r[1]): r for r in rows}
        for name, type_a, type_b, parameter, result in read_rows(objects_path, columns + ["Result"]):
            known = index.get((name, type_a))
            if known is not None:
                assert not type_b and not parameter and not known[4], f"{name} of {type_a} is listed twice"
                known[4] = result
            else:
                row = [name, type_a, type_b, parameter, result]
                rows.append(row)
                index[(name, type_a)] = row
    out = sys.stdout
    out.write("; Tarnwick syntax table: one section per word, numbered from 0 without gaps.\r\n")
    out.write("; TypeA is Function, Statement or the object type of a member; TypeB is\r\n")
    out.write("; Function for methods; Parameter is the tip shown while the call is typed.\r\n")
    if objects_path:
        out.write("; Result, where given, is the object type of the member's value.\r\n")
    for n, (name, type_a, type_b, parameter, result) in enumerate(rows):
        out.write(f"\r\n[{n}]\r\nName={name}\r\nTypeA={type_a}\r\n"
                  f"TypeB={type_b}\r\nParameter={parameter}\r\n")
        if result:
            out.write(f"Result={result}\r\n")


if __name__ == "__main__":
    main(*sys.argv[1:3])
