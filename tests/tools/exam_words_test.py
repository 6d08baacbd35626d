#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The shipped word list and the dictionary generated from it."""

import html
import os
import re
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
LIST = os.path.join(ROOT, "data", "wordlist", "exam-words.txt")
DICTIONARY = os.path.join(ROOT, "data", "XML", "gre.xml")
WORDNET = "/usr/share/wordnet"


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
    def test_dictionary_is_what_the_generator_makes(self):
        with tempfile.TemporaryDirectory() as folder:
            output = os.path.join(folder, "gre.xml")
            result = subprocess.run([sys.executable, os.path.join(ROOT, "tools", "make-dictionary"),
                                     "--output", output], capture_output=True, text=True)
            self.assertEqual(result.returncode, 0, result.stderr)
            with open(output, "rb") as made, open(DICTIONARY, "rb") as shipped:
                self.assertTrue(made.read() == shipped.read(),
                                "data/XML/gre.xml differs from what tools/make-dictionary makes")


if __name__ == "__main__":
    unittest.main()
