#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The shipped word list and the dictionary and wrong choices generated from it."""

import collections
import html
import importlib.machinery
import os
import re
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
DATA = os.path.join(ROOT, "data", "XML")
TOOL = os.path.join(ROOT, "tools", "make-dictionary")
# Well-known look-alikes of one part of speech, both in the list, in pairs.
LOOKALIKES = """eminent imminent complacent complaisant discrete discreet venal venial ingenious
ingenuous flout flaunt elude allude exalt exult abrogate arrogate appraise apprise
turbid turgid militate mitigate""".split()


def load_tool():
    loader = importlib.machinery.SourceFileLoader("make_dictionary", TOOL)
    tool = type(sys)(loader.name)
    tool.__file__ = TOOL
    loader.exec_module(tool)
    return tool


def read_pairs(name):
    with open(os.path.join(ROOT, "data", "wordlist", name), encoding="utf-8") as f:
        return [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")
                and line.strip()]


def dictionary_entries():
    with open(os.path.join(DATA, "gre.xml"), "rb") as f:
        text = f.read().decode("utf-8")
    field = lambda tag: [html.unescape(t) for t in re.findall(f"<{tag}>(.*?)</{tag}>", text)]
    return list(zip(field("word"), field("meaning"), field("usage")))


class ExamWordsTest(unittest.TestCase):
    def test_list_is_alphabetical_without_repeats_and_the_licence_ships(self):
        with open(os.path.join(ROOT, "data", "wordlist", "exam-words.txt"), encoding="utf-8") as f:
            keys = [line.split("|")[0].split(":")[0].strip().lower() for line in f
                    if line.strip() and not line.startswith("#")]
        self.assertEqual(keys, sorted(set(keys)))
        self.assertGreaterEqual(len(keys), 1500)
        # WordNet's licence asks for its notice and disclaimer on every copy.
        with open(os.path.join(DATA, "WORDNET-LICENSE.txt"), encoding="utf-8") as f:
            self.assertIn('2006 by Princeton University. All rights reserved. THIS SOFTWARE AND '
                          'DATABASE IS PROVIDED "AS IS"', " ".join(f.read().split()))
        self.assertIn("WORDNET-LICENSE.txt", dictionary_entries()[0][2])

    def test_wrong_choices_are_of_the_words_kind_and_differ_in_meaning(self):
        meaning = {w: m for w, m, _ in dictionary_entries()[1:]}
        with open(os.path.join(DATA, "gre.confusables.tsv"), "rb") as f:
            header, *lines = f.read().decode("utf-8").split("\r\n")
        self.assertTrue(header.startswith("# ") and lines.pop() == "")
        rows = [line.split("\t") for line in lines]
        self.assertEqual([word for word, *_ in rows], list(meaning))
        for word, *choices in rows:
            shown = [meaning[word]] + [meaning[c] for c in choices]
            # One part of speech; no meaning twice, so none is the word's own.
            self.assertEqual({m.split(")")[0] for m in shown}, {shown[0].split(")")[0]}, word)
            self.assertEqual(len(set(shown)), len(shown), word)
            self.assertGreaterEqual(len(choices), 4, word)
        # Fewer than eight where too few of the word's kind are left: fewer is better than one
        # absurd or right.
        self.assertGreaterEqual(sum(len(row) > 8 for row in rows), 0.75 * len(rows))
        # Choices readers of sampled cards found also right, or ruled out at sight (a drug
        # for a trait, a climate for a smell, a person for a feeling), stay away.
        found = """disquiet apprehension  felicitous opportune  despondent doleful  revile denounce
        insolent presumptuous  buoyant vivacious  zeal zealot  gullible meager  barren finicky
        bumptious barren  atrophy bigotry  atrophy precedent  euphony aptitude  avid analgesic
        immaculate analgesic  abrupt fetid  occlude taint  repercussion zephyr  pallid paramount
        temperate imperative  surly grudging  plethora glut  doleful dejected  acerbic sarcastic
        sham facade  chronic relentless  capitulate recapitulate  adversary adversity
        capitulate accede  congeal coagulate  spurious erroneous  induce elicit
        cumbersome raucous  veracity timbre  ensue quell  ensue abrogate  ensue innovate
        juxtapose amble  juxtapose bolt  austere arable  protean mellifluous  protean fetid
        barren ungainly  barren gaunt  innovation fetter  innovation rostrum
        atavism conflagration  aggravate acclimate  aggravate languish  barren mellifluous
        lethargy blight  lethargy laceration  semblance plasticity  pathological omnivorous
        engender raze  callow fallow  cacophonous fallow  agile aseptic  agile analgesic""".split()
        every = {word: choices for word, *choices in rows}
        for word, choice in zip(found[::2], found[1::2]):
            self.assertNotIn(choice, every[word], word)
        # Meanings as an answer button shows them: no space lost ("incongruous;inviting"), no
        # field's or grammar's label ("(law) a gift", "(followed by 'with')deeply filled").
        for word, shown in meaning.items():
            self.assertNotRegex(shown, r"[;)][a-z]|^\(\w+\.\) \((?!of |used )", word)
        first = {word: choices[:8] for word, *choices in rows}
        for a, b in zip(LOOKALIKES[::2], LOOKALIKES[1::2]):
            self.assertTrue(b in first[a] and a in first[b], (a, b))
        # The first eight are of the word's kind or a neighbouring one, but for one look-alike
        # spelt nearly the same; none is offered for, or beside, a word a learner could
        # accept for it; none is offered on card after card.
        parts = {"(adj.)": "a", "(n.)": "n", "(v.)": "v", "(adv.)": "r"}
        tool, part = load_tool(), {w: parts[m.split()[0]] for w, m in meaning.items()}
        kinds = read_pairs("exam-words.kinds")
        kind = {w: k for w, k, *_ in kinds}
        # Every adjective and verb says what it is said of, so that none escapes that rule.
        self.assertEqual([w for w, _, *said in kinds if part[w] in "av" and not said], [])
        alike = {frozenset(pair) for pair in read_pairs("exam-words.alike")}
        for word, choices in first.items():
            near = [kind[word]] + tool.NEIGHBOURS[part[word]][kind[word]]
            far = [c for c in choices if kind[c] not in near]
            self.assertLessEqual(len(far), 1, (word, far))
            self.assertTrue(all(tool.form_points(word, c)[0] >= tool.ALIKE_ACROSS_KINDS
                                for c in far), (word, far))
            shown = [word] + choices
            self.assertFalse([(a, b) for a in shown for b in shown
                              if frozenset((a, b)) in alike], word)
        # Nor one that Moby's thesaurus, made apart from WordNet, groups with the word.
        moby = tool.OutsideThesaurus("/usr/share/aiksaurus")
        self.assertFalse([(w, c) for w, choices in first.items() for c in choices
                          if moby.shared(w, c)])
        uses = collections.Counter(c for choices in first.values() for c in choices)
        self.assertLessEqual(max(uses.values()), tool.SPREAD)

    def test_sentence_equivalence_partners_are_synonyms_and_no_wrong_choice_is_one(self):
        entries = dictionary_entries()[1:]
        meaning = {w: m for w, m, _ in entries}
        with open(os.path.join(DATA, "gre.synonyms.tsv"), "rb") as f:
            header, *lines = f.read().decode("utf-8").split("\r\n")
        self.assertTrue(header.startswith("# ") and lines.pop() == "")
        rows = [line.split("\t") for line in lines]
        order = {w: n for n, (w, *_) in enumerate(entries)}
        self.assertEqual([w for w, *_ in rows], sorted((w for w, *_ in rows), key=order.get))
        self.assertGreaterEqual(len(rows), 235)
        with open(os.path.join(DATA, "gre.confusables.tsv"), encoding="utf-8") as f:
            wrong = {w: choices for w, *choices in (line.rstrip("\r\n").split("\t")
                                                     for line in f if not line.startswith("#"))}
        apart = {frozenset(pair) for pair in read_pairs("exam-words.apart")}
        # Checked again here, apart from the generator's rules: WordNet's synsets of every
        # sense, and everything the thesaurus lists for a word.
        wordnet = load_tool().WordNet("/usr/share/wordnet")
        for data in wordnet.data.values():
            self.addCleanup(data.close)
        thesaurus = thesaurus_entries("/usr/share/mythes/th_en_US_v2.dat", set(meaning))
        parts = {"(adj.)": "a", "(n.)": "n", "(v.)": "v", "(adv.)": "r"}

        def synsets(word, pos):
            return {s["synset"]["key"] for s in wordnet.senses(word.replace(" ", "_"), pos)}

        def neighbours(word, pos):  # its synsets and those similar to them
            found = synsets(word, pos)
            return found | {(pos, int(o)) for pos_, k in found for symbol, o, _, _ in
                            wordnet.synset(pos_, k)["pointers"] if symbol == "&"}

        for word, *partners in rows:
            self.assertTrue(partners and len(set(partners)) == len(partners), word)
            pos = parts[meaning[word].split()[0]]
            for partner in partners:
                self.assertEqual(parts[meaning[partner].split()[0]], pos, (word, partner))
                self.assertNotIn(partner, wrong[word], word)
                self.assertNotIn(frozenset((word, partner)), apart)
                # Synonyms in both sources.
                self.assertTrue(synsets(partner, pos) & neighbours(word, pos), (word, partner))
                self.assertIn(partner, thesaurus.get((word, pos), ()), (word, partner))
                # No wrong choice shown beside them is the partner's synonym in any sense.
                for choice in wrong[word]:
                    self.assertFalse(synsets(choice, pos) & synsets(partner, pos),
                                     (word, partner, choice))
                    self.assertNotIn(choice, thesaurus.get((partner, pos), ()),
                                     (word, partner, choice))
                    self.assertNotIn(partner, thesaurus.get((choice, pos), ()),
                                     (word, partner, choice))

    def test_the_shipped_files_are_what_the_generator_makes(self):
        # tools/dev installs what the generator needs; a missing one fails here, never skips.
        with tempfile.TemporaryDirectory() as folder:
            result = subprocess.run([sys.executable, TOOL, "--output",
                                     os.path.join(folder, "gre.xml")],
                                    capture_output=True, text=True)
            self.assertEqual((result.returncode, result.stderr), (0, ""))
            for name in ["gre.xml", "gre.confusables.tsv", "gre.synonyms.tsv", "gre.ipa.tsv"]:
                with open(os.path.join(folder, name), "rb") as made, \
                        open(os.path.join(DATA, name), "rb") as shipped:
                    self.assertTrue(made.read() == shipped.read(),
                                    f"{name} differs from what tools/make-dictionary makes")

    def test_the_stressed_syllable_agrees_with_the_cmu_dictionary(self):
        cmu = cmu_stresses()
        with open(os.path.join(DATA, "gre.ipa.tsv"), encoding="utf-8") as f:
            ipa = dict(line.rstrip("\r\n").split("\t") for line in f if not line.startswith("#"))
        both = [(word, ipa_stress(ipa[word]), cmu[word]) for word in ipa if word in cmu
                and len(cmu[word]) == ipa_stress(ipa[word])[1]]
        agree = [word for word, (stressed, _), stresses in both if stresses[stressed]]
        self.assertGreater(len(both), 1500)
        self.assertGreaterEqual(len(agree), 0.95 * len(both),
                                sorted(set(w for w, *_ in both) - set(agree)))


def thesaurus_entries(path, words):
    """What the thesaurus (MyThes) lists for each of words, as (word, pos) -> the terms of all
    its lines of that part of speech but antonyms."""
    parts = {"(noun)": "n", "(verb)": "v", "(adj)": "a", "(adv)": "r"}
    found, word = {}, None
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            if not line.startswith("("):
                word = line.partition("|")[0]
                continue
            label, *terms = line.rstrip("\n").split("|")
            if word in words and label in parts:
                found.setdefault((word, parts[label]), set()).update(
                    t.partition(" (")[0] for t in terms if "(antonym)" not in t)
    return found


CMU = "/usr/share/festival/dicts/cmu/cmudict-0.4.out"  # Debian's festlex-cmu


def cmu_stresses():
    """Each one-word entry of the CMU Pronouncing Dictionary as Festival ships it: whether
    each syllable is stressed."""
    found = {}
    with open(CMU, encoding="latin-1") as f:
        for line in f:
            m = re.match(r'\("([a-z]+)" \w+ \((.*)\)\)$', line.strip())
            if m and m.group(1) not in found:
                found[m.group(1)] = [s == "1" for s in re.findall(r"\) ([012])\)", m.group(2))]
    return found


def ipa_stress(ipa):
    """The syllable (counted by vowels, a diphthong as one) with the main stress, and how many
    syllables the word has."""
    vowels = re.findall(r"ˈ|eɪ|aɪ|ɔɪ|oʊ|aʊ|[aeiouæɑɒɔəɛɪʊʌɜ]", ipa)
    at = vowels.index("ˈ") if "ˈ" in vowels else 0
    return at, len([v for v in vowels if v != "ˈ"])


if __name__ == "__main__":
    unittest.main()
