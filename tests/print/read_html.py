#!/usr/bin/env python3
"""Reads a web page with Python's HTML parser and prints what a reader of it would get, as
JSON: its language, character set, title, headings and paragraphs, every table cell by
cell (text and class), every attribute that could fetch something from elsewhere, the
scripts, and whether every element that was opened was closed in order. A page that is not
UTF-8 makes it fail."""
import json
import sys
from html.parser import HTMLParser

VOID = {"meta", "link", "br", "img", "input", "hr", "source", "col", "wbr"}
FETCHING = {"src", "href", "srcset", "action", "data", "poster", "background"}


class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.out = {"lang": None, "charset": None, "viewport": None, "title": "", "h1": [], "p": [],
                    "sections": [], "scripts": 0, "fetching": [], "style": "", "text": "", "balanced": True}
        self.stack = []
        self.cell = None
        self.row = None
        self.capture = None  # the list (or key) that collects the text of the open heading

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        for name, value in attrs:
            if name in FETCHING or name.startswith("on"):
                self.out["fetching"].append(f"{tag} {name}={value}")
        if tag not in VOID:
            self.stack.append(tag)
        if tag == "html":
            self.out["lang"] = a.get("lang")
        elif tag == "meta" and "charset" in a:
            self.out["charset"] = a["charset"]
        elif tag == "meta" and a.get("name") == "viewport":
            self.out["viewport"] = a.get("content")
        elif tag == "script":
            self.out["scripts"] += 1
        elif tag == "section":
            self.out["sections"].append({"h2": "", "head": [], "rows": []})
        elif tag == "tr":
            self.row = []
        elif tag in ("td", "th"):
            self.cell = {"text": "", "class": a.get("class", "")}
        elif tag in ("h1", "p", "h2", "title"):
            self.capture = tag
            if tag in ("h1", "p"):
                self.out[tag].append("")

    def handle_endtag(self, tag):
        if tag in VOID:
            return
        if not self.stack or self.stack[-1] != tag:
            self.out["balanced"] = False
        else:
            self.stack.pop()
        if tag in ("td", "th") and self.cell is not None:
            self.row.append(self.cell)
            self.cell = None
        elif tag == "tr" and self.row is not None:
            section = self.out["sections"][-1]
            if "thead" in self.stack:
                section["head"] = [c["text"] for c in self.row]
            else:
                section["rows"].append([[c["text"], c["class"]] for c in self.row])
            self.row = None
        elif tag == self.capture:
            self.capture = None

    def handle_data(self, data):
        if "style" in self.stack:
            self.out["style"] += data
            return
        self.out["text"] += data
        if self.cell is not None:
            self.cell["text"] += data
        if self.capture == "title":
            self.out["title"] += data
        elif self.capture in ("h1", "p"):
            self.out[self.capture][-1] += data
        elif self.capture == "h2":
            self.out["sections"][-1]["h2"] += data


with open(sys.argv[1], "rb") as f:
    raw = f.read()
page = Page()
page.feed(raw.decode("utf-8"))
page.close()
if page.stack:
    page.out["balanced"] = False
page.out["doctype"] = raw.startswith(b"<!DOCTYPE html>")
print(json.dumps(page.out, ensure_ascii=False))
