#!/usr/bin/env python3
"""Writes the tree reader's seed corpus: sound_* files as Tessaly writes them (the reader
must accept them and write them back byte for byte) and damaged_* ones, each fault once."""
import json
import os
import sys

out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "corpus_tsj")
os.makedirs(out, exist_ok=True)


def s(text):
    return json.dumps(text, ensure_ascii=False)


def node(name, comment, judgements, children, indent):
    inner = indent + "  "
    text = "{\n" + inner + '"name": ' + s(name) + ",\n" + inner + '"comment": ' + s(comment) + ",\n"
    text += inner + '"judgements": [' + ", ".join(str(j) for j in judgements) + "]"
    if children:
        text += ",\n" + inner + '"children": [\n'
        text += ",\n".join(inner + "  " + node(*child, inner + "  ") for child in children) + "\n"
        text += inner + "]"
    return text + "\n" + indent + "}"


def tree(goal, alternatives):
    text = '{\n  "format": "tessaly-project",\n  "version": 2,\n  "goal": ' + node(*goal, "  ") + ",\n"
    text += '  "alternatives": [\n'
    text += ",\n".join('    {"name": ' + s(a) + ', "comment": ""}' for a in alternatives) + "\n  ]\n}\n"
    return text


def write(name, text):
    with open(os.path.join(out, name), "w", encoding="utf-8") as f:
        f.write(text)


one_child = ("Выбор", "", [2], [("X", "", [], [("X1", "", [3, 5, 2], [])]), ("Y", "", [-2, 4, 6], [])])
write("sound_one_child.tsj", tree(one_child, ["А", "Б", "В"]))
identity = ("Цель", "комментарий", [3], [
    ("A", "", [-2], [("S1", "", [2, 6, 3], []), ("S2", "", [-4, -2, 2], [])]),
    ("B", "", [4], [("S1", "", [2, 6, 3], []), ("S2", "", [-4, -2, 2], [])])])
write("sound_identity.tsj", tree(identity, ["X", "Y", "Z"]))
write("sound_missing_pairs.tsj", tree(("Цель", "", [0, 3, 0], [
    ("П", "", [0, 0, 0], []), ("Q", "", [1, 1, 1], []), ("R", "", [9, -9, 5], [])]), ["a", "b", "c"]))
write("damaged_length.tsj", tree(("Цель", "", [2, 1], [("X", "", [1, 1, 1], []), ("Y", "", [1, 1, 1], [])]),
                                 ["a", "b", "c"]))
write("damaged_version.tsj", tree(one_child, ["А", "Б", "В"]).replace('"version": 2', '"version": 3'))
write("damaged_nesting.tsj", "[" * 40 + "]" * 40)
write("damaged_duplicate.tsj", tree(one_child, ["А", "А", "В"]))
write("damaged_code.tsj", tree(one_child, ["А", "Б", "В"]).replace("[3, 5, 2]", "[3, 5, 12]"))
