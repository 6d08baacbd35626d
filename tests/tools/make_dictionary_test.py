#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""tools/make-dictionary on a small database in WordNet's own file layout."""

import os
import re
import subprocess
import sys
import tempfile
import unittest

TOOL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools",
                    "make-dictionary")
FILES = {"n": "noun", "v": "verb", "a": "adj", "r": "adv"}
LICENCE = "  1 This line stands for the licence at the top of every WordNet file.\n"


def make_wordnet(folder, synsets, counts=(), exceptions=None):
    """synsets: (pos, lexfile, ss_type, [(form, lexid)], gloss, *links), listed in sense
    order; a link is a pointer (symbol, position in synsets), or the position of a satellite's
    head.  counts: (sense key, tag count) lines of cntlist.rev.  exceptions: pos -> lines."""
    index = {pos: {} for pos in FILES}
    placed = {}
    # Pointers have a fixed width: the first pass places the synsets, the second points.
    for _ in range(2):
        texts = {}
        for pos in FILES:
            text = LICENCE
            for number, (spos, lexfile, ss_type, words, gloss, *links) in enumerate(synsets):
                if spos != pos:
                    continue
                offset = placed[number] = len(text.encode("utf-8"))
                members = " ".join(f"{form} {lexid:x}" for form, lexid in words)
                links = [("&", link) if isinstance(link, int) else link for link in links]
                pointers = "".join(f" {symbol} {placed.get(to, 0):08d} {synsets[to][0]} 0000"
                                   for symbol, to in links)
                text += (f"{offset:08d} {lexfile:02d} {ss_type} {len(words):02x} {members} "
                         f"{len(links):03d}{pointers} | {gloss}  \n")
                for form, _ in words:
                    lemma = re.sub(r"\(.*\)$", "", form).lower()
                    if offset not in index[pos].setdefault(lemma, []):
                        index[pos][lemma].append(offset)
            texts[pos] = text
    for pos in FILES:
        with open(os.path.join(folder, "data." + FILES[pos]), "w", encoding="utf-8") as f:
            f.write(texts[pos])
        with open(os.path.join(folder, "index." + FILES[pos]), "w", encoding="utf-8") as f:
            f.write(LICENCE)
            for lemma in sorted(index[pos]):
                offsets = index[pos][lemma]
                f.write(f"{lemma} {pos} {len(offsets)} 0 {len(offsets)} 0 "
                        + " ".join(f"{o:08d}" for o in offsets) + "  \n")
        with open(os.path.join(folder, FILES[pos] + ".exc"), "w", encoding="utf-8") as f:
            f.writelines(line + "\n" for line in (exceptions or {}).get(pos, []))
    with open(os.path.join(folder, "cntlist.rev"), "w", encoding="utf-8") as f:
        f.writelines(f"{key} 1 {count}\n" for key, count in counts)


def entries(data):
    """(word, meaning, usage) of each entry of a file in the program's layout."""
    text = data.decode("utf-8")
    lines = text.split("\r\n")
    assert lines[0] == "<GRE>" and lines[-3:] == ["</GRE>", "", ""], text
    body = lines[1:-3]
    strip = lambda line, tag: line[len(tag) + 2:-len(tag) - 3]
    return [(strip(body[i], "word"), strip(body[i + 1], "meaning"),
             strip(body[i + 2], "usage")) for i in range(0, len(body), 3)]


class MakeDictionaryTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.folder = self.dir.name
        self.output = os.path.join(self.folder, "out.xml")

    def tearDown(self):
        self.dir.cleanup()

    def run_tool(self, wordlist, synsets, counts=(), exceptions=None):
        make_wordnet(self.folder, synsets, counts, exceptions)
        listpath = os.path.join(self.folder, "words.txt")
        with open(listpath, "w", encoding="utf-8") as f:
            f.write(wordlist)
        if os.path.exists(self.output):
            os.remove(self.output)
        return subprocess.run([sys.executable, TOOL, "--list", listpath, "--wordnet",
                               self.folder, "--output", self.output],
                              capture_output=True, text=True)

    def generate(self, wordlist, synsets, counts=(), exceptions=None):
        result = self.run_tool(wordlist, synsets, counts, exceptions)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(self.output, "rb") as f:
            return f.read()

    def words(self, *args, **kwargs):
        """The entries after the one that describes the list."""
        return entries(self.generate(*args, **kwargs))[1:]

    BOLSTER = [
        ("n", 6, "n", [("bolster", 0)], 'a long pillow; "he put the bolster on the bed"'),
        ("v", 31, "v", [("bolster", 0)], 'support and strengthen; "bolster morale"; '
                                         '"new figures bolstered his case"'),
        ("v", 35, "v", [("bolster", 1)], 'prop up with a pillow; "bolster the patient"'),
    ]

    def test_the_most_often_tagged_sense_wins_across_parts_of_speech(self):
        counted = [("bolster%2:31:00::", 5), ("bolster%1:06:00::", 2)]
        self.assertEqual(self.words("bolster\n", self.BOLSTER, counted),
                         [("bolster", "(v.) support and strengthen",
                           "New figures bolstered his case.")])
        # Nothing counted: WordNet's first sense, adjectives and verbs before nouns.
        self.assertEqual(self.words("bolster\n", self.BOLSTER)[0][1],
                         "(v.) support and strengthen")
        counted = [("bolster%2:35:01::", 1)]
        self.assertEqual(self.words("bolster\n", self.BOLSTER, counted)[0][1],
                         "(v.) prop up with a pillow")

    def test_satellites_are_counted_under_their_own_head(self):
        # Both satellites are lexical id 0 in the same file; their sense keys differ only in
        # the head word.
        synsets = [
            ("a", 0, "a", [("violent", 0)], "acting with force"),
            ("a", 0, "a", [("sensational", 0)], "causing intense interest"),
            ("a", 0, "s", [("lurid", 0)], 'horrible in savagery; "lurid crimes"', 0),
            ("a", 0, "s", [("lurid", 0)], 'vivid and graphic; "the lurid details"', 1),
        ]
        counted = [("lurid%5:00:00:violent:00", 1), ("lurid%5:00:00:sensational:00", 4)]
        self.assertEqual(self.words("lurid\n", synsets, counted)[0][1],
                         "(adj.) vivid and graphic")
        counted = [("lurid%5:00:00:violent:00", 4), ("lurid%5:00:00:sensational:00", 1)]
        self.assertEqual(self.words("lurid\n", synsets, counted)[0][1],
                         "(adj.) horrible in savagery")

    def test_a_pin_chooses_the_part_of_speech_and_sense(self):
        counted = [("bolster%2:31:00::", 5)]
        self.assertEqual(self.words("bolster:n\n", self.BOLSTER, counted),
                         [("bolster", "(n.) a long pillow", "He put the bolster on the bed.")])
        self.assertEqual(self.words("bolster:verb:2\n", self.BOLSTER, counted)[0][1],
                         "(v.) prop up with a pillow")
        for pin in ["bolster:v:3", "bolster:x", "bolster:v:0", "bolster:v:1:2"]:
            result = self.run_tool(pin + "\n", self.BOLSTER)
            self.assertEqual(result.returncode, 1, pin)
            self.assertFalse(os.path.exists(self.output), pin)

    def test_senses_that_exist_only_capitalised_are_skipped(self):
        mercury = [
            ("n", 15, "n", [("Mercury", 0)], 'the smallest planet; "Mercury is near the sun"'),
            ("n", 27, "n", [("mercury", 0), ("quicksilver", 0)],
             'a heavy silvery metal; "the mercury rose"'),
        ]
        self.assertEqual(self.words("mercury\n", mercury, [("mercury%1:15:00::", 9)]),
                         [("mercury", "(n.) a heavy silvery metal", "The mercury rose.")])
        result = self.run_tool("mercury\n", mercury[:1])
        self.assertEqual(result.returncode, 1)
        self.assertIn("'mercury' is not in WordNet", result.stderr)

    def test_the_example_must_show_the_word_in_some_form(self):
        synsets = [
            ("v", 35, "v", [("slay", 0), ("kill", 0)],
             'kill intentionally; "they killed the guard"; "he slew the dragon"'),
            ("v", 30, "v", [("abate", 0)], 'become less; "The storm abated"; '
                                           '"the storm was abating at last"'),
            ("v", 30, "v", [("abet", 0)], 'assist in wrongdoing; "she abetted her brother"'),
            ("a", 0, "a", [("glib(a)", 0)], 'fluent but shallow; "the glibbest salesman"'),
            ("n", 18, "n", [("ally", 0)], 'a friend in a cause; "our allies came"'),
            ("v", 38, "v", [("gloss_over", 0)], 'treat hastily; "she glossed over the facts"'),
            ("n", 4, "n", [("ballast", 0)], 'weight; "they added ballasting stones"'),
            ("a", 0, "s", [("wry", 0)], 'humorously sarcastic; "a wryly told story"'),
        ]
        wordlist = ("slay\nabate\nabet\nglib | A glib answer hid the truth.\nally\ngloss over\n"
                    "ballast | The hold carried sand as ballast.\n"
                    "wry | She gave a wry smile.\n")
        self.assertEqual([(w, u) for w, _, u in self.words(
            wordlist, synsets, exceptions={"v": ["slew slay"]})], [
            ("slay", "He slew the dragon."),
            # A bare sentence tells less than one with a few words of context.
            ("abate", "The storm was abating at last."),
            ("abet", "She abetted her brother."),
            # The list's own sentence says more than a fragment of three words.
            ("glib", "A glib answer hid the truth."),
            ("ally", "Our allies came."),
            ("gloss over", "She glossed over the facts."),
            ("ballast", "The hold carried sand as ballast."),
            ("wry", "She gave a wry smile."),
        ])
        self.assertEqual(self.words("glib\nwry | a wry smile\n", synsets),
                         [("glib", "(adj.) fluent but shallow", "The glibbest salesman."),
                          ("wry", "(adj.) humorously sarcastic", "A wry smile.")])

    def test_text_is_tidied_and_escaped(self):
        synsets = [
            ("n", 4, "n", [("R&D", 0), ("r&d", 0)],
             "research & development <of products>; \"the firm's r&d budget\""),
            ("n", 4, "n", [("duty", 0)],
             'what you owe; "every right implies a duty"- John D.Rockefeller Jr; '
             '"the `duty\' to vote--a duty"--Thomas Paine'),
            ("a", 0, "a", [("bold", 0)], 'daring; "(b) bold claims abound"'),
            ("a", 0, "a", [("wary", 0)], 'cautious; "a wary (or watchful) guard"; '
                                         '"a wary...and watchful man..."'),
            ("a", 0, "a", [("vague", 0)], 'unclear; "a hazy (or vague) memory of it"'),
            ("n", 4, "n", [("gist", 0)], ("the central meaning of a text; " * 8).strip()
                                         + ' "the gist was clear"'),
        ]
        data = self.generate("r&d\nduty\nbold\ngist\nwary\nvague | A vague memory.\n",
                             synsets)
        self.assertIn(b"<word>r&amp;d</word>\r\n<meaning>(n.) research &amp; development "
                      b"&lt;of products&gt;</meaning>\r\n"
                      b"<usage>The firm's r&amp;d budget.</usage>", data)
        found = entries(data)[1:]
        self.assertEqual(found[1][2], "Every right implies a duty.")
        self.assertEqual(found[2][2], "Bold claims abound.")
        self.assertLessEqual(len(found[3][1]), 160)
        self.assertTrue(found[3][1].startswith("(n.) the central meaning of a text; "))
        self.assertFalse(found[3][1].endswith(";"))
        self.assertEqual(found[4][2], "A wary \u2026 and watchful man.")
        # Once WordNet's synonym note is gone the example no longer shows the word.
        self.assertEqual(found[5][2], "A vague memory.")
        data = self.generate("duty:n:1 | x\n", [synsets[1][:4] + (
            'what you owe; "the `duty\' to vote--a duty"--Thomas Paine',)])
        self.assertEqual(entries(data)[1][2], "The 'duty' to vote\u2014a duty.")

    def test_meanings_do_not_give_the_word_away(self):
        # The meaning is an answer to the question "which of these is <word>?".
        synsets = [
            ("v", 37, "v", [("exasperate", 0)], 'exasperate or irritate; "it exasperates me"'),
            ("v", 32, "v", [("harangue", 0)],
             'deliver a harangue to; address forcefully,as a crowd; "he harangued us"'),
            ("a", 0, "a", [("ascetic", 0)], 'of an ascetic or the practice of self-denial; '
                                            '"ascetic practices are severe"'),
            ("v", 35, "v", [("fetter", 0)], 'restrain with fetters; "they fettered him"'),
            ("a", 0, "a", [("chary", 0)], 'characterized by caution; "chary of risks"'),
            ("r", 2, "r", [("ad_hoc", 0)], 'for one case; not an ad hoc rule; '
                                           '"they were appointed ad hoc to decide"'),
        ]
        wordlist = "exasperate\nharangue\nascetic\nchary | Be chary of risks.\nad hoc\n"
        self.assertEqual([m for _, m, _ in self.words(wordlist, synsets)], [
            "(v.) irritate", "(v.) address forcefully, as a crowd",
            "(adj.) of the practice of self-denial", "(adj.) characterized by caution",
            "(adv.) for one case"])
        result = self.run_tool("fetter | He fettered the goat.\n", synsets)
        self.assertEqual(result.returncode, 1)
        self.assertIn("'fetter': the meaning names the word itself", result.stderr)

    def test_a_word_without_meaning_or_usage_fails_and_writes_nothing(self):
        synsets = [("a", 0, "a", [("laconic", 0)], "using few words"),
                   ("a", 0, "a", [("terse", 0)], 'brief; "a terse reply"'),
                   ("n", 4, "n", [("screed", 0)], "a long speech " + "x" * 160)]
        result = self.run_tool("laconic\nterse\nzyzzyva | A zyzzyva is a weevil.\nscreed\n",
                               synsets)
        self.assertEqual(result.returncode, 1)
        self.assertIn("'laconic' has no usage", result.stderr)
        self.assertIn("'zyzzyva' is not in WordNet", result.stderr)
        self.assertIn("'screed': the meaning is longer than 160", result.stderr)
        self.assertNotIn("terse", result.stderr)
        self.assertFalse(os.path.exists(self.output))
        self.assertFalse(os.path.exists(os.path.join(self.folder, "out.confusables.tsv")))
        result = self.run_tool("terse\nterse\n", synsets)
        self.assertIn("listed twice", result.stderr)

    def test_output_is_the_programs_layout_and_does_not_vary(self):
        synsets = [("a", 0, "a", [("terse", 0)], 'brief; "a terse reply"'),
                   ("a", 0, "s", [("laconic", 0)], "using few words")]
        wordlist = "# exam words\n\nterse\n  laconic |  Laconic   answers. \n"
        first = self.generate(wordlist, synsets)
        result = self.run_tool("terse\nlaconic | Lacnoic answers.\n", synsets)
        self.assertEqual(result.returncode, 0)
        self.assertIn("'laconic': the list's sentence does not show the word", result.stderr)
        self.assertNotIn("terse", result.stderr)
        self.assertEqual(self.generate(wordlist, synsets), first)
        self.assertTrue(first.startswith(b"<GRE>\r\n<word>"))
        self.assertTrue(first.endswith(b"</usage>\r\n</GRE>\r\n\r\n"))
        self.assertNotIn(b"\n", first.replace(b"\r\n", b""))
        about, *words = entries(first)
        self.assertIn("WordNet 3.0", about[2])
        self.assertIn("Princeton University", about[2])
        self.assertTrue(about[1].startswith("(n.) 2 words"))
        self.assertEqual(words, [("terse", "(adj.) brief", "A terse reply."),
                                 ("laconic", "(adj.) using few words", "Laconic answers.")])
        with open(os.path.join(self.folder, "out.confusables.tsv"), "rb") as f:
            self.assertEqual(f.read().split(b"\r\n")[1:],
                             [b"terse\tlaconic", b"laconic\tterse", b""])

    def test_wrong_choices_are_close_but_never_the_same_meaning(self):
        synsets = [
            ("v", 30, "v", [("change", 0)], 'make different; "change the plan"'),
            ("v", 30, "v", [("abate", 0), ("slake", 0)], 'become less; "the storm abated"',
             ("@", 0)),
            ("v", 34, "v", [("slake", 1)], 'satisfy a thirst; "slake your thirst"', ("@", 0)),
            ("v", 30, "v", [("temper", 0)], 'make milder; "temper the blow"', ("@", 0)),
            ("v", 30, "v", [("mitigate", 0)], 'make less severe; "mitigate harm"', ("@", 0)),
            ("v", 33, "v", [("abase", 0)], 'lower in esteem; "abase oneself"'),
            ("v", 36, "v", [("yodel", 0)], 'sing in a warbling way; "they yodel"'),
            ("a", 0, "a", [("brave", 0)], 'facing danger; "a brave man"', ("&", 9), ("!", 10)),
            ("a", 0, "s", [("heroic", 0)], 'showing great courage; "heroic deeds"', 7),
            ("a", 0, "s", [("bold", 0)], 'fearless and daring; "a bold knight"', 7),
            ("a", 0, "a", [("cowardly", 0)], 'lacking courage; "a cowardly act"',
             ("&", 11), ("!", 7)),
            ("a", 0, "s", [("craven", 0)], 'lacking even basic courage; "a craven spy"', 10),
            ("a", 0, "s", [("stale", 0)], 'no longer fresh; "stale bread"'),
        ]
        listed = "".join(f"{s[3][0][0]}\n" for s in synsets)
        self.generate(listed, synsets, [("slake%2:34:01::", 3)])
        with open(os.path.join(self.folder, "out.confusables.tsv"), "rb") as f:
            lines = f.read().decode("utf-8").split("\r\n")
        rows = {row[0]: row[1:] for row in (line.split("\t") for line in lines[1:-1])}
        # Not its synonym (slake, in another sense) nor its kind (change); the kinds of change
        # before the look-alike, and the others only to make up the number.
        self.assertEqual(set(rows["abate"][:2]), {"temper", "mitigate"})
        self.assertEqual(rows["abate"][2:], ["abase", "yodel"])
        # An antonym first; satellites of one head before those of the opposite one.
        self.assertEqual(rows["brave"][0], "cowardly")
        self.assertEqual(set(rows["bold"][:2]), {"brave", "heroic"})
        self.assertEqual([rows["brave"][-1], rows["bold"][-1]], ["stale", "stale"])
        shown = subprocess.run([sys.executable, TOOL, "--list", os.path.join(self.folder,
                                "words.txt"), "--wordnet", self.folder, "--confusables", "abate"],
                               capture_output=True, text=True).stdout
        self.assertIn("both kinds of 'change'", shown)
        self.assertIn("3. abase: (v.) lower in esteem\n      3.6  spelt alike (1 edit", shown)


if __name__ == "__main__":
    unittest.main()
