# SPDX-License-Identifier: GPL-3.0-or-later
"""Sentence-equivalence partners for tools/make-dictionary.

A question shows a word's teaching sentence with the word blanked and six words: the word and
its partner fit and give the sentence the same meaning, four of its wrong choices do not.  A
partner is another word of the list that a careful test-writer would accept in the word's own
sentence:

- of the same part of speech, its chosen sense a synonym of the word's: one WordNet synset, or
  a similar-to link between the two senses, or the thesaurus (mythes-en-us) listing each under
  the other's sense; and found by both, WordNet and the thesaurus, never by one alone;
- of the same register and strength: not a broader word ("dislike" for "abhor"), not an
  informal word for a formal one, not "very"/"extremely" beside a plain meaning;
- not of the word's family (abhor, abhorrent);
- not one of the word's wrong choices, and none of those a synonym of the partner by the checks
  that drop wrong choices;
- one that fits the sentence's slot: a verb in the form the sentence uses, made by the regular
  rule; an object where the word takes one, none where it takes none, nor one WordNet says
  with a preposition (atone for) where the word takes an object; a noun's plural; an
  adjective before a noun or after a verb as WordNet allows it; "a" or "an" as it begins; a
  verb's preposition after the blank ("mediate between") that the partner is said with.

NAME.synonyms.tsv beside NAME.xml holds them: a comment line starting with '#', then one line
for each word with a partner, in the dictionary's order: the word, then each partner after a
tab, best first; UTF-8, lines ending in CR LF.  The list's NAME.apart file names pairs these
rules keep that a test-taker would not accept, each with its reason.
"""

import collections
import os
import re

# WordNet's verb frames that take a direct object ("Somebody ----s something"), and those that
# take none ("Something ----s", "Somebody ----s PP").
TRANSITIVE_FRAMES = {5, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21, 24, 25, 30, 31}
INTRANSITIVE_FRAMES = {1, 2, 3, 4, 6, 7, 12, 13, 22, 23, 27, 28, 32, 33, 35}
# The frames with a preposition ("Somebody ----s PP"): one WordNet gives a single word of a
# synset, and not the others, says that word is said with its preposition (atone for).
PREPOSITION_FRAMES = {4, 22}
# Words that make a meaning stronger than one without them: "extreme excess", "intense
# dislike".  A pair whose meanings differ in them differs in strength.
INTENSE = frozenset("""extreme extremely intense intensely utter utterly excessive
excessively overwhelming overwhelmingly violent violently fierce fiercely
profound profoundly severe severely bitter bitterly total totally complete completely
absolute absolutely wholly deeply vehement vehemently""".split())
# Words before a verb's -ed form that make it passive: the verb then takes an object.
BE = frozenset("be been being is are was were am get got gets getting become became".split())
# Words after a verb that begin its object.
OBJECT_STARTS = frozenset("""a an the this that these those his her their its our my your him
them us me whom every each any some all no another""".split())
# Words after which an adjective stands after a verb, as a complement ("she was adamant").
LINKING = BE | frozenset("""seem seems seemed seeming appear appears appeared look looks looked
remain remains remained stay stays stayed grow grows grew grown sound sounds sounded feel feels
felt prove proves proved turn turns turned not never so too very quite rather""".split())
# Determiners and words after which a noun, not a verb's object, follows an adjective.
NOT_NOUNS = frozenset("""and or but than that to of in on at by for with as from into about
is was are were be been who which when while because if so not""".split())
# Adverbs a verb takes in an idiom (augur well, bode ill): a partner must be said so too.
IDIOM_ADVERBS = ("well", "ill")
# Prepositions a verb governs ("mediate between", "dwell on"): a partner must be said with the
# one after the word's blank, as "intercede" is with "with" or "for", never "between".
GOVERNED = frozenset("about against at between from into of on upon with".split())
# How far after a verb its preposition may come ("vacillated for months between").
GOVERNED_REACH = 3
# How the thesaurus lists a synonym of a sense: as one of its words, or as a similar term (a
# satellite and the head of its cluster); not as a broader, related or opposite term.
SAME = ("", "similar")
# Words of a meaning that say too little of it for two meanings to agree by them alone, as
# make-dictionary's stem() leaves them ("marked" -> mark, "easily" -> easi).
GENERIC = frozenset("""lack deficient without full mark show state quality person make cause
become having feel given tend easi""".split())
# Two spellings that begin with this many letters alike are one word's forms (acclimate,
# acclimatize; antiquated, antique): a pair of them would give the answer away.
SHARED_BEGINNING = 6
# The partners shown first: one synset, then a similar meaning.
HOW = {"synset": 0, "similar": 1}


def inflect(word, form):
    """The form of a verb or noun by the regular rule, as the program makes it: form is "s"
    (a verb's third person or a noun's plural), "ed" or "ing"; phrasal verbs inflect their
    first word, noun phrases their last."""
    words = word.split(" ")
    at = 0 if form in ("ed", "ing") or len(words) == 1 else len(words) - 1
    base = words[at]
    if form == "s":
        if re.search(r"(s|x|z|ch|sh)$", base):
            made = base + "es"
        elif re.search(r"[^aeiou]y$", base):
            made = base[:-1] + "ies"
        else:
            made = base + "s"
    elif form == "ed":
        made = base + "d" if base.endswith("e") else \
            base[:-1] + "ied" if re.search(r"[^aeiou]y$", base) else base + "ed"
    else:
        made = base[:-2] + "ying" if base.endswith("ie") else \
            base[:-1] + "ing" if re.search(r"[^aeio]e$", base) else base + "ing"
    return " ".join(words[:at] + [made] + words[at + 1:])


class ThesaurusSenses:
    """The thesaurus's entries line by line, for the words of the list: each line of a word
    is one of its senses, with its terms and what each is (a synonym, a similar term, a
    broader (generic) term, an antonym...)."""

    PARTS = {"(noun)": "n", "(verb)": "v", "(adj)": "a", "(adv)": "r"}

    def __init__(self, path, words):
        self.lines = {}
        with open(path, encoding="utf-8", errors="replace") as f:
            word = None
            for line in f:
                line = line.rstrip("\n")
                if not line.startswith("("):
                    word = line.partition("|")[0].lower()
                    word = word if word in words else None
                    continue
                label, *terms = line.split("|")
                pos = self.PARTS.get(label)
                if pos is None or word is None:
                    continue
                found = []
                for term in terms:
                    name, _, kind = term.partition(" (")
                    found.append((name.strip().lower(), kind.rstrip(")").split(" ")[0]))
                self.lines.setdefault((word, pos), []).append(found)

    def sense_line(self, word, pos, names):
        """The line of word's senses that is the WordNet sense whose words and neighbours are
        names: the one that shares most with them, None when none or two equally do."""
        lines = self.lines.get((word, pos), [])
        scored = sorted(((len({n for n, _ in line} & names), number)
                         for number, line in enumerate(lines)), reverse=True)
        if not scored or scored[0][0] == 0 and len(lines) > 1 \
                or len(scored) > 1 and scored[0][0] == scored[1][0]:
            return None
        return lines[scored[0][1]]


class Partners:
    """The sentence-equivalence partners of every word of a list."""

    def __init__(self, confusables, ranked, usages, ipa, thesaurus_path, unprefixed,
                 apart=frozenset(), written=frozenset()):
        """confusables: make-dictionary's Confusables, whose choices are the list's words in
        their chosen senses and whose accepted_for tells a meaning a learner could accept for
        another; ranked: each word's wrong choices; usages: word -> (sentence, its forms of the
        word); ipa: word -> its IPA; unprefixed: a family stem less its negating or repeating
        prefix; apart: pairs of spellings never partners (the list's NAME.apart); written: the
        words whose meaning the list gives rather than WordNet."""
        self.confusables, self.wordnet = confusables, confusables.wordnet
        self.choices, self.usages, self.ipa = confusables.choices, usages, ipa
        self.unprefixed, self.apart, self.written = unprefixed, apart, written
        self.wrong = {w.number: [c for c, *_ in chosen]
                      for w, chosen in zip(self.choices, ranked)}
        self.by_spelling = {c.spelling: c for c in self.choices}
        self.thesaurus = ThesaurusSenses(thesaurus_path, set(self.by_spelling))
        self.raw = {}
        for c in self.choices:
            c.sense_line = self.thesaurus.sense_line(c.spelling, c.pos, self.neighbourhood(c))
            c.thesaurus_names = {n for line in self.thesaurus.lines.get((c.spelling, c.pos), [])
                                 for n, _ in line}
            c.synset_line = self.raw_synset(c.key)

    def raw_synset(self, key):
        """A synset's line of WordNet's data file, whose markers and frames the reader leaves
        out."""
        if key not in self.raw:
            data = self.wordnet.data[key[0]]
            data.seek(key[1])
            self.raw[key] = data.readline().decode("utf-8").partition(" | ")[0].split()
        return self.raw[key]

    def neighbourhood(self, c):
        """The words of a sense and those next to it in WordNet (similar, broader), by which its
        line in the thesaurus is found."""
        names = {form.lower().replace("_", " ") for form, _ in c.synset["words"]}
        for symbol, offset, pos, _ in c.synset["pointers"]:
            if symbol in ("&", "@", "@i", "$", "^"):
                linked = self.wordnet.synset("a" if pos == "s" else pos, int(offset))
                names |= {form.lower().replace("_", " ") for form, _ in linked["words"]}
        return names - {c.spelling}

    def marker(self, c):
        """WordNet's position marker of an adjective's form in its sense: "a" (before a noun
        only), "p" (after a verb only), "ip" (right after its noun) or ""."""
        fields = c.synset_line
        for i in range(int(fields[3], 16)):
            m = re.match(r"(.*?)(?:\((a|p|ip)\))?$", fields[4 + 2 * i])
            if m.group(1).lower() == c.lemma:
                return m.group(2) or ""
        return ""

    def frames(self, c, own=False):
        """The verb frames of a verb's sense for its own form; with own, only those WordNet
        gives that form alone."""
        fields = c.synset_line
        at = 4 + 2 * int(fields[3], 16)
        at += 1 + 4 * int(fields[at])
        if at >= len(fields) or not fields[at].isdigit():
            return set()
        members = [form.lower() for form, _ in c.synset["words"]]
        mine = members.index(c.lemma) + 1 if c.lemma in members else 0
        wanted = {mine} - {0} if own else {0, mine}
        found = set()
        for i in range(int(fields[at])):
            _, frame, which = fields[at + 1 + 3 * i:at + 4 + 3 * i]
            if int(which, 16) in wanted:
                found.add(int(frame))
        return found

    def register(self, c):
        """The usage labels WordNet gives a sense or the head of its cluster ("informal",
        "slang")."""
        found = set()
        for key in {c.key, self.confusables.cluster_head(c.key)}:
            for symbol, offset, pos, _ in self.confusables.synset(key)["pointers"]:
                if symbol == ";u":
                    found.add(self.wordnet.synset(pos, int(offset))["words"][0][0])
        gloss = c.synset["gloss"]
        found |= set(re.findall(r"^\((informal|slang|colloquial|archaic|literary|formal|"
                                r"British|old-fashioned)\b", gloss))
        return found

    def wordnet_link(self, w, c):
        """How WordNet makes c's chosen sense a synonym of w's: "synset", "similar" or None."""
        if c.key == w.key:
            return "synset"
        if "&" in w.links.get(c.key, set()) or "&" in c.links.get(w.key, set()):
            return "similar"
        return None

    @staticmethod
    def thesaurus_lists(w, c):
        """Whether the thesaurus lists each under the other's sense (as a synonym or similar
        term), and how it lists c under w where it does not: "generic" for a broader term."""
        terms = lambda a: {n: kind for n, kind in (a.sense_line or [])}
        one, other = terms(w).get(c.spelling), terms(c).get(w.spelling)
        return one in SAME and other in SAME, one

    def candidates(self, w):
        """The words of w's part of speech that WordNet or the thesaurus puts near w in any
        sense: those a reader would think of as partners."""
        return [c for c in self.choices if c.pos == w.pos and c is not w and (
            c.senses & w.senses or c.key in w.kindred or w.key in c.kindred
            or c.spelling in w.thesaurus_names or w.spelling in c.thesaurus_names)]

    def judge(self, w, c):
        """(how, None) when c is w's partner, how being the WordNet link; (None, why not)."""
        how = self.wordnet_link(w, c)
        both, listed = self.thesaurus_lists(w, c)
        if not how and not both:
            if listed == "generic" or c.key in w.up:
                return None, "a broader word"
            if w.key in c.up:
                return None, "a narrower word"
            if listed == "antonym":
                return None, "an antonym"
            if c.senses & w.senses:
                return None, "synonyms in another sense than the chosen ones"
            return None, "neither WordNet nor the thesaurus makes the chosen senses synonyms"
        if not how:
            return None, "the thesaurus alone makes them synonyms; WordNet does not confirm"
        if not both:
            if w.sense_line is None or c.sense_line is None:
                missing = w if w.sense_line is None else c
                return None, f"WordNet alone ({how}); the thesaurus has no line for " \
                    f"{missing.word}'s sense"
            return None, f"WordNet alone ({how}); the thesaurus does not list each under " \
                "the other's sense"
        if frozenset((w.spelling, c.spelling)) in self.apart:
            return None, "listed in the list's apart file"
        if w.family == c.family or self.unprefixed(w.family) == c.family \
                or w.family == self.unprefixed(c.family) \
                or c.lemma in w.derived or w.lemma in c.derived \
                or len(os.path.commonprefix([w.spelling, c.spelling])) >= SHARED_BEGINNING:
            return None, "of the word's family"
        # A satellite and the head of its cluster are only near in meaning, and a meaning the
        # list writes is no longer WordNet's: the two meanings must also say the same.
        if (how == "similar" or {w.word, c.word} & self.written) and not self.agree(w, c):
            return None, ("similar in WordNet" if how == "similar" else
                          f"the list's meaning of {(w if w.word in self.written else c).word}") \
                + ", and the two meanings share no word"
        registers = self.register(w) ^ self.register(c)
        if registers:
            return None, f"of another register ({', '.join(sorted(registers))})"
        strength = self.strength(w) ^ self.strength(c)
        if strength:
            return None, f"of another strength ('{sorted(strength)[0]}' in one meaning only)"
        if c in self.wrong[w.number]:
            return None, "one of the word's wrong choices"
        for x in self.wrong[w.number]:
            why = self.confusables.accepted_for(c, x)
            if why:
                return None, f"the word's wrong choice {x.word} could be taken for it: {why}"
        why = self.slot(w, c)
        if why:
            return None, why
        return how, None

    @staticmethod
    def agree(w, c):
        """Whether two meanings say the same by their words: one shares a word of the other
        that says something of it, or names the other word."""
        return bool((w.tokens & c.tokens) - GENERIC) or c.spelling in w.names \
            or w.spelling in c.names

    @staticmethod
    def strength(c):
        return set(re.findall(r"[a-z]+", c.text)) & INTENSE

    def sentence_form(self, w):
        """Where w stands in its sentence: (the words before, the form shown, the words
        after), lowercased, or None when the sentence does not show it."""
        usage, forms = self.usages[w.word]
        tokens = re.findall(r"[\w'-]+|[^\w\s]", usage.lower())
        shown = sorted(({f.lower() for f in forms}), key=lambda f: -len(f.split()))
        for at in range(len(tokens)):
            for form in shown:
                size = len(form.split())
                if tokens[at:at + size] == form.split():
                    return tokens[:at], form, tokens[at + size:]
        return None

    def form_of(self, w, shown):
        """The inflection the sentence shows w in: "", "s", "ed" or "ing"."""
        if shown == w.spelling:
            return ""
        for form in ("s", "ed", "ing"):
            if shown == self.regular_or_listed(w, form, w.pos) or shown == inflect(w.spelling,
                                                                                   form):
                return form
        return "other"

    def regular_or_listed(self, c, form, pos):
        """c's form as English writes it: WordNet's irregular form where it lists one for the
        ending, else the regular one."""
        made = inflect(c.spelling, form)
        words = c.spelling.split(" ")
        at = 0 if pos == "v" else len(words) - 1
        ending = {"s": ("s",), "ed": ("ed", "d", "t", "n"), "ing": ("ing",)}[form]
        irregular = [x for x in self.wordnet.exceptions[pos].get(words[at], [])
                     if x.endswith(ending) and not (form == "ed" and x.endswith("ing"))]
        if irregular:
            return " ".join(words[:at] + [irregular[0]] + words[at + 1:])
        return made

    def slot(self, w, c):
        """Why c cannot stand in w's sentence where w does; None when it can."""
        found = self.sentence_form(w)
        if found is None:
            return "the word's sentence does not show it"
        before, shown, after = found
        article = before[-1] if before else ""
        if article in ("a", "an"):
            wants = "an" if self.starts_with_vowel(c) else "a"
            if wants != article:
                return f"the sentence has '{article}' before the word, and {c.word} needs " \
                    f"'{wants}'"
        form = self.form_of(w, shown)
        if form == "other":
            return f"the sentence shows the word as '{shown}', a form the program does not make"
        if form:
            made, right = inflect(c.spelling, form), self.regular_or_listed(c, form, c.pos)
            if made != right:
                return f"the sentence shows '{shown}', and the regular rule makes '{made}' " \
                    f"of {c.word}, not '{right}'"
        if after and after[0] in IDIOM_ADVERBS and not self.said_with(c, IDIOM_ADVERBS):
            return f"the sentence says '{shown} {after[0]}', and neither {c.word}'s sentence " \
                f"nor WordNet's examples say {c.word} so"
        if w.pos == "v" and after and after[0] in GOVERNED \
                and not self.said_with(c, {after[0]}, GOVERNED_REACH):
            return f"the sentence says '{shown} {after[0]}', and neither {c.word}'s sentence " \
                f"nor WordNet's examples say {c.word} {after[0]}"
        if w.pos == "v":
            return self.verb_slot(w, c, before, form, after)
        if w.pos == "a":
            return self.adjective_slot(c, before, after)
        return None

    def said_with(self, c, following, reach=1):
        """Whether c's own sentence or WordNet's examples of its sense show it followed by
        one of following within reach words."""
        forms = {f.lower() for f in self.usages[c.word][1]}
        for text in [self.usages[c.word][0]] + re.findall(r'"([^"]*)"', c.synset["gloss"]):
            tokens = re.findall(r"[\w'-]+|[^\w\s]", text.lower())
            if any(t in forms and set(following) & set(tokens[at + 1:at + 1 + reach])
                   for at, t in enumerate(tokens)):
                return True
        return False

    def verb_slot(self, w, c, before, form, after):
        frames = self.frames(c)
        mine = self.frames(w)
        passive = form == "ed" and any(b in BE for b in before[-2:])
        nxt = after[0] if after else ""
        if passive or nxt in OBJECT_STARTS:
            use = "with an object"
            fits = frames & TRANSITIVE_FRAMES
            if self.frames(c, own=True) & PREPOSITION_FRAMES \
                    and not self.frames(w, own=True) & PREPOSITION_FRAMES:
                return f"the sentence gives the verb an object, and WordNet says " \
                    f"{c.word} with a preposition"
        elif not nxt or not nxt[0].isalnum():
            use = "without an object"
            fits = frames & INTRANSITIVE_FRAMES
        else:
            # Not told by the next word: the two must share the kinds of use.
            use = "as WordNet's frames of the word allow"
            fits = (not mine & TRANSITIVE_FRAMES or frames & TRANSITIVE_FRAMES) and \
                (not mine & INTRANSITIVE_FRAMES or frames & INTRANSITIVE_FRAMES)
        if not fits:
            return f"the sentence uses the verb {use}, which WordNet's frames of " \
                f"{c.word} do not allow"
        return None

    def adjective_slot(self, c, before, after):
        marker = self.marker(c)
        if not marker:
            return None
        nxt = after[0] if after else ""
        attributive = nxt.isalpha() and nxt not in NOT_NOUNS and nxt in self.wordnet.index["n"]
        predicative = bool(before) and before[-1] in LINKING
        if marker == "p" and attributive and not predicative:
            return f"the word stands before a noun, where {c.word} is not used"
        if marker in ("a", "ip") and predicative:
            return f"the word stands after a verb, where {c.word} is not used"
        return None

    def starts_with_vowel(self, c):
        ipa = self.ipa.get(c.word, "").lstrip("/ˈˌ")
        if ipa:
            return ipa[0] in "aeiouæɑɒɔəɛɪʊʌɜ"
        return c.spelling[0] in "aeio" or c.spelling.startswith("un")

    def partners(self, w):
        """w's partners, best first, and every candidate with why it was dropped."""
        kept, dropped = [], []
        for c in self.candidates(w):
            how, why = self.judge(w, c)
            if how:
                kept.append((HOW[how], c.number, c, how))
            else:
                dropped.append((c, why))
        return [(c, how) for *_, c, how in sorted(kept)], dropped

    def all(self):
        """Each word's partners, in the list's order."""
        return [[c for c, _ in self.partners(w)[0]] for w in self.choices]


def apart_path(listpath):
    return os.path.splitext(listpath)[0] + ".apart"


def synonyms_path(output):
    return os.path.splitext(output)[0] + ".synonyms.tsv"


def render(choices, found, dictionary, listname):
    """A comment line, then a line for each word with partners: the word and its partners,
    best first, each after a tab.  Lines end in CR LF like the dictionary's."""
    lines = [f"# Sentence-equivalence partners for {dictionary}, made by tools/make-dictionary "
             f"from {listname}, WordNet 3.0 and the thesaurus: a word, then the words that fit "
             "its sentence with the same meaning, best first"]
    lines += ["\t".join([w.word] + [c.word for c in partners])
              for w, partners in zip(choices, found) if partners]
    return ("\r\n".join(lines) + "\r\n").encode("utf-8")


def show(partners, word, spelled):
    """What --synonyms prints: the word's sentence, each candidate and why it was kept or
    dropped."""
    for w in partners.choices:
        if w.spelling == spelled:
            print(f"{w.word}: {w.meaning}\n  {partners.usages[w.word][0]}")
            kept, dropped = partners.partners(w)
            for number, (c, how) in enumerate(kept, 1):
                print(f"{number:3}. {c.word}: {c.meaning}\n     kept: "
                      + ("one WordNet synset" if how == "synset" else "similar in WordNet")
                      + ", listed each under the other's sense in the thesaurus")
            if dropped:
                print("dropped:")
            for c, why in dropped:
                print(f"   - {c.word}: {c.meaning}\n     {why}")
            return 0
    return 1


def counts(choices, found):
    """How many words have a partner, by part of speech."""
    return collections.Counter(w.pos for w, partners in zip(choices, found) if partners)
