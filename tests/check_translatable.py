#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails on a text a user reads that is not marked for translation.

Scans the product's sources for string literals that read as words ("Open file",
"Tabular", "Save As...") outside Qt's translation calls (tr, translate, QT_TR_NOOP,
QT_TRANSLATE_NOOP and their plural forms). What is never translated is exempt:
diagnostics (qDebug and the logging categories), object names, and any statement
that carries a comment with the word "untranslated" saying why (a file format, a
settings key, a command-line option, a line scripts parse).

Usage: check_translatable.py SOURCE_DIR
"""
import pathlib
import re
import sys

FOLDERS = ["base", "platform", "meter", "alarm", "link", "log", "graph", "publish",
           "recording", "app"]
TRANSLATING = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TR_N_NOOP",
               "QT_TRANSLATE_N_NOOP", "QT_TRANSLATE_NOOP3", "qtTrId"}
# Calls whose texts are for programs or developers, never for users.
EXEMPT_CALLS = {"setObjectName", "findChild", "findChildren", "Q_LOGGING_CATEGORY",
                "qDebug", "qInfo", "qWarning", "qCritical", "qFatal", "qCDebug", "qCInfo",
                "qCWarning", "qCCritical", "Q_ASSERT", "Q_ASSERT_X", "static_assert",
                "setProperty", "property", "inherits", "QMetaObject::invokeMethod",
                "Q_DECLARE_TR_FUNCTIONS", "setStyleSheet"}
EXEMPT_STATEMENT = re.compile(r"\b(qC?(Debug|Info|Warning|Critical)|Q_LOGGING_CATEGORY)\b")

# Two words of letters, or one capitalised word (maybe with an accelerator, an
# ellipsis or a colon): how captions, titles and messages look.
PROSE = re.compile(r"[A-Za-z]{2,}[,;:!?'’)-]*\s+[(]?[A-Za-z]{2,}")
CAPTION = re.compile(r"^&?[A-Z][a-z&]{2,}(\.\.\.|…|:)?$")


def tokens(text):
    """Yields (kind, value, position) for identifiers, literals, comments and punctuation."""
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            yield "comment", text[i:j], i
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            yield "comment", text[i:j], i
            i = j
        elif c == "#" and (i == 0 or text[text.rfind("\n", 0, i) + 1:i].strip() == ""):
            # Preprocessor lines: includes and macros name files, not texts.
            j = i
            while True:
                j = text.find("\n", j)
                if j < 0 or text[j - 1] != "\\":
                    break
                j += 1
            j = n if j < 0 else j
            yield "directive", text[i:j], i
            i = j
        elif c == "R" and text.startswith('R"', i):
            m = re.match(r'R"([^(]*)\(', text[i:])
            end = text.find(")" + m.group(1) + '"', i)
            yield "string", text[i + len(m.group(0)):end], i
            i = end + len(m.group(1)) + 2
        elif c == '"':
            j = i + 1
            while j < n and text[j] != '"':
                j += 2 if text[j] == "\\" else 1
            yield "string", text[i + 1:j], i
            i = j + 1
        elif c == "'":
            j = i + 1
            while j < n and text[j] != "'":
                j += 2 if text[j] == "\\" else 1
            i = j + 1
        elif c.isalpha() or c == "_":
            m = re.match(r"[A-Za-z_][A-Za-z0-9_]*(::[A-Za-z_][A-Za-z0-9_]*)*", text[i:])
            yield "name", m.group(0), i
            i += len(m.group(0))
        elif c.isspace():
            i += 1
        else:
            yield "punct", c, i
            i += 1


def check(path, root):
    text = path.read_text(encoding="utf-8")
    problems = []
    calls = []          # names of the calls whose parentheses enclose this point
    last_name = None
    statement = []      # literals of the current statement, exempted by a comment
    statement_text = []
    exempt = False

    def close_statement():
        nonlocal exempt
        joined = " ".join(statement_text)
        if not exempt and not EXEMPT_STATEMENT.search(joined):
            problems.extend(statement)
        statement.clear()
        statement_text.clear()
        exempt = False

    for kind, value, pos in tokens(text):
        if kind == "comment":
            if "untranslated" in value:
                exempt = True
            continue
        if kind == "directive":
            continue
        statement_text.append(value)
        if kind == "name":
            last_name = value
            continue
        if kind == "punct":
            if value == "(":
                calls.append(last_name or "")
            elif value == ")" and calls:
                calls.pop()
            elif value in ";{}":
                # Also inside a call: a lambda's body holds statements of its own.
                close_statement()
            last_name = None
            continue
        last_name = None
        if any(c.split("::")[-1] in TRANSLATING or c in EXEMPT_CALLS
               or c.split("::")[-1] in EXEMPT_CALLS for c in calls):
            continue
        literal = value.replace("\\n", " ").strip()
        if PROSE.search(literal) or CAPTION.match(literal):
            line = text.count("\n", 0, pos) + 1
            statement.append(f"{path.relative_to(root)}:{line}: \"{value}\"")
    close_statement()
    return problems


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    problems = []
    files = 0
    for folder in FOLDERS:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix in (".cpp", ".h"):
                files += 1
                problems.extend(check(path, root))
    for problem in problems:
        print(f"{problem} is not marked for translation", file=sys.stderr)
    print(f"{files} files, {len(problems)} texts not marked for translation")
    return 1 if problems or files == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
