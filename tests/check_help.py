#!/usr/bin/env python3
"""Checks the user guide that ships in the run-time tree as help/.

The program opens help\\index.html with the shell, so the guide must be a
plain, self-contained static site:

- every page is UTF-8, declares its charset and has a title;
- no scripts, no external style sheets, fonts or frames, no event-handler
  attributes;
- every link and image is a relative reference to a file under the help
  folder (no scheme such as http: or file:, no //host, no absolute path, no
  backslash, nothing outside the folder), and a #fragment names an id of
  the page it points to;
- CSS url() references follow the same rule; @import is not allowed;
- the pages parse with html.parser with every element closed in order (void
  elements excepted) and no id used twice in a page;
- every page can be reached from index.html, and every file under images/ is
  used by some page.

    python3 tests/check_help.py [HELP_DIR]     (default: data/help)

Exit status 0 when all is well, 1 with one line per problem otherwise,
2 when the folder or its index.html is missing. Standard library only.
"""
import html.parser
import pathlib
import re
import sys
import urllib.parse

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link",
        "meta", "source", "track", "wbr"}
FORBIDDEN = {"script", "link", "iframe", "frame", "frameset", "object",
             "embed", "applet", "base", "noscript"}
URL_ATTRS = {"href", "src", "action", "formaction", "data", "poster",
             "background", "cite", "longdesc", "manifest", "xlink:href"}
CSS_URL = re.compile(r"url\(\s*(['\"]?)(.*?)\1\s*\)", re.IGNORECASE)


class Page(html.parser.HTMLParser):
    def __init__(self, name):
        super().__init__(convert_charrefs=True)
        self.name = name
        self.problems = []
        self.stack = []          # (tag, line)
        self.ids = set()
        self.refs = []           # (line, tag, url)
        self.has_charset = False
        self.title = ""
        self.in_title = False
        self.in_style = False

    def problem(self, text, line=None):
        line = self.getpos()[0] if line is None else line
        self.problems.append(f"{self.name}:{line}: {text}")

    def check_attrs(self, tag, attrs):
        line = self.getpos()[0]
        for key, value in attrs:
            value = "" if value is None else value
            if key.startswith("on"):
                self.problem(f"<{tag}> has the script attribute {key}")
            elif key in URL_ATTRS:
                self.refs.append((line, tag, value))
            elif key == "srcset":
                for candidate in value.split(","):
                    url = candidate.strip().split(" ")[0]
                    if url:
                        self.refs.append((line, tag, url))
            elif key == "style":
                self.check_css(value, line)
            elif key == "id" or (key == "name" and tag == "a"):
                if key == "id" and value in self.ids:
                    self.problem(f"id {value!r} is used twice")
                self.ids.add(value)
            elif key == "charset" and tag == "meta":
                self.has_charset = value.strip().lower() == "utf-8"
                if not self.has_charset:
                    self.problem(f"charset {value!r} declared; the pages are UTF-8")
            elif key == "http-equiv" and value.strip().lower() == "refresh":
                self.problem("<meta http-equiv=refresh> leads elsewhere")

    def check_css(self, text, line):
        if "@import" in text.lower():
            self.problem("CSS @import pulls in another file", line)
        for match in CSS_URL.finditer(text):
            self.refs.append((line, "url()", match.group(2)))

    def handle_starttag(self, tag, attrs):
        if tag in FORBIDDEN:
            self.problem(f"<{tag}> is not allowed in the guide")
        self.check_attrs(tag, attrs)
        if tag == "title":
            self.in_title = True
        if tag == "style":
            self.in_style = True
        if tag not in VOID:
            self.stack.append((tag, self.getpos()[0]))

    def handle_startendtag(self, tag, attrs):
        if tag in FORBIDDEN:
            self.problem(f"<{tag}> is not allowed in the guide")
        self.check_attrs(tag, attrs)
        if tag not in VOID:
            self.problem(f"<{tag}/> is not a closed element in HTML; write <{tag}></{tag}>")

    def handle_endtag(self, tag):
        if tag == "title":
            self.in_title = False
        if tag == "style":
            self.in_style = False
        if tag in VOID:
            self.problem(f"</{tag}>: {tag} is a void element and has no end tag")
            return
        if not self.stack:
            self.problem(f"</{tag}> closes nothing")
            return
        open_tag, open_line = self.stack[-1]
        if open_tag == tag:
            self.stack.pop()
            return
        if any(t == tag for t, _ in self.stack):
            # Report the inner elements left open, then close up to the tag.
            while self.stack and self.stack[-1][0] != tag:
                inner, inner_line = self.stack.pop()
                self.problem(f"<{inner}> opened on line {inner_line} is not closed before </{tag}>")
            self.stack.pop()
        else:
            self.problem(f"</{tag}> does not match <{open_tag}> opened on line {open_line}")

    def handle_data(self, data):
        if self.in_title:
            self.title += data
        if self.in_style:
            self.check_css(data, self.getpos()[0])

    def finish(self):
        self.close()
        for tag, line in self.stack:
            self.problem(f"<{tag}> is never closed", line)
        if not self.has_charset:
            self.problem('no <meta charset="utf-8">', 1)
        if not self.title.strip():
            self.problem("no <title>", 1)


def check(help_dir):
    help_dir = help_dir.resolve()
    problems = []
    pages = {}
    for path in sorted(help_dir.rglob("*.html")):
        rel = path.relative_to(help_dir).as_posix()
        page = Page(rel)
        try:
            text = path.read_bytes().decode("utf-8")
        except UnicodeDecodeError as error:
            problems.append(f"{rel}: not UTF-8 ({error})")
            continue
        page.feed(text)
        page.finish()
        problems.extend(page.problems)
        pages[path] = page

    links = {path: set() for path in pages}   # page -> pages it links to
    used = set()
    count = 0
    for path, page in pages.items():
        for line, tag, url in page.refs:
            count += 1
            shown = "CSS url()" if tag == "url()" else f"<{tag}>"
            where = f"{page.name}:{line}: {shown} {url!r}"
            url = url.strip()
            if not url:
                problems.append(f"{where}: empty reference")
                continue
            parts = urllib.parse.urlsplit(url)
            if parts.scheme or parts.netloc:
                kind = f"{parts.scheme}: reference" if parts.scheme else "reference to another host"
                problems.append(f"{where}: {kind}; the guide links only to its own files, by relative paths")
                continue
            if "\\" in url:
                problems.append(f"{where}: backslash in a URL; use /")
                continue
            if parts.path.startswith("/"):
                problems.append(f"{where}: absolute path; use a path relative to the page")
                continue
            if parts.path:
                target = (path.parent / urllib.parse.unquote(parts.path)).resolve()
            else:
                target = path
            if help_dir not in target.parents:
                problems.append(f"{where}: points outside the help folder")
                continue
            if not target.is_file():
                problems.append(f"{where}: no such file under the help folder")
                continue
            used.add(target)
            if target in pages:
                links[path].add(target)
            if parts.fragment:
                anchor = urllib.parse.unquote(parts.fragment)
                if target not in pages:
                    problems.append(f"{where}: #{anchor} on a file that is not a page")
                elif anchor not in pages[target].ids:
                    problems.append(f"{where}: no id {anchor!r} in {pages[target].name}")
            if tag == "img" and target.suffix.lower() not in {".png", ".jpg", ".jpeg", ".gif", ".svg", ".webp"}:
                problems.append(f"{where}: not an image file")

    index = help_dir / "index.html"
    reached, todo = {index}, [index]
    while todo:
        for target in links.get(todo.pop(), ()):
            if target not in reached:
                reached.add(target)
                todo.append(target)
    for path, page in pages.items():
        if path not in reached:
            problems.append(f"{page.name}: cannot be reached from index.html")
    images = help_dir / "images"
    if images.is_dir():
        for path in sorted(images.rglob("*")):
            if path.is_file() and path.resolve() not in used:
                problems.append(f"{path.relative_to(help_dir).as_posix()}: not used by any page")
    return problems, len(pages), count


def main(argv):
    default = pathlib.Path(__file__).resolve().parent.parent / "data" / "help"
    help_dir = pathlib.Path(argv[1]) if len(argv) > 1 else default
    if not (help_dir / "index.html").is_file():
        print(f"{help_dir}: no index.html", file=sys.stderr)
        return 2
    problems, pages, refs = check(help_dir)
    for line in problems:
        print(line)
    if problems:
        print(f"{len(problems)} problem(s) in {help_dir}")
        return 1
    print(f"{pages} page(s), {refs} reference(s): all resolve inside {help_dir}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
