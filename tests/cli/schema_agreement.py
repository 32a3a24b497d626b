#!/usr/bin/env python3
"""The JSON Schema of decks and `quarrion-cli build` agree: every example and the sample
deck's dump are valid for both, and each invalid deck (one kind of mistake each) is refused
by both at the same JSON pointer, with nothing written.

usage: schema_agreement.py QUARRION_CLI SCHEMA EXAMPLES_DIR
"""
import copy
import json
import pathlib
import re
import subprocess
import sys
import tempfile

import jsonschema

CLI = str(pathlib.Path(sys.argv[1]).resolve())
SCHEMA, EXAMPLES = pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3]).resolve()
failures = []


def pointer(parts):
    return "".join("/" + str(p).replace("~", "~0").replace("/", "~1") for p in parts)


def schema_pointers(validator, deck):
    """The places the schema refuses. A member it does not know, or one it misses, is
    reported on the object holding it; the pointer then names the member, as build's does.
    Once a member fails, the schema also counts the members checked beside it, and those
    of the objects around it, as unevaluated: those reports only count when nothing else
    failed, and then only on the innermost object."""
    found, unevaluated = set(), {}
    for error in validator.iter_errors(deck):
        path = list(error.absolute_path)
        if error.validator in ("unevaluatedProperties", "additionalProperties"):
            for name in re.findall(r"'([^']*)'", error.message.split("(")[-1]):
                if error.validator == "unevaluatedProperties":
                    unevaluated.setdefault(len(path), set()).add(pointer(path + [name]))
                else:
                    found.add(pointer(path + [name]))
        elif error.validator == "required":
            found.add(pointer(path + [re.match(r"'([^']*)'", error.message).group(1)]))
        else:
            found.add(pointer(path))
    return found or (unevaluated[max(unevaluated)] if unevaluated else set())


def build(deck, workdir):
    source, target = workdir / "deck.json", workdir / "deck.qsl"
    target.unlink(missing_ok=True)
    source.write_text(json.dumps(deck), encoding="utf-8")
    run = subprocess.run([CLI, "build", str(source), str(target)], capture_output=True, text=True,
                         cwd=EXAMPLES)
    prefix = str(source) + ": "
    place = None
    if run.returncode != 0 and run.stderr.startswith(prefix):
        place = run.stderr[len(prefix):].split(": ")[0]
    return run.returncode, place, target.exists(), run.stderr.strip()


# One deck per kind of mistake: where it goes, the value put there (None: the member is
# removed), and the pointer both must name.
BASE = {"pages": [{"title": "One", "objects": [
    {"class": "text", "text": "Hi"},
    {"class": "rectangle", "gradient": {"type": "radial", "end": {"radius": 0.5}},
     "links": [{"kind": "web", "target": "https://example.org/"}]},
    {"class": "bezier", "control": [0, 0, 10, 10]},
    {"class": "guide", "orientation": 1}]}],
    "resources": [{"name": "a.bin", "data": "AAEC"}]}
MISTAKES = [
    ("/pages/0/objects/0/colur", "#FF0000", "/pages/0/objects/0/colur"),            # unknown member
    ("/pageWidth", "wide", "/pageWidth"),                                            # wrong type
    ("/pages/0/objects/1/left", 70000, "/pages/0/objects/1/left"),                   # out of range
    ("/pages/0/objects/0/fontSize", 12.5, "/pages/0/objects/0/fontSize"),            # not whole
    ("/pages/0/objects/1/fillColour", "red", "/pages/0/objects/1/fillColour"),       # colour
    ("/pages/0/objects/0/alignment", "middle", "/pages/0/objects/0/alignment"),      # enumeration
    ("/pages/0/objects/0/class", "blob", "/pages/0/objects/0/class"),                # unknown class
    ("/pages/0/objects/2/class", None, "/pages/0/objects/2/class"),                  # class left out
    ("/pages", [], "/pages"),                                                        # no pages
    ("/format", "other", "/format"),                                                 # not a deck
    ("/pages/0/objects/1/gradient/end/x", 300, "/pages/0/objects/1/gradient/end/x"), # gradient range
    ("/pages/0/objects/1/gradient/class", "rectangle", "/pages/0/objects/1/gradient/class"),
    ("/pages/0/objects/1/gradient/links", [], "/pages/0/objects/1/gradient/links"),  # not in a gradient
    ("/pages/0/objects/1/links/0/kind", "mail", "/pages/0/objects/1/links/0/kind"),
    ("/pages/0/objects/1/dash", [4, 256], "/pages/0/objects/1/dash/1"),
    ("/pages/0/objects/2/control", [0, 0, 10], "/pages/0/objects/2/control"),
    ("/pages/0/objects/3/orientation", 2, "/pages/0/objects/3/orientation"),
    ("/pages/0/objects/1/bottom", 65536, "/pages/0/objects/1/bottom"),               # guides only
    ("/pages/0/objects/1/lineWidth", -1, "/pages/0/objects/1/lineWidth"),
    ("/pages/0/title", "\u4e2d", "/pages/0/title"),                                  # not Windows-1252
    ("/info", {"autor": "me"}, "/info/autor"),
    ("/resources/0/data", "AAE", "/resources/0/data"),                               # not base64
    ("/resources/0/name", "n" * 256, "/resources/0/name"),
]


def main():
    schema = json.loads(SCHEMA.read_text(encoding="utf-8"))
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    with tempfile.TemporaryDirectory() as tmp:
        workdir = pathlib.Path(tmp)
        subprocess.run([CLI, "demo", str(workdir / "demo")], check=True, capture_output=True)
        dump = subprocess.run([CLI, "dump", str(workdir / "demo" / "demo.qsl")], check=True,
                              capture_output=True, text=True).stdout
        valid = [("sample deck dump", json.loads(dump)), ("the base of the mistakes", BASE)]
        limits = pathlib.Path(__file__).resolve().parents[2] / "fuzz/corpus/json/seed-format-limits.json"
        valid += [(p.name, json.loads(p.read_text(encoding="utf-8")))
                  for p in sorted(EXAMPLES.glob("*.json")) + [limits]]
        # The decks shown in the format's documentation, which must be the examples.
        manual = (pathlib.Path(__file__).resolve().parents[2] / "docs/JSON.md").read_text(encoding="utf-8")
        shown = re.findall(r"```json\n(.*?)```", manual, re.S)
        valid += [(f"docs/JSON.md deck {i + 1}", json.loads(text)) for i, text in enumerate(shown)]
        for p in EXAMPLES.glob("*.json"):
            if p.read_text(encoding="utf-8") not in shown:
                failures.append(f"{p.name} is not shown as it is in docs/JSON.md")
        for name, deck in valid:
            errors = schema_pointers(validator, deck)
            status, place, _, message = build(deck, workdir)
            if errors or status != 0:
                failures.append(f"{name}: schema {sorted(errors)}, build {status} {message}")

        for where, value, expected in MISTAKES:
            deck = copy.deepcopy(BASE)
            parent, _, key = where.rpartition("/")
            holder = deck
            for part in filter(None, parent.split("/")):
                holder = holder[int(part)] if isinstance(holder, list) else holder[part]
            if value is None:
                del holder[key]
            else:
                holder[key] = value
            errors = schema_pointers(validator, deck)
            status, place, written, message = build(deck, workdir)
            if errors != {expected} or place != expected or status != 1 or written:
                failures.append(f"{where} = {value!r}: schema {sorted(errors)}, build {status} "
                                f"at {place} ({message}), file written: {written}")

    for f in failures:
        print("FAIL", f)
    print(f"{len(valid)} valid decks, {len(MISTAKES)} mistakes checked, {len(failures)} failures")
    return 1 if failures else 0


sys.exit(main())
