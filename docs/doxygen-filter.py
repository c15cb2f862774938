#!/usr/bin/env python3
"""Doxygen input filter: reads a public header written in the library's comment style
and prints it with the comments Doxygen needs, line for line (so that a warning names
the line of the header).

The headers use plain // comments, as the house style asks; this turns them into
documentation without changing them:
  - the paragraph that opens a header documents its exported class (\\class), or the
    file when the header holds free functions (\\file);
  - a comment directly above a declaration documents it; when it stands above a run of
    declarations (const and non-const overloads, a setter with its getter), it
    documents each of them;
  - a comment after an enumerator or member on the same line documents that member;
  - a comment followed by a blank line or an #include is a section heading and stays
    out of the reference (one above an #if documents the macro defined under it).
"""

import re
import sys

COMMENT = re.compile(r"^(\s*)//(?!/)\s?(.*)$")
TRAILING = re.compile(r"^(\s*[^/\s#}].*?[,;]?)(\s+)//(?!/)\s?(.*)$")
# A class defined at namespace level (exported, or a class template of the headers).
EXPORTED = re.compile(r"^(?:class|struct)\s+(?:ORV_TESS_VARNAK_API\s+)?(\w+)(?!\w|\s*;)")
ENDS = ("public:", "protected:", "private:", "};", "}")


def escape(texts):
    """The lines of one comment with < and > shown as written (messages name "<name>").
    Doxygen shows quoted text and `code` as it stands; elsewhere they are escaped."""
    quoted = False
    out = []
    for text in texts:
        parts = re.split(r'(`[^`]*`|")', text)
        for k, part in enumerate(parts):
            if part == '"':
                quoted = not quoted
            elif not quoted and not part.startswith("`"):
                parts[k] = part.replace("<", "\\<").replace(">", "\\>")
        out.append("".join(parts))
    return out


def statement_end(lines, i):
    """Index of the line that ends the declaration starting at line i."""
    depth = 0
    while i < len(lines):
        code = lines[i].split("//")[0]
        depth += code.count("(") + code.count("{") - code.count(")") - code.count("}")
        if depth <= 0 and (code.rstrip().endswith(";") or code.rstrip().endswith("}")):
            return i
        i += 1
    return len(lines) - 1


def main():
    with open(sys.argv[1], encoding="utf-8") as handle:
        lines = handle.read().split("\n")
    out = list(lines)
    exported = [m.group(1) for m in map(EXPORTED.match, lines) if m]

    i = 0
    while i < len(lines):
        if not COMMENT.match(lines[i]):
            match = TRAILING.match(lines[i])
            if match and not lines[i].lstrip().startswith("#"):
                out[i] = f"{match.group(1)}{match.group(2)}///< {escape([match.group(3)])[0]}"
            i += 1
            continue
        start = i
        while i < len(lines) and COMMENT.match(lines[i]):
            i += 1
        block = range(start, i)
        following = lines[i].strip() if i < len(lines) else ""
        heading = not following or (following.startswith("#") and not following.startswith("#if"))
        if heading and start > 0:
            continue  # a heading, not the documentation of what follows
        texts = escape([COMMENT.match(lines[k]).group(2) for k in block])
        for k, text in zip(block, texts):
            out[k] = f"{COMMENT.match(lines[k]).group(1)}/// {text}".rstrip()
        if start == 0:
            # The opening paragraph: the class's description, or the file's.
            target = "\\file"
            if len(exported) == 1:
                target = f"\\class Orv::Tess::Varnak::{exported[0]}"
            out[block[-1]] += f" {target}"
            continue
        # The run of declarations the comment stands above.
        ends = []
        j = i
        while j < len(lines):
            stripped = lines[j].strip()
            if not stripped or stripped.startswith("//") or stripped in ENDS:
                break
            j = statement_end(lines, j)
            ends.append(j)
            j += 1
        # The comment documents each declaration of the run; the first takes it from
        # above, the others after their last line.
        doc = " ".join(texts)
        for end in ends[1:]:
            out[end] += f"  ///< {doc}"

    sys.stdout.write("\n".join(out))


if __name__ == "__main__":
    main()
