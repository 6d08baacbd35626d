#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The shipped word list and the dictionary generated from it."""

import html
import os
import re
import runpy
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
LIST = os.path.join(ROOT, "data", "wordlist", "exam-words.txt")
DICTIONARY = os.path.join(ROOT, "data", "XML", "gre.xml")
CONFUSABLES = os.path.join(ROOT, "data", "XML", "gre.confusables.tsv")
TOOL = os.path.join(ROOT, "tools", "make-dictionary")
WORDNET = "/usr/share/wordnet"
# Well-known look-alikes of one part of speech, both in the list, in pairs.
LOOKALIKES = """eminent imminent complacent complaisant discrete discreet venal venial ingenious
ingenuous flout flaunt adverse averse elude allude exalt exult abrogate arrogate appraise apprise
turbid turgid militate mitigate""".split()


def listed_words():
    with open(LIST, encoding="utf-8") as f:
        lines = [line.strip() for line in f if line.strip() and not line.startswith("#")]
    return [line.split("|")[0].split(":")[0].strip() for line in lines]


def dictionary_entries():
    with open(DICTIONARY, "rb") as f:
        text = f.read().decode("utf-8")
    field = lambda tag: [html.unescape(t) for t in re.findall(f"<{tag}>(.*?)</{tag}>", text)]
    return list(zip(field("word"), field("meaning"), field("usage")))


def shows_word(word, usage):
    """Whether the usage has the word in some form: every word of a phrase, each allowed a
    regular ending after its stem ("abate" in "abating", "ally" in "allies")."""
    tokens = re.findall(r"[a-z]+", usage.lower())
    for part in re.findall(r"[a-z]+", word.lower()):
        stem = part[:-1] if len(part) > 3 and part[-1] in "ey" else part
        if not any(t == part or (t.startswith(stem) and len(t) - len(stem) <= 4)
                   for t in tokens):
            return False
    return True


class ExamWordsTest(unittest.TestCase):
    def test_list_is_alphabetical_without_repeats(self):
        words = listed_words()
        keys = [w.lower() for w in words]
        self.assertEqual(keys, sorted(keys))
        self.assertEqual(len(keys), len(set(keys)))
        self.assertGreaterEqual(len(words), 1500)

    def test_dictionary_has_the_listed_words_in_their_order(self):
        about, *entries = dictionary_entries()
        self.assertIn("WordNet 3.0", about[2])
        self.assertEqual([w for w, _, _ in entries], listed_words())

    def test_wordnet_licence_ships_beside_the_dictionary(self):
        # WordNet's licence asks for its notice and disclaimer on every copy.
        with open(os.path.join(ROOT, "data", "XML", "WORDNET-LICENSE.txt"),
                  encoding="utf-8") as f:
            notice = " ".join(f.read().split())
        self.assertIn("WordNet 3.0 Copyright 2006 by Princeton University. All rights reserved.",
                      notice)
        self.assertIn('THIS SOFTWARE AND DATABASE IS PROVIDED "AS IS"', notice)
        self.assertIn("WORDNET-LICENSE.txt", dictionary_entries()[0][2])

    def test_usages_show_the_word(self):
        _, *entries = dictionary_entries()
        missing = [w for w, _, u in entries if not shows_word(w, u)]
        self.assertLessEqual(len(missing), len(entries) * 0.02, missing)

    def test_shows_word_tells_forms_from_other_words(self):
        self.assertTrue(shows_word("abate", "The storm was abating."))
        self.assertTrue(shows_word("ally", "Our allies came."))
        self.assertTrue(shows_word("ad hoc", "An ad hoc committee met."))
        self.assertFalse(shows_word("abate", "The storm let up."))
        self.assertFalse(shows_word("ad hoc", "An ad committee met."))

    @unittest.skipUnless(os.path.exists(os.path.join(WORDNET, "index.noun")),
                         "WordNet is not installed (package wordnet-base)")
    def test_wrong_choices_are_of_the_words_kind_and_differ_in_meaning(self):
        tool = runpy.run_path(TOOL)
        wordnet = tool["WordNet"](WORDNET)
        synonyms = {e.word: {f.lower().replace("_", " ") for f, _ in
                             tool["choose_sense"](wordnet, e)["synset"]["words"]}
                    for e in tool["read_list"](LIST)}
        meaning = {w: m for w, m, _ in dictionary_entries()[1:]}
        with open(CONFUSABLES, "rb") as f:
            header, *lines = f.read().decode("utf-8").split("\r\n")
        self.assertTrue(header.startswith("# ") and lines.pop() == "")
        rows = [line.split("\t") for line in lines]
        self.assertEqual([word for word, *_ in rows], list(meaning))
        for word, *choices in rows:
            shown = [meaning[word]] + [meaning[c] for c in choices]
            # One part of speech; no meaning twice, so none is the word's own; no synonym.
            self.assertEqual({m.split(")")[0] for m in shown}, {shown[0].split(")")[0]}, word)
            self.assertEqual(len(set(shown)), len(shown), word)
            self.assertGreaterEqual(len(choices), 4, word)
            self.assertFalse([c for c in choices if c.lower() in synonyms[word]
                              or word.lower() in synonyms[c]], word)
        self.assertGreaterEqual(sum(len(row) > 8 for row in rows), 0.95 * len(rows))
        first = {word: choices[:8] for word, *choices in rows}
        for a, b in zip(LOOKALIKES[::2], LOOKALIKES[1::2]):
            self.assertTrue(b in first[a] and a in first[b], (a, b))

    @unittest.skipUnless(os.path.exists(os.path.join(WORDNET, "index.noun")),
                         "WordNet is not installed (package wordnet-base)")
    def test_dictionary_is_what_the_generator_makes(self):
        with tempfile.TemporaryDirectory() as folder:
            output = os.path.join(folder, "gre.xml")
            result = subprocess.run([sys.executable, TOOL, "--output", output],
                                    capture_output=True, text=True)
            self.assertEqual(result.returncode, 0, result.stderr)
            for made, shipped in [(output, DICTIONARY),
                                  (os.path.join(folder, "gre.confusables.tsv"), CONFUSABLES)]:
                with open(made, "rb") as made_file, open(shipped, "rb") as shipped_file:
                    self.assertTrue(made_file.read() == shipped_file.read(),
                                    f"{shipped} differs from what tools/make-dictionary makes")


if __name__ == "__main__":
    unittest.main()
