#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""No text of the windows reaches the user without going through tr().

Reads the window sources (src/widgets, src/platform/widgets) and lists the string literals that
look like words and are shown as they are: those in QStringLiteral, and those handed, bare or
wrapped, straight to a call that shows a text. What is not for the user's eyes (object names,
style sheets, font families, formats, patterns) is skipped by the call it goes to; the rest
that is no user text stands in ALLOWED, by file."""

import os
import re
import unittest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
FOLDERS = ["src/widgets", "src/platform/widgets"]

TRANSLATED = {"tr", "translate", "QT_TRANSLATE_NOOP", "QT_TR_NOOP"}
NOT_SHOWN = {"setObjectName", "setStyleSheet", "QFont", "setFamily", "insertSubstitutions",
             "setDisplayFormat", "QRegularExpression", "Q_LOGGING_CATEGORY", "toString"}
WRAPPERS = {"QLatin1String", "QLatin1StringView", "QString", "fromUtf8", "fromLatin1"}
SHOWN = {"setWindowTitle", "setText", "setToolTip", "setStatusTip", "setWhatsThis",
         "setAccessibleName", "setAccessibleDescription", "setPlaceholderText", "setTitle",
         "addMenu", "addAction", "addItem", "addTab", "setTabText", "message", "setSuffix",
         "setPrefix", "setHorizontalHeaderLabels", "QLabel", "QPushButton", "QGroupBox",
         "QCheckBox", "QRadioButton", "QAction", "QToolButton", "QListWidgetItem", "QMenu",
         "QTableWidgetItem"}

# Texts that look like words but are keys, names or markup, not captions or messages.
ALLOWED = {
    "src/widgets/main/toolbaricons.cpp":  # keys of the description toolbar's icons
        {"Align Left", "Center", "Align Right", "Copy", "Cut", "Paste", "Italic", "Bold"},
    "src/widgets/help/helpfile.cpp":  # window names and their help pages
        {"FormMain", "FormStudy", "FormPractice", "FormProgress", "FormImport", "FormFlash",
         "FormMemory", "FormList", "FormResults", "FormOptions", "FormSelect", "FormEdit"},
    "src/widgets/help/formhelp.cpp": {'<ul class="contents">'},  # read from the help page
    "src/widgets/study/formstudy.cpp": {"<b>%1</b> %2"},
    "src/widgets/store/formselect.cpp": {"XML"},  # the dictionaries' folder
    "src/widgets/importing/formimport.cpp": {"UTF-8", "UTF-16"},
    "src/widgets/main/formmainlayout.cpp": {"Webster"},  # the look-up service's own name
    "src/widgets/progress/calendarchart.cpp": {"Wed"},  # measures the widest day label
    "src/widgets/progress/formprogress.cpp": {"d MMM"},  # a date format
}

LITERAL = re.compile(r'(?:u8|u|U|L)?R"([^(\s]*)\((.*?)\)\1"|(?:u8|u|U|L)?"((?:[^"\\\n]|\\.)*)"'
                     r"|'(?:[^'\\\n]|\\.)*'|//[^\n]*|/\*.*?\*/|(\w+)|([()])", re.S)


def unescaped(text):
    return re.sub(r"\\(u[0-9a-fA-F]{4}|.)", lambda m: chr(int(m.group(1)[1:], 16))
                  if len(m.group(1)) == 5 else {"n": "\n", "r": "\r", "t": "\t"}.get(
                      m.group(1), m.group(1)), text)


def literals(source):
    """Each string literal (adjacent ones joined) with its line and the calls around it,
    innermost first; a call is named by the word before its parenthesis and, for a
    declaration (QFont title(...)), the type before that."""
    found, calls, words, joined_until, word_end = [], [], [], None, None
    for match in LITERAL.finditer(source):
        raw, text, name, paren = match.group(2), match.group(3), match.group(4), match.group(5)
        if raw is not None or text is not None:
            value = raw if raw is not None else unescaped(text)
            if joined_until is not None and source[joined_until:match.start()].isspace():
                found[-1] = (found[-1][0] + value,) + found[-1][1:]
            else:
                line = source.count("\n", 0, match.start()) + 1
                found.append((value, line, calls[::-1]))
            joined_until, words = match.end(), []
            continue
        joined_until = None
        if name:
            adjacent = word_end is not None and source[word_end:match.start()].isspace()
            words = (words[-1:] if adjacent else []) + [name]
            word_end = match.end()
            continue
        if paren == "(":
            calls.append(set(words))
        elif paren == ")":
            calls = calls[:-1]
        words, word_end = [], None
    return found


def looks_like_words(text):
    designer_name = re.fullmatch(r"[A-Z]\w*\d+(\(\d+\))?\.?", text)
    return (re.search(r"[A-Za-z]", text) is not None and not designer_name
            and (" " in text or text[0].isupper() or text[0] == "&"))


def untranslated(source, allowed=frozenset()):
    found = []
    for text, line, calls in literals(source):
        around = set().union(*calls) if calls else set()
        if not calls or around & (TRANSLATED | NOT_SHOWN):
            continue
        inner, outer = calls[0], calls[1] if len(calls) > 1 else set()
        shown = "QStringLiteral" in inner or inner & SHOWN or (inner & WRAPPERS and outer & SHOWN)
        if shown and looks_like_words(text) and text not in allowed:
            found.append((line, text))
    return found


class UntranslatedTextsTest(unittest.TestCase):
    def test_the_checker_tells_shown_texts_from_names(self):
        cases = [
            ('setWindowTitle(QStringLiteral("Foo Bar"));', [(1, "Foo Bar")]),
            ('const QString caption = QStringLiteral("Saved");', [(1, "Saved")]),
            ('label->setToolTip("Opens " "the file");', [(1, "Opens the file")]),
            ('box.setText(QLatin1String("&Ok"));', [(1, "&Ok")]),
            ('new QPushButton(tr("&Ok"));', []),
            ('x = QT_TRANSLATE_NOOP("c", "Comma");', []),
            ('b->setObjectName(QStringLiteral("Command2(0)") + QStringLiteral("Save"));', []),
            ('named(new QLabel, QStringLiteral("Label10"));', []),
            ('QFont f(QStringLiteral("Comic Sans MS"));', []),
            ('if (key == QLatin1String("Align Left")) {}', []),
            ('// setWindowTitle(QStringLiteral("Foo Bar"));', []),
        ]
        for source, expected in cases:
            with self.subTest(source=source):
                self.assertEqual(untranslated(source), expected)

    def test_the_windows_show_no_untranslated_text(self):
        problems, unused = [], {path: set(texts) for path, texts in ALLOWED.items()}
        for folder in FOLDERS:
            for base, _, names in os.walk(os.path.join(ROOT, folder)):
                for name in sorted(n for n in names if n.endswith((".cpp", ".h"))):
                    path = os.path.relpath(os.path.join(base, name), ROOT)
                    with open(os.path.join(ROOT, path), encoding="utf-8") as f:
                        source = f.read()
                    allowed = ALLOWED.get(path, set())
                    unused.get(path, set()).difference_update(t for t, _, _ in literals(source))
                    problems += [f"{path}:{line}: {text!r}"
                                 for line, text in untranslated(source, allowed)]
        self.assertEqual(problems, [], "texts the user sees without tr(): wrap them in tr(), "
                         "or list them in ALLOWED if they are no user text")
        self.assertEqual({p: t for p, t in unused.items() if t}, {},
                         "ALLOWED names texts the sources no longer have")


if __name__ == "__main__":
    unittest.main()
