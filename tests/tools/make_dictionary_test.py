#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""tools/make-dictionary on a small database in WordNet's own file layout."""

import importlib.machinery
import os
import re
import struct
import subprocess
import sys
import tempfile
import types
import unittest

TOOL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools",
                    "make-dictionary")
FILES = {"n": "noun", "v": "verb", "a": "adj", "r": "adv"}
LICENCE = "  1 This line stands for the licence at the top of every WordNet file.\n"


def make_wordnet(folder, synsets, counts=(), exceptions=None):
    """synsets: (pos, lexfile, ss_type, [(form, lexid)], gloss, *links) in sense order; a link
    is (symbol, position in synsets), or the position of a satellite's head."""
    placed = {}
    # Pointers have a fixed width: the first pass places the synsets, the second points.
    for _ in range(2):
        files = {"data." + name: LICENCE for name in FILES.values()}
        index = {pos: {} for pos in FILES}
        for number, (pos, lexfile, ss_type, words, gloss, *links) in enumerate(synsets):
            data = "data." + FILES[pos]
            offset = placed[number] = len(files[data].encode("utf-8"))
            links = [("&", link) if isinstance(link, int) else link for link in links]
            files[data] += (f"{offset:08d} {lexfile:02d} {ss_type} {len(words):02x} "
                            + " ".join(f"{form} {lexid:x}" for form, lexid in words)
                            + f" {len(links):03d}" + "".join(
                                f" {symbol} {placed.get(to, 0):08d} {synsets[to][0]} 0000"
                                for symbol, to in links) + f" | {gloss}  \n")
            for form, _ in words:
                offsets = index[pos].setdefault(re.sub(r"\(.*\)$", "", form).lower(), [])
                offsets += [] if offset in offsets else [offset]
    for pos, name in FILES.items():
        files["index." + name] = LICENCE + "".join(
            f"{lemma} {pos} {len(at)} 0 {len(at)} 0 " + " ".join(f"{o:08d}" for o in at) + "  \n"
            for lemma, at in sorted(index[pos].items()))
        files[name + ".exc"] = "".join(line + "\n" for line in (exceptions or {}).get(pos, []))
    files["cntlist.rev"] = "".join(f"{key} 1 {count}\n" for key, count in counts)
    for name, text in files.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
            f.write(text)


def make_moby(folder, groups):
    """A Moby thesaurus in aiksaurus's files: groups is [(title, [word, ...])]."""
    os.makedirs(folder, exist_ok=True)
    words = sorted({w for title, members in groups for w in [title, *members]})
    number = {w: n for n, w in enumerate(words)}
    end = struct.pack(">H", 0xFFFF)
    with open(os.path.join(folder, "words.dat"), "wb") as f:
        for w in words:
            f.write(w.replace(" ", ":").encode() + b"\0" + b"".join(
                struct.pack(">H", g) for g, (_, members) in enumerate(groups) if w in members)
                + end)
    with open(os.path.join(folder, "meanings.dat"), "wb") as f:
        for title, members in groups:
            f.write(struct.pack(">HH", number[title], number[title]) + b"".join(
                struct.pack(">H", number[w]) for w in sorted(members, key=number.get)) + end)


def load_tool():
    loader = importlib.machinery.SourceFileLoader("make_dictionary", TOOL)
    tool = types.ModuleType(loader.name)
    tool.__file__ = TOOL
    loader.exec_module(tool)
    return tool


def one(pos, lexfile, word, gloss, *links):
    return (pos[0], lexfile, pos[-1], [(word, 0)], gloss, *links)


class MakeDictionaryTest(unittest.TestCase):
    def setUp(self):
        self.folder = self.enterContext(tempfile.TemporaryDirectory())
        self.output = os.path.join(self.folder, "out.xml")
        self.tsv = os.path.join(self.folder, "out.confusables.tsv")

    def run_tool(self, wordlist, synsets, counts=(), exceptions=None, thesaurus="UTF-8\n",
                 strict=False, moby=()):
        """Runs the generator; short examples (the tests' own) are only noted unless strict."""
        make_wordnet(self.folder, synsets, counts, exceptions)
        listpath = self.write("words.txt", wordlist)
        self.write("th.dat", thesaurus)
        make_moby(os.path.join(self.folder, "moby"), moby)
        self.command = [sys.executable, TOOL, "--list", listpath, "--wordnet", self.folder,
                        "--thesaurus", os.path.join(self.folder, "th.dat"),
                        "--outside-thesaurus", os.path.join(self.folder, "moby"),
                        "--output", self.output]
        self.command += [] if strict else ["--usage-faults-as-notes"]
        return subprocess.run(self.command, capture_output=True, text=True)

    def entries(self, *args):
        """(word, meaning, usage) of each entry but the first, in the program's file layout."""
        self.made = self.run_tool(*args)
        self.assertEqual(self.made.returncode, 0, self.made.stderr)
        with open(self.output, "rb") as f:
            self.text = text = f.read().decode("utf-8")
        self.assertRegex(text, "\\A<GRE>\r\n(<(word|meaning|usage)>[^\r\n]*</\\2>\r\n)*"
                               "</GRE>\r\n\r\n\\Z")
        return re.findall("<word>(.*)</word>\r\n<meaning>(.*)</meaning>\r\n<usage>(.*)</usage>",
                          text)[1:]

    def test_sense_usage_and_meaning_of_each_word(self):
        synsets = [
            ("n", 6, "n", [("bolster", 0)], 'a long pillow; "he put the bolster on the bed"'),
            ("v", 31, "v", [("bolster", 0)], 'support and strengthen; "bolster morale"'),
            ("v", 35, "v", [("bolster", 1)], 'prop up with a pillow; "bolster the patient"'),
            one("n", 6, "cushion", 'a soft bag; "she sat on a silk cushion"'),
            one("v", 35, "cushion", 'protect from impact; "the mat cushioned the fall well"'),
            one("v", 30, "stem", 'stop the flow of; "stem the bleeding at once"'),
            ("v", 30, "v", [("stem", 1)], 'grow out of; "the problems stem from poverty"'),
            one("a", 0, "violent", "acting with force"),
            one("a", 0, "sensational", "causing intense interest"),
            one("as", 0, "lurid", 'horrible in savagery; "lurid crimes"', 7),
            one("as", 0, "lurid", 'vivid and graphic; "the lurid details"', 8),
            one("n", 15, "Mercury", 'the smallest planet; "Mercury is near the sun"'),
            ("n", 27, "n", [("mercury", 0), ("quicksilver", 0)], 'a metal; "the mercury rose"'),
            ("v", 35, "v", [("slay", 0), ("kill", 0)], 'kill; "they killed"; "he slew the beast"'),
            one("v", 30, "abate", 'become less; "The storm abated"; "the storm was abating"'),
            one("v", 30, "abet", 'assist in wrongdoing; "she abetted her brother"'),
            one("v", 38, "gloss_over", 'treat hastily; "she glossed over the facts"'),
            one("a", 0, "glib(a)", 'fluent but shallow; "the glibbest salesman"'),
            one("a", 0, "terse", 'brief; "a terse reply"'),
            one("as", 0, "wry", 'humorously sarcastic; "a wryly told story"'),
            ("n", 4, "n", [("R&D", 0), ("r&d", 0)], "work & <study>; \"the firm's r&d budget\""),
            one("n", 4, "ballot", 'a vote; "the `ballot\' to vote--a ballot"--Thomas Paine'),
            one("a", 0, "bold", 'daring; "(b) bold claims abound"'),
            one("a", 0, "wary", 'cautious; "a wary (or alert) guard"; "a wary...and cool man..."'),
            one("a", 0, "vague", 'unclear; "a hazy (or vague) memory of it"'),
            one("n", 4, "gist", "the main sense; " * 11 + '"the gist was clear"'),
            one("v", 37, "exasperate", 'exasperate or irritate; "it exasperates me"'),
            one("v", 32, "harangue", 'deliver a harangue to; speak,as a crowd; "he harangued us"'),
            one("a", 0, "ascetic", 'of an ascetic or the denial; "ascetic ways are hard"'),
            one("a", 0, "chary", 'characterized by caution; "chary of risks"'),
            one("a", 0, "grudging", "of especially an attitude"),
            one("r", 2, "ad_hoc", 'for one case; not an ad hoc rule; "they met ad hoc to go"'),
            one("a", 0, "absurd", 'incongruous;inviting ridicule; "an absurd excuse"'),
            one("n", 4, "legacy", '(law) a gift by will; "a legacy from her aunt"'),
            one("a", 0, "replete", "(followed by `with')deeply filled; \"replete with misery\""),
            one("a", 0, "mild", '(of weather) not extreme; "a mild winter"'),
        ]
        counted = [("bolster%2:35:01::", 5), ("bolster%1:06:00::", 2), ("mercury%1:15:00::", 9),
                   ("lurid%5:00:00:violent:00", 1), ("lurid%5:00:00:sensational:00", 4)]
        cases = [
            # The most tagged sense, in any part of speech (untagged, a verb before a noun), or
            # the pinned one; a satellite counted under its head; never one only capitalised.
            ("bolster", "(v.) prop up with a pillow", "Bolster the patient."),
            ("cushion", "(v.) protect from impact", "The mat cushioned the fall well."),
            ("stem:verb:2", "(v.) grow out of", "The problems stem from poverty."),
            ("lurid", "(adj.) vivid and graphic", "The lurid details."),
            ("mercury", "(n.) a metal", "The mercury rose."),
            # An example that shows the word in some form: a sentence, the list's, a phrase.
            ("slay", "(v.) kill", "He slew the beast."),
            ("abate | It abated.", "(v.) become less", "It abated."),
            ("abet", "(v.) assist in wrongdoing", "She abetted her brother."),
            ("gloss over", "(v.) treat hastily", "She glossed over the facts."),
            ("glib", "(adj.) fluent but shallow", "The glibbest salesman."),
            ("terse | a terse answer ended it", "(adj.) brief", "A terse answer ended it."),
            ("wry | She smiled.", "(adj.) humorously sarcastic", "She smiled."),
            # Escaped; tidied: quotes, dashes, style markers, synonym notes, ellipses.
            ("r&d", "(n.) work &amp; &lt;study&gt;", "The firm's r&amp;d budget."),
            ("ballot", "(n.) a vote", "The 'ballot' to vote\u2014a ballot."),
            ("bold", "(adj.) daring", "Bold claims abound."),
            ("wary", "(adj.) cautious", "A wary \u2026 and cool man."),
            ("vague | A vague memory.", "(adj.) unclear", "A vague memory."),
            # Whole clauses that fit a button, none of which gives the word away.
            ("gist", "(n.) " + "; ".join(["the main sense"] * 10), "The gist was clear."),
            ("exasperate", "(v.) irritate", "It exasperates me."),
            ("harangue", "(v.) speak, as a crowd", "He harangued us."),
            ("ascetic", "(adj.) of the denial", "Ascetic ways are hard."),
            ("chary | Be chary of risks.", "(adj.) characterized by caution", "Be chary of risks."),
            # The list's own meaning where WordNet's says only half.
            ("grudging | He gave grudging consent. | reluctant", "(adj.) reluctant",
             "He gave grudging consent."),
            ("ad hoc", "(adv.) for one case", "They met ad hoc to go."),
            # A space WordNet lost put back; a field's or a grammar's label left off, not what
            # the word describes.
            ("absurd", "(adj.) incongruous; inviting ridicule", "An absurd excuse."),
            ("legacy", "(n.) a gift by will", "A legacy from her aunt."),
            ("replete", "(adj.) deeply filled", "Replete with misery."),
            ("mild", "(adj.) (of weather) not extreme", "A mild winter.")]
        wordlist = "# exam words\n\n" + "".join(f"  {line} \n" for line, *_ in cases)
        found = self.entries(wordlist, synsets, counted, {"v": ["slew slay"]})
        self.assertEqual([(m, u) for _, m, u in found], [(m, u) for _, m, u in cases])
        self.assertEqual(found[12][0], "r&amp;d")
        self.assertEqual(self.made.stderr.count("does not show the word"), 1)
        self.assertIn("'wry': the usage does not show the word", self.made.stderr)
        self.assertIn("(n.) 28 words", self.text)
        self.assertIn("WordNet 3.0, Copyright 2006 by Princeton University", self.text)

    def test_a_word_without_meaning_or_usage_fails_and_writes_nothing(self):
        synsets = [one("a", 0, "laconic", "using few words"),
                   one("a", 0, "terse", 'brief; "a terse reply"'),
                   one("n", 4, "screed", "a long speech " + "x" * 160),
                   one("v", 35, "fetter", 'restrain with fetters; "they fettered him"')]
        result = self.run_tool("laconic\nterse\nzyzzyva | A weevil.\nscreed\nfetter\n", synsets)
        self.assertEqual(re.findall(r"^make-dictionary: line \d: '(\w+)'", result.stderr, re.M),
                         ["laconic", "zyzzyva", "screed", "screed", "fetter"])
        for wordlist in ["terse\nterse\n", "terse:a:2\n", "terse:x\n", "terse:a:0\n",
                         "terse:a:1:2\n"]:
            result = self.run_tool(wordlist, synsets)
            self.assertEqual((result.returncode, os.path.exists(self.output)), (1, False))
        self.assertFalse(os.path.exists(self.tsv))
        # A list or a folder that is not there: a message, not a traceback.
        self.assertEqual(self.run_tool("terse\n", synsets).returncode, 0)
        for option, path in [("--list", "missing.txt"), ("--output", "missing/out.xml")]:
            command = self.command[:]
            command[command.index(option) + 1] = os.path.join(self.folder, path)
            result = subprocess.run(command, capture_output=True, text=True)
            self.assertEqual(result.returncode, 1, result.stderr)
            self.assertRegex(result.stderr, r"(?m)^make-dictionary: .*No such file")
            self.assertNotIn("Traceback", result.stderr)

    def test_every_usage_is_a_sentence_of_its_own_that_shows_the_word(self):
        synsets = [one("a", 0, w, f'of few words {n}; "a {w} thing"') for n, w in
                   enumerate(["laconic", "terse", "pithy", "curt", "wry", "glib"])]
        sentence = "The {} reply of the glib old sailor told us all we needed to know."
        cases = [  # the list's line, the fault reported (None: ships)
            ("laconic | " + sentence.format("laconic"), None),
            ("terse", "has 3 words, fewer than 8"),  # WordNet's phrase, where the list has none
            ("pithy | A pithy reply.", "has 3 words, fewer than 8"),
            ("curt | " + "Her curt answer " + "went on and on " * 7 + "forever.",
             "has 32 words, more than 30"),
            ("wry | " + sentence.format("dry"), "does not show the word"),
            ("glib | " + sentence.format("laconic"), "is also the usage of 'laconic'")]
        wordlist = "".join(line + "\n" for line, _ in cases)
        result = self.run_tool(wordlist, synsets, strict=True)
        self.assertEqual((result.returncode, os.path.exists(self.output)), (1, False))
        for (line, fault), number in zip(cases, range(1, len(cases) + 1)):
            reported = re.findall(f"line {number}: '\\w+': the usage (.*)", result.stderr)
            self.assertEqual([r[:len(fault)] for r in reported], [fault] if fault else [], line)
        # While the list's sentences are being written, they ship with a note each.
        self.assertEqual(len(self.entries(wordlist, synsets)), len(cases))
        self.assertEqual(self.made.stderr.count("note: line"), len(cases) - 1)

    def test_no_wrong_choice_could_be_accepted_for_the_word(self):
        synsets = [
            one("v", 30, "change", 'make different; "change the plan"'),
            ("v", 30, "v", [("abate", 0), ("slake", 0)], 'become less; "the storm abated"',
             ("@", 0)),
            ("v", 34, "v", [("slake", 1)], 'satisfy a thirst; "slake your thirst"', ("@", 0)),
            one("v", 30, "temper", 'make milder; "temper the blow"', ("@", 0)),
            one("v", 30, "diminish", 'make smaller; "diminish the risk"'),
            one("v", 30, "wane", 'grow less; "the moon wanes"'),
            one("v", 33, "abase", 'lower in esteem; "abase oneself"'),
            one("v", 36, "yodel", 'sing in a warbling way; "they yodel"'),
            one("a", 0, "brave", 'facing danger; "a brave man"', ("&", 9), ("!", 10)),
            one("as", 0, "heroic", 'showing great courage; "heroic deeds"', 8),
            one("a", 0, "cowardly", 'lacking courage; "a cowardly act"', ("&", 11), ("!", 8)),
            one("as", 0, "craven", 'lacking even basic courage; "a craven spy"', 10),
            one("a", 0, "eminent", 'of high rank; "an eminent judge"'),
            one("a", 0, "imminent", 'close in time; "imminent danger"'),
            one("a", 0, "plausible", 'apparently reasonable; "a plausible excuse"'),
            one("a", 0, "implausible", 'provoking disbelief; "an implausible tale"'),
            one("a", 0, "stale", 'no longer fresh; "stale bread"'),
        ]
        # Feelings five levels down, words of them, and a word of another kind (17 on).
        for depth, name in enumerate(["entity", "abstraction", "attribute", "state"]):
            synsets.append(one("n", 3 if depth < 3 else 26, name, "a top class", *(
                [("@", 16 + depth)] if depth else [])))
        synsets.append(one("n", 12, "feeling", "a state of mind", ("@", 20)))  # 21
        for name, up in [("sadness", 21), ("despondency", 22), ("dolefulness", 22),
                         ("anger", 21), ("fear", 21), ("love", 21), ("joy", 21)]:
            synsets.append(one("n", 12, name, "a feeling", ("@", up)))
        for name, of, gloss in [("despondent", 23, "without hope"), ("doleful", 24, "mournful"),
                                ("irate", 25, "enraged"), ("afraid", 26, "scared"),
                                ("amorous", 27, "enamored"), ("jubilant", 28, "exultant")]:
            synsets.append(one("a", 0, name, gloss, ("+", of)))
        synsets += [one("n", 7, "aridity", "dryness", ("@", 19)),  # 35
                    one("a", 0, "arid", "lacking rain", ("+", 35)),
                    one("n", 12, "zeal", "eagerness", ("@", 21)),
                    one("n", 12, "zealot", "an eager proponent", ("@", 21)),
                    # A meaning word whose WordNet synonym the thesaurus gives for the other
                    # word (39 on); one word with a prefix before the other, or not.
                    ("n", 23, "n", [("excess", 0), ("overabundance", 0)], "a surplus"),
                    one("n", 23, "plethora", "extreme excess"),
                    one("n", 23, "glut", "a supply far greater than needed"),
                    one("n", 4, "capitulation", "surrender on terms"),
                    one("n", 10, "recapitulation", "a summing up"),
                    one("n", 4, "denunciation", "public condemnation"),
                    one("n", 4, "renunciation", "giving up a claim"),
                    # 45 on: a word whose other sense a learner meets says what a candidate
                    # says; one whose other sense no one meets (no count) does not.
                    one("n", 4, "mandate", "a commission from the voters"),
                    one("n", 4, "edict", "a decree issued by a ruler"),
                    one("n", 4, "injunction", "a formal command"),
                    # 48 on: linked by the second thesaurus only; a negation of a short stem.
                    one("n", 4, "guise", "a false appearance"),
                    one("n", 4, "ruse", "a trick to deceive"),
                    one("n", 4, "pretext", "a false reason given"),
                    one("a", 0, "tenable", "based on sound reasoning"),
                    one("a", 0, "untenable", "incapable of being defended")]
        thesaurus = "UTF-8\nabate|1\n(verb)|diminish|lessen|increase (antonym)\n" \
            "glut|1\n(noun)|oversupply|overabundance\npretext|1\n(noun)|guise\n"
        listed = "".join(f"{s[3][0][0]} | A {s[3][0][0]}.\n" for s in synsets)
        synsets += [one("n", 10, "mandate", "an official command"),
                    one("n", 10, "edict", "an authoritative command")]
        counted = [("slake%2:34:01::", 3), ("mandate%1:04:00::", 5), ("mandate%1:10:00::", 2)]
        self.entries(listed, synsets, counted, None, thesaurus, False,
                     [("veil", ["guise", "ruse", "mask"])])
        cases = [  # word, candidate, why it is dropped (None: kept)
            ("abate", "slake", "the same meaning"),  # of one synset in another sense
            ("abate", "change", "the same meaning"),  # a broader term
            ("abate", "temper", "abate \u2192 change (broader) and temper \u2192 change"),
            ("abate", "diminish", "listed together in the thesaurus"),
            ("abate", "wane", "'less'"),
            ("abate", "abase", None),
            ("brave", "heroic", "close in WordNet: brave \u2192 heroic (similar)"),
            ("brave", "cowardly", None),  # an opposite is wrong for one who knows the word
            ("brave", "craven", "means what cowardly"),  # two of one meaning
            ("despondent", "doleful", "both of the feelings or qualities 'sadness'"),
            ("despondent", "irate", None),
            ("zeal", "zealot", "of one family"),
            ("plausible", "implausible", "of one family"),
            ("tenable", "untenable", "of one family"),
            ("guise", "ruse", "Moby's thesaurus groups them under 'veil'"),
            ("pretext", "ruse", "groups it with guise under 'veil', and the thesaurus gives guise"),
            ("plethora", "glut", "says 'excess', in WordNet 'overabundance', and the "
             "thesaurus gives glut 'overabundance'"),
            ("capitulation", "recapitulation", "of one family"),
            ("denunciation", "renunciation", None),  # de- for re-: look-alikes
            ("mandate", "injunction", "the key word 'command' with another sense of mandate"),
            ("edict", "injunction", None),
            ("eminent", "imminent", None),  # a look-alike of another meaning: the best kind
        ]
        self.assert_candidates("--confusables", cases)
        rows = self.rows()
        # The antonym first; what is left of the part of speech makes up the rest.
        self.assertEqual(rows["brave"][0], "cowardly")
        self.assertEqual(set(rows["abate"]), {"abase", "yodel"})
        # Made up by feelings for a feeling, never a property of land.
        self.assertEqual(set(rows["despondent"]), {"irate", "afraid", "amorous", "jubilant"})

    def assert_candidates(self, option, cases):
        """Each (word, candidate, why) as the option's report gives it: kept when why is None,
        otherwise dropped with why in its reason."""
        for word, candidate, why in cases:
            shown = subprocess.run(self.command + [option, word], capture_output=True, text=True)
            self.assertEqual(shown.returncode, 0, shown.stderr)
            kept = re.findall(r"^ +\d+\. (\w+):", shown.stdout, re.M)
            dropped = dict(re.findall(r"^ +- (\w+):.*\n +(.*)", shown.stdout, re.M))
            if why is None:
                self.assertIn(candidate, kept, (word, shown.stdout))
            else:
                self.assertNotIn(candidate, kept, (word, shown.stdout))
                self.assertIn(why, dropped.get(candidate, ""), (word, shown.stdout))

    def rows(self):
        with open(self.tsv, "rb") as f:
            lines = f.read().decode("utf-8").split("\r\n")
        return {row[0]: row[1:] for row in (line.split("\t") for line in lines[1:-1])}

    def write(self, name, text):
        """Writes a file of the test's folder; returns its path."""
        path = os.path.join(self.folder, name)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        return path

    def test_wrong_choices_are_of_the_words_kind(self):
        kinds = {"character": """brave: facing danger boldly; stingy: unwilling to spend;
            humble: low in pride; haughty: looking down on others; candid: open and frank;
            timid: easily frightened; frugal: careful with money; tactful: skilled in delicate
            dealings; rude: lacking manners; pious: devoted to worship""",
                 "feeling": "elated: in high spirits; wistful: longing vaguely",
                 "physical": """brittle: easily snapped; viscous: thick and sticky; porous:
            absorbing fluids; opaque: letting no light through; pungent: sharp of smell;
            supple: bending freely; murky: dark and cloudy; acrid: bitter of taste; glossy:
            shiny on top""",
                 "body": "limber: flexible in body",
                 "worth": "eminent: of high rank", "time": "imminent: close in time",
                 "relation": "immanent: existing within"}
        synsets, kind_lines = [], []
        for kind, words in kinds.items():
            for item in " ".join(words.split()).split("; "):
                word, gloss = item.split(": ")
                synsets.append(one("a", 0, word, gloss))
                kind_lines.append(f"{word}\t{kind}\n")
        synsets[0] += (("!", 12),)  # brave and brittle are antonyms
        synsets += [one("n", 7, "onus", "a duty"), one("n", 10, "opus", "a musical work"),
                    one("n", 10, "epigram", "a witty saying")]
        kind_lines += ["onus\trule\n", "opus\tart\n", "epigram\tspeech\n"]
        listed = "".join(f"{s[3][0][0]} | The {s[3][0][0]} one.\n" for s in synsets)
        # Without a kinds file, by part of speech and topic, as a learner's own list is: the
        # antonym of another kind first, and one note that says so.
        self.entries(listed, synsets)
        self.assertEqual(self.made.stderr.count("words.kinds not found: wrong choices are "
                                                "chosen by part of speech and topic only"), 1)
        self.assertEqual(self.rows()["brave"][0], "brittle")
        self.write("words.kinds", "# kinds\n" + "".join(kind_lines))
        self.write("words.alike", "# also right\nbrave\ttactful\n")
        self.entries(listed, synsets)
        self.assertNotIn("not found", self.made.stderr)
        rows, kind_of = self.rows(), {line.split("\t")[0]: line.split("\t")[1].strip()
                                      for line in kind_lines}
        for word in ["brave", "stingy"]:  # no neighbours when enough
            self.assertEqual(len(rows[word]), 8, word)
            self.assertEqual({kind_of[c] for c in rows[word]}, {kind_of[word]}, word)
        # A physical property of the word's topic first, in its kind and then in a
        # neighbouring kind that names it first, before a smell or a light.
        self.assertEqual(set(rows["brittle"][:3]), {"porous", "supple", "viscous"})
        self.assertEqual(rows["brittle"][3], "limber")
        self.assertEqual(rows["pungent"][0], "acrid")
        # A property of another sense is ruled out at sight: no light for a smell; a
        # property of no sense may fill up.
        self.assertFalse({"opaque", "murky"} & set(rows["pungent"]))
        self.assertIn("glossy", rows["pungent"])
        # A feeling's own kind is short: traits of character fill up, never a material.
        self.assertEqual(rows["elated"][0], "wistful")
        self.assertEqual({kind_of[c] for c in rows["elated"][1:]}, {"character"})
        # Pairs the alike file names are never offered for each other.
        self.assertNotIn("tactful", rows["brave"])
        self.assertNotIn("brave", rows["tactful"])
        # A look-alike of another kind spelt nearly the same stays, one to a card; one of a
        # short word, where a letter stands out, does not.
        self.assertEqual(rows["eminent"], ["imminent"])
        self.assertEqual(rows["imminent"], ["immanent"])
        self.assertEqual(rows["onus"], ["epigram"])
        # A saying may fill up for a work of music, never a work of music for a saying.
        self.assertEqual(rows["opus"], ["epigram"])
        self.assertEqual(rows["epigram"], ["onus"])
        shown = subprocess.run(self.command + ["--confusables", "imminent"], text=True,
                               capture_output=True).stdout
        self.assertIn("eminent (worth): (adj.) of high rank\n     a second look-alike", shown)
        shown = subprocess.run(self.command + ["--confusables", "brave"], text=True,
                               capture_output=True).stdout
        self.assertIn("brittle (physical): (adj.) easily snapped\n     of another kind, "
                      "physical", shown)

    def test_a_look_is_offered_the_usual_or_odd_before_a_texture_or_a_sound(self):
        synsets = [one("a", 0, "dapper", "neat and trim in dress"),
                   one("a", 0, "viscous", "thick and sticky"),
                   one("a", 0, "raucous", "unpleasantly loud and harsh"),
                   one("a", 0, "banal", "lacking originality")]
        self.write("words.kinds", "dapper\tappearance\nviscous\tphysical\n"
                   "raucous\tphysical\nbanal\tnorm\n")
        self.entries("".join(f"{s[3][0][0]} | The {s[3][0][0]} one.\n" for s in synsets),
                     synsets)
        self.assertEqual(self.rows()["dapper"], ["banal", "viscous"])

    def test_a_kinds_file_that_does_not_fit_the_list_fails_and_writes_nothing(self):
        synsets = [one("a", 0, "terse", "brief"), one("a", 0, "curt", "short in manner"),
                   one("v", 32, "extol", "praise highly"), one("n", 7, "candor", "frankness")]
        listed = "terse\ncurt\nextol\ncandor\n"
        self.write("words.kinds", "# a comment\nterse\tspeech\tpeople,ideas\ncurt\n"
                   "extol\tcharacter\n"
                   "lithe\tbody\nterse\tspeech\n")
        self.write("words.alike", "terse\tlithe\n")
        result = self.run_tool(listed, synsets)
        self.assertEqual((result.returncode, os.path.exists(self.output),
                          os.path.exists(self.tsv)), (1, False, False))
        self.assertEqual(re.findall(r"^make-dictionary: (words\.\w+:?\d*): (.*)", result.stderr,
                                    re.M),
                         [("words.kinds:2", "'terse' is said of 'people,ideas': an adjective or a "
                           "verb is said of one or more of people, things, matters, with commas "
                           "between"),
                          ("words.kinds:3", "'curt' has no kind"),
                          ("words.kinds:4", "'extol' is a verb, whose kinds are speak, think, "
                           "feel, others, change, begin-end, move, handle, own; not 'character'"),
                          ("words.kinds:5", "'lithe' is not in the list"),
                          ("words.kinds:6", "'terse' is given a kind twice (first on line 2)"),
                          ("words.kinds", "'candor' (line 4 of the list) has no kind"),
                          ("words.alike:1", "'lithe' is not in the list")])
        # A kinds file asked for by name must be there.
        result = subprocess.run(self.command + ["--kinds", os.path.join(self.folder, "no.kinds")],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 1)
        self.assertRegex(result.stderr, r"^make-dictionary: .*No such file.*no\.kinds")

    def test_fillers_are_about_what_the_words_meaning_is_about(self):
        tool = load_tool()
        cases = [  # word, its WordNet file and meaning; a filler, its file and meaning; fits
            ("gullible", "", "naive and easily deceived or tricked",
             "meager", "", "deficient in amount or quality or extent", False),
            ("gullible", "", "naive and easily deceived or tricked",
             "coy", "", "affectedly modest or shy", True),
            ("barren", "", "too poor to produce crops or plants; unproductive",
             "arid", "", "lacking sufficient water or rainfall", True),
            ("barren", "", "too poor to produce crops or plants; unproductive",
             "finicky", "", "exacting especially about details", False),
            ("temperate", "", "(of weather or climate) free from extremes; mild",
             "imperative", "", "requiring attention or action", False),
            ("adjacent", "", "nearest in space or position",
             "diffuse", "", "spread out; not concentrated in one place", True),
            # "early" is no "ear": a time, not a sound.
            ("incipient", "", "beginning to happen or develop; in an early stage",
             "audible", "", "heard or perceptible by the ear", False),
            ("atrophy", 26, "a decrease in size of an organ caused by disease or disuse",
             "malaise", 26, "physical discomfort (as mild sickness or depression)", True),
            ("atrophy", 26, "a decrease in size of an organ caused by disease or disuse",
             "obeisance", 10, "bending the head or body or knee as a sign of reverence", False),
            ("euphony", 9, "any agreeable (pleasing and harmonious) sounds",
             "aptitude", 7, "inherent ability", False),
            # A person for a person only, whatever the topic.
            ("zeal", 12, "a feeling of strong eagerness", "zealot", 18,
             "a fervent and even militant proponent of something", False),
            ("pedagogue", 18, "someone who educates young people",
             "pessimist", 18, "a person who expects the worst", True),
        ]
        choice = lambda lexfile, meaning: types.SimpleNamespace(
            pos="a" if lexfile == "" else "n", topics=tool.topics(meaning),
            file=tool.NOUN_FILES.get(lexfile, "thing") if lexfile != "" else "")
        for word, file, meaning, filler, its_file, its_meaning, fits in cases:
            self.assertEqual(tool.Confusables.plausible(choice(file, meaning),
                                                        choice(its_file, its_meaning)),
                             fits, (word, filler))

    def test_a_wrong_choice_applies_to_what_the_word_applies_to(self):
        tool, made = load_tool(), {}
        # A frame for another word of the synset (deploy's 22) says nothing of this one.
        for word, pos, kind, meaning, *frames in [
                ("ensue", "v", "begin-end", "happen afterwards", (1, 0), (4, 0)),
                ("quell", "v", "begin-end", "suppress or crush", (8, 0)),
                ("raze", "v", "begin-end", "tear down", (8, 0), (11, 0)),
                ("juxtapose", "v", "move", "place side by side", (8, 0)),
                ("amble", "v", "move", "walk leisurely", (22, 0)),
                ("deploy", "v", "move", "place troops", (22, 2), (8, 1)),
                ("aggravate", "v", "change", "make worse", (8, 0), (11, 0)),
                ("languish", "v", "change", "lose vigor", (2, 0)),
                ("barren", "a", "physical", "too poor to produce crops"),
                ("austere", "a", "appearance", "severely simple"),
                ("arable", "a", "physical", "(of farmland) capable of being farmed"),
                ("turbid", "a", "physical", "(of liquids) clouded as with sediment"),
                ("rigid", "a", "physical", "incapable of or resistant to bending"),
                ("viscous", "a", "physical", "having a relatively high resistance to flow"),
                ("lethargy", "n", "body", "an unusual lack of energy"),
                ("blight", "n", "body", "any plant disease resulting in withering"),
                ("malady", "n", "body", "any unwholesome condition of the body"),
                ("pathological", "a", "body", "caused by a mentally disturbed condition"),
                ("omnivorous", "a", "body", "feeding on both plants and animals"),
                ("desecrate", "v", "handle", "violate the sacred character of a place"),
                ("desiccate", "v", "handle", "preserve by removing all water"),
                ("cower", "v", "move", "crouch down in fear", (22, 0)),
                ("converge", "v", "move", "come together", (1, 0), (4, 0)),
                ("fecund", "a", "physical", "capable of producing offspring"),
                ("kinetic", "a", "physical", "relating to the motion of bodies"),
                ("callow", "a", "mind", "young and inexperienced"),
                ("fallow", "a", "physical", "(of farmland) left unplowed and unseeded"),
                ("unkempt", "a", "appearance", "untidy and uncared-for in appearance"),
                ("raucous", "a", "physical", "unpleasantly loud and harsh"),
                ("luminous", "a", "physical", "softly bright or radiant"),
                ("disparity", "n", "relation", "inequality or difference in some respect"),
                ("timbre", "n", "quality", "the particular quality of a voice or sound"),
                ("semblance", "n", "quality", "an outward appearance or show of something"),
                ("benevolent", "a", "character", "wishing or showing good will"),
                ("malevolent", "a", "character", "wishing harm to others"),
                ("adroit", "a", "mind", "quick or skilful"),
                ("maladroit", "a", "mind", "clumsy"),
                ("affluent", "a", "society", "having an abundant supply of money"),
                ("forensic", "a", "society", "used or applied in a court of law"),
                ("culinary", "a", "society", "of or relating to or used in cooking"),
                ("ascetic", "a", "character", "pertaining to or characteristic of self-denial"),
                ("annul", "v", "begin-end", "declare invalid", (8, 0), (11, 0)),
                ("decimate", "v", "begin-end", "kill in large numbers", (9, 0), (10, 0)),
                ("beget", "v", "begin-end", "give rise to", (9, 0)),
                ("zephyr", "n", "nature", "a slight wind"),
                ("lucre", "n", "thing", "money gained dishonestly"),
                ("tome", "n", "thing", "a large scholarly book"),
                ("impecunious", "a", "situation", "not having enough money", "people"),
                ("unassailable", "a", "situation", "not open to attack or question", "matters"),
                ("tortuous", "a", "situation", "winding; not straightforward", "things,matters"),
                ("eminent", "a", "worth", "of high standing", "people"),
                ("imminent", "a", "time", "close in time", "matters"),
                ("wistful", "a", "feeling", "full of longing", "people"),
                ("cathartic", "a", "feeling", "releasing strong feeling", "matters"),
                ("refurbish", "v", "change", "renovate", "things"),
                ("polarize", "v", "change", "cause to split into opposing factions",
                 "people,matters"),
                ("rail", "v", "speak", "complain bitterly", "people"),
                ("contend", "v", "speak", "maintain or assert", "matters"),
                ("stupefy", "v", "change", "make dull or numb", (9, 0), "people"),
                ("codify", "v", "change", "organize into a code", (8, 0), "matters"),
                ("dawdle", "v", "move", "proceed slowly", (2, 0), "people"),
                ("acquit", "v", "others", "declare not guilty", (9, 0), "people"),
                ("infringe", "v", "others", "go against rules", (8, 0), "matters")]:
            said = frames.pop() if frames and isinstance(frames[-1], str) else ""
            said_of = frozenset(said.split(",")) if said else frozenset()
            sense = {"pos": pos, "synset": {"key": (pos, 1), "words": [(word, 0)],
                                            "pointers": [], "frames": frames}}
            made[word] = tool.Choice(word, f"(x.) {meaning}", sense, kind, said_of=said_of)
            made[word].topics = made[word].lead = tool.topics(meaning)
        made["blight"].material = made["malady"].material = {"ill_health"}
        made["tome"].material = {"physical_entity"}
        # The list's own meaning of beget is wider than its synset's, whose frames are of people.
        made["beget"].written = True
        for w, c, fits in [("ensue", "quell", False), ("ensue", "raze", True),
                           ("quell", "ensue", True), ("juxtapose", "amble", False),
                           ("juxtapose", "deploy", True), ("amble", "juxtapose", True),
                           ("aggravate", "languish", False), ("languish", "aggravate", True),
                           ("austere", "arable", False), ("barren", "arable", True),
                           ("barren", "turbid", False), ("rigid", "turbid", False),
                           ("viscous", "turbid", True), ("lethargy", "blight", False),
                           ("malady", "blight", True), ("pathological", "omnivorous", False),
                           ("omnivorous", "pathological", True),
                           ("desecrate", "desiccate", True), ("cower", "converge", False),
                           ("cower", "amble", True), ("fecund", "kinetic", False),
                           ("kinetic", "fecund", True), ("callow", "fallow", False),
                           ("unkempt", "raucous", False), ("unkempt", "luminous", True),
                           ("disparity", "timbre", False), ("luminous", "raucous", True),
                           ("disparity", "semblance", True),
                           ("malevolent", "benevolent", False), ("adroit", "maladroit", False),
                           ("maladroit", "adroit", False), ("maladroit", "malevolent", True),
                           ("affluent", "forensic", False),
                           ("affluent", "culinary", False), ("culinary", "forensic", True),
                           ("affluent", "ascetic", True), ("annul", "decimate", False),
                           ("decimate", "annul", True), ("annul", "beget", True),
                           ("zephyr", "lucre", False), ("zephyr", "tome", True),
                           ("unassailable", "impecunious", False),
                           ("impecunious", "unassailable", False),
                           ("tortuous", "unassailable", True), ("eminent", "imminent", True),
                           ("polarize", "refurbish", False), ("refurbish", "polarize", False),
                           ("cathartic", "wistful", True), ("rail", "contend", True),
                           ("stupefy", "codify", False), ("codify", "stupefy", False),
                           ("dawdle", "codify", True), ("acquit", "infringe", True)]:
            why = tool.Confusables.applies_elsewhere(made[w], made[c])
            self.assertEqual(why is None, fits, (w, c, why))
        self.assertEqual(tool.Confusables.applies_elsewhere(made["austere"], made["arable"]),
                         "of farmland, which austere's meaning is not about")

    def test_meanings_a_reader_should_check_are_listed(self):
        synsets = [one("v", 40, "bestow", "present"),
                   one("n", 7, "clarity", "free from obscurity and easy to understand"),
                   one("n", 14, "progeny", "the immediate descendants of a person"),
                   ("n", 14, "n", [("progeny", 1)], "all the descendants, grandchildren too"),
                   one("n", 7, "brevity", "the quality of using few words"),
                   one("a", 0, "imperturbable", "not easily perturbed or upset"),
                   one("a", 0, "lenient", "not strict; tolerant in judging"),
                   ("v", 32, "v", [("acquit", 0), ("exculpate", 0)],
                    "pronounce not guilty of criminal charges")]
        self.run_tool("bestow | A university bestowed a degree on the nurse.\n"
                      "clarity | He explained it with such clarity that all understood.\n"
                      "progeny | The farmer sat among his progeny, twenty grandchildren.\n"
                      "brevity | The brevity of his speech, a few words, pleased all.\n"
                      "imperturbable | The pilot stayed imperturbable as the engine burned.\n"
                      "lenient | Unlike his strict father, the tolerant uncle was lenient.\n"
                      "acquit | The jury acquitted the driver of every charge.\n"
                      "exculpate | New evidence exculpated the man after ten years.\n",
                      synsets)
        shown = subprocess.run(self.command + ["--meaning-faults"], capture_output=True,
                               text=True).stdout.splitlines()
        self.assertEqual([line.split("\u2014 ")[1] for line in shown], [
            "fewer than 3 words", "worded for another part of speech than a noun",
            "no word of its sentence; sense 2 says 'grandchildren': all the descendants, "
            "grandchildren too", "circular: says 'perturbed', of the word's own stem",
            "its sentence says the meaning's 'strict', 'tolerant'",
            "also the meaning of exculpate", "also the meaning of acquit"])

    def test_sentence_equivalence_partners_mean_the_same_and_fit_the_sentence(self):
        synsets = [
            one("v", 30, "lessen", 'make or become less; "lessen the load"'),
            ("v", 30, "v", [("abate", 0), ("subside", 0)], "become less intense", ("@", 0)),
            ("v", 30, "v", [("acclimate", 0), ("acclimatize", 0)], "get used to a climate"),
            ("v", 41, "v", [("eschew", 0), ("shun", 0)], "avoid and stay away from"),
            ("a", 0, "a", [("adroit", 0), ("deft", 0), ("skillful", 0)], "quick and skilled"),
            ("a", 0, "a", [("apt", 0), ("awkward", 0)], "clumsy in handling things"),
            ("v", 41, "v", [("arbitrate", 0), ("intercede", 0), ("mediate", 0)],
             "act between parties"),
        ]
        sentences = {
            "lessen": "Nothing could lessen the pain of losing her old dog.",
            "abate": "The storm did not abate until dawn, so the ferry stayed.",
            "subside": "The floods began to subside after a week of dry weather.",
            "acclimate": "It took the climbers a week to acclimate to the thin air.",
            "acclimatize": "It took the team ten days to acclimatize to the heat.",
            "eschew": "She eschewed sugar and fried food for a whole year.",
            "shun": "The villagers shun strangers who arrive in the village after dark.",
            "adroit": "The adroit negotiator never gave anything away to the other side.",
            "deft": "With a deft flick of the wrist she flipped the pancake.",
            "skillful": "She is a skillful negotiator who never gives anything away.",
            "apt": "Being apt, he spilled the soup all over the clean tablecloth.",
            "awkward": "The awkward waiter spilled the soup all over the tablecloth.",
            "arbitrate": "A judge was chosen to arbitrate between the two angry neighbours.",
            "intercede": "The mayor interceded for the tenants, and the landlord gave way.",
            "mediate": "A retired judge was asked to mediate between the union and the owners.",
        }
        thesaurus = "UTF-8\n" + "".join(
            f"{word}|1\n({part})|" + "|".join(others) + "\n" for part, words, extra in [
                ("verb", ["abate", "subside"], ["lessen (generic term)"]),
                ("verb", ["acclimate", "acclimatize"], []), ("verb", ["eschew", "shun"], []),
                ("adj", ["adroit", "deft", "skillful"], []), ("adj", ["awkward"], ["apt"]),
                ("verb", ["arbitrate", "intercede", "mediate"], [])]
            for word in words for others in [[w for w in words if w != word] + extra])
        # Verbs without WordNet's frames may stand with or without an object.
        listed = "".join(f"{w} | {sentences[w]}\n" for w in sorted(sentences))
        self.entries(listed, synsets, (), {"v": ["shunned shun"]}, thesaurus)
        with open(os.path.join(self.folder, "out.synonyms.tsv"), "rb") as f:
            header, *lines = f.read().decode("utf-8").split("\r\n")
        self.assertTrue(header.startswith("# Sentence-equivalence partners for out.xml"))
        self.assertEqual(lines, [
            "abate\tsubside",
            # The sentence reads "an adroit" and "a deft", whatever the partner: each partner
            # must take the article the sentence has.
            "adroit\tdeft\tskillful",
            # "between" after the blank: intercede is never said so.
            "arbitrate\tmediate", "deft\tskillful", "intercede\tarbitrate\tmediate",
            # "eschewed" asks for "shunned", which the regular rule does not make; the base
            # form "shun" asks for "eschew".
            "mediate\tarbitrate", "shun\teschew", "skillful\tdeft", "subside\tabate", ""])
        cases = [  # word, candidate, why it is dropped (None: kept)
            ("abate", "subside", None),
            ("abate", "lessen", "a broader word"),
            ("acclimate", "acclimatize", "of the word's family"),
            ("deft", "adroit", "the sentence has 'a' before the word, and adroit needs 'an'"),
            ("eschew", "shun", "the sentence shows 'eschewed', and the regular rule makes "
             "'shuned' of shun, not 'shunned'"),
            # One synset in WordNet, not in the thesaurus: a lone source is never enough.
            ("awkward", "apt", "WordNet alone (synset); the thesaurus"),
            ("mediate", "intercede", "the sentence says 'mediate between'"),
        ]
        self.assert_candidates("--synonyms", cases)
        self.assertIn("words have a sentence-equivalence partner", self.made.stdout)

    def test_a_verb_wordnet_says_with_a_preposition_is_no_partner_before_an_object(self):
        sys.path.insert(0, os.path.dirname(TOOL))
        import dictionary_synonyms
        # WordNet gives expiate, atone and repair an object (frame 8), and atone alone "PP".
        line = "0 41 v 03 expiate 0 atone 0 repair 0 000 02 + 08 00 + 22 02 | make amends for"
        made = {w: types.SimpleNamespace(word=w, lemma=w, synset_line=line.split(),
                                          synset={"words": [(f, 0) for f in
                                                            ("expiate", "atone", "repair")]})
                for w in ("expiate", "atone", "repair")}
        partners = object.__new__(dictionary_synonyms.Partners)
        for word, partner, fits in [("expiate", "atone", False), ("expiate", "repair", True),
                                    ("atone", "expiate", True)]:
            why = partners.verb_slot(made[word], made[partner], ["to"], "", ["his", "guilt"])
            self.assertEqual(why is None, fits, (word, partner, why))

    def test_a_partner_is_put_in_the_form_the_sentence_shows_by_the_regular_rule(self):
        sys.path.insert(0, os.path.dirname(TOOL))
        import dictionary_synonyms
        cases = [("abate", "ed", "abated"), ("carry", "ed", "carried"), ("delay", "ed",
                  "delayed"), ("muse", "ing", "musing"), ("vie", "ing", "vying"),
                 ("see", "ing", "seeing"), ("gloss over", "ed", "glossed over"),
                 ("miss", "s", "misses"), ("foible", "s", "foibles"), ("story", "s", "stories"),
                 ("red herring", "s", "red herrings")]
        for word, form, made in cases:
            self.assertEqual(dictionary_synonyms.inflect(word, form), made, word)

    def test_ipa_is_written_as_learners_dictionaries_write_it(self):
        cases = [  # word, what espeak-ng says, what ships
            ("abase", "ɐbˈeɪs", "əˈbeɪs"),  # the mark before the onset, ə for ɐ
            ("abstemious", "ɐbstˈiːmiəs", "əbˈstimiəs"),  # the longest onset English allows
            ("aberration", "ˌæbɚɹˈeɪʃən", "ˌæbəˈreɪʃən"),
            ("antagonistic", "æntˈæɡənˈɪstɪk", "ænˌtæɡəˈnɪstɪk"),  # one main stress
            ("better", "bˈɛɾɚ", "ˈbɛtər"), ("ladder", "lˈædɚ", "ˈlædər"),  # the flap
            ("bird", "bˈɜːd", "ˈbɜrd"), ("glutton", "ɡlˈʌʔn̩", "ˈɡlʌtən"),
            ("mature", "mətʃˈʊɹ", "məˈtʃʊr"), ("Abate", "ɐbˈeɪt", "əˈbeɪt"),
            ("ad  hoc", "ˈæd hˈɑːk", "ˈæd ˈhɑk"), ("mute", "", None)]  # nothing: no line
        said = {" ".join(word.split()): ipa for word, ipa, _ in cases}
        said["shift"] = "ʃˈɪft\nx"  # two lines for one word
        said["chutzpah"] = "xˈʊtspə"  # a sound no learner's dictionary writes
        # A stand-in espeak-ng that counts its runs and says what the table says.
        os.chmod(self.write("espeak-ng", f"#!{sys.executable}\nimport sys\n"
                            f"open({self.folder + '/runs'!r}, 'a').write('x')\nsaid = {said!r}\n"
                            "for w in sys.stdin.read().split('\\n')[:-1]:\n    print(said[w])\n"),
                 0o755)
        env = dict(os.environ, PATH=self.folder + os.pathsep + os.environ["PATH"])
        expected = sorted(f"{' '.join(w.split())}\t/{ipa}/" for w, _, ipa in cases if ipa)
        for words, status in [([w for w, *_ in cases], 0), (["abase", "shift"], 1),
                              (["abase", "chutzpah"], 1)]:
            with open(self.output, "w", encoding="utf-8") as f:
                f.write("<GRE><word>about</word>" + "".join(f"<word>{w}</word>" for w in words))
            made = subprocess.run([sys.executable, TOOL, "--ipa", "--output", self.output],
                                  capture_output=True, text=True, env=env)
            self.assertEqual(made.returncode, status, made.stderr)
            # What a misaligned or faulty answer would have written is never written.
            with open(os.path.join(self.folder, "out.ipa.tsv"), "rb") as f:
                self.assertEqual(sorted(f.read().decode("utf-8").split("\r\n")[1:-1]),
                                 expected, made.stderr)
        self.assertIn("/xˈʊtspə/, writes x", made.stderr)
        with open(os.path.join(self.folder, "runs"), encoding="utf-8") as f:
            self.assertEqual(f.read(), "xxx")
        # Without espeak-ng the dictionary is not half made.
        os.remove(os.path.join(self.folder, "espeak-ng"))
        env["PATH"] = self.folder
        result = subprocess.run([sys.executable, TOOL, "--ipa", "--output", self.output],
                                capture_output=True, text=True, env=env)
        self.assertEqual(result.returncode, 1)
        self.assertIn("install the package espeak-ng", result.stderr)


if __name__ == "__main__":
    unittest.main()
