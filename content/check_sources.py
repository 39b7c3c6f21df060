#!/usr/bin/env python3
"""Checks the built-in content sources for the mistakes the file formats cannot survive.

Run from anywhere: python3 content/check_sources.py
It reads only files under content/ (and, when present, the quran-json chapter table
and the monajat database that two sources name). Exit status 1 on any problem.
"""
import json, os, re, sqlite3, sys

HERE = os.path.dirname(os.path.abspath(__file__))
CODES = ["RA_QDSI", "RA_MRFU", "RA_MQUF", "RA_MAQT", "LI_MUSN", "LI_MRSL", "LI_MTSL", "LI_MQTI",
         "LI_MDAL", "LI_MALQ", "NR_MTWT", "NR_AHMS", "NR_AHAZ", "NR_AHGH", "NT_ZITH", "NT_MUNK",
         "NT_MDRJ", "RR_SHIH", "RR_HASN", "RR_DAIF", "RR_MAUD"]
FEATS = ["FEAT_SEARCH", "FEAT_BOOKMARKS", "FEAT_GLOSSARY", "FEAT_WORD_SPELL", "FEAT_COLLS_MAN",
         "FEAT_ASSISTANT", "FEAT_REMOTE_AUD", "FEAT_PREFS", "FEAT_TIPS"]
problems = []


def bad(where, msg):
    problems.append("%s: %s" % (where, msg))


def load(rel):
    with open(os.path.join(HERE, rel), encoding="utf-8") as f:
        return json.load(f)


# Verse counts per chapter, for checking verse tags.
verse_count = {}
qpath = os.path.join(HERE, "npm/node_modules/quran-json/dist/chapters/en/index.json")
if os.path.exists(qpath):
    for ch in json.load(open(qpath, encoding="utf-8")):
        verse_count[ch["id"]] = ch["total_verses"]


def check_verses(where, text):
    for ref in re.findall(r"<<QVERSE:(.*?)>>", text):
        m = re.fullmatch(r"(\d+):(\d+)(?:-(\d+))?", ref)
        if not m:
            bad(where, "verse tag %r is not chapter:verse or chapter:first-last" % ref)
            continue
        ch, v1, v2 = int(m[1]), int(m[2]), int(m[3] or m[2])
        if not 1 <= ch <= 114:
            bad(where, "verse tag %r: no such chapter" % ref)
        elif verse_count and not (1 <= v1 <= v2 <= verse_count[ch]):
            bad(where, "verse tag %r: verses outside 1-%d" % (ref, verse_count[ch]))
    if text.count("<<QVERSE:") != len(re.findall(r"<<QVERSE:.*?>>", text)):
        bad(where, "verse tag without closing >>")


# Category tree: tab-indented captions.
paths, stack = set(), []
top = set()
for n, line in enumerate(open(os.path.join(HERE, "categories/HIndex.txt"), encoding="utf-8"), 1):
    line = line.rstrip("\n")
    if not line.strip() or line.startswith("#"):
        continue
    level = len(line) - len(line.lstrip("\t"))
    cap = line[level:]
    where = "categories/HIndex.txt:%d" % n
    if cap != cap.strip() or line.lstrip("\t") != line.lstrip("\t ") :
        bad(where, "blank around caption or mixed indentation")
    for ch in "|>[]":
        if ch in cap:
            bad(where, "caption holds %r" % ch)
    if " <A:" in cap or cap.upper().startswith("HADITH CATEGORIES"):
        bad(where, "reserved text in caption")
    if level > len(stack):
        bad(where, "indented more than one level below the line before")
        continue
    stack = stack[:level] + [cap]
    if level == 0:
        if cap.upper() in top:
            bad(where, "top-level caption repeated")
        top.add(cap.upper())
    p = ">".join(stack).upper()
    if p in paths:
        bad(where, "category path repeated")
    paths.add(p)
for need in ("UNCATEGORISED", "QUR'ANIC AHADITH"):
    if need not in top:
        bad("categories/HIndex.txt", "no top-level %r" % need)

# Glossary.
gloss = load("glossary/Gloss.json")["terms"]
names = {}
for i, t in enumerate(gloss):
    where = "glossary/Gloss.json term %r" % t["term"]
    for w in [t["term"]] + t["alternates"] + t.get("translation_spelling", []):
        if ">>" in w or "|" in w or "[P]" in w or "<<" in w:
            bad(where, "forbidden characters in %r" % w)
        if "'s" in w.lower():
            bad(where, "%r holds 's, which look-ups strip from the word" % w)
    for w in [t["term"]] + t["alternates"]:
        if "," in w:
            bad(where, "comma inside %r" % w)
        if w.upper() in names and names[w.upper()] != i:
            bad(where, "%r is also a spelling of %r" % (w, gloss[names[w.upper()]]["term"]))
        names.setdefault(w.upper(), i)
    if "<<T:" in t["meaning"] or "\n" in t["meaning"] or "\r" in t["meaning"]:
        bad(where, "meaning holds a line break or <<T:")


def find_term(word):
    w = word.strip().replace("'s", "")
    if w.upper() in names:
        return True
    return w[-1:].upper() == "S" and w[:-1].upper() in names


for t in gloss:
    for link in re.findall(r'HREF="([^"]+)"', t["meaning"]):
        if not link.startswith("MDOC_") and not find_term(link):
            bad("glossary/Gloss.json term %r" % t["term"], "link to unknown term %r" % link)
if not find_term("salat"):
    bad("glossary/Gloss.json", "salat is not a term")

# Collections.
colls = {}
for fn in sorted(os.listdir(os.path.join(HERE, "collections"))):
    if not fn.endswith(".json"):
        continue
    c = load("collections/" + fn)
    where = "collections/" + fn
    colls[c["name"].upper()] = c
    for key in ("group", "name", "text_format", "font", "translator", "description", "align"):
        v = c[key]
        if "|" in v or ">>" in v or "<<" in v or "\n" in v or "\r" in v:
            bad(where, "header value %s holds | << >> or a line break" % key)
    if not re.fullmatch(r"[A-Z0-9_]+", c["group"]):
        bad(where, "group key should be upper-case letters, digits and _")
    if "_" in c["name"]:
        bad(where, "collection name holds _ (link keys turn it into a blank)")
    cp = None
    m = re.fullmatch(r"(PLAIN|NCR|CODEPAGE)(?:\[(\d+)\])?", c["text_format"])
    if not m or (m[1] == "CODEPAGE") != bool(m[2]):
        bad(where, "bad text_format %r" % c["text_format"])
    elif m[2]:
        cp = "cp" + m[2]
    src = c.get("source")
    rows = {}
    if src:
        if os.path.exists(src["database"]):
            db = sqlite3.connect(src["database"])
            q = "SELECT id, text, merits FROM %s WHERE ref=? AND lang=?" % src["table"]
            rows = {r[0]: r for r in db.execute(q, (src["ref"], src["lang"]))}
            if sorted(rows, key=int) != sorted((h["id"] for h in c["hadiths"]), key=int):
                bad(where, "ids differ from the database rows of ref %s, lang %s" % (src["ref"], src["lang"]))
    for n, h in enumerate(c["hadiths"], 1):
        hw = "%s hadith %d" % (where, n)
        values = [h.get("chain", ""), h["category"]] + h["information"] + h.get("text", []) + [h.get("text_suffix", "")]
        for v in values:
            if "\n" in v or "\r" in v:
                bad(hw, "line break inside a value")
            if re.search(r"(^|[^0-9])%d=" % n, v):
                bad(hw, "text holds its own number label %d=" % n)
            if "<ISN>" in v or "</ISN>" in v or "<[METADATA:" in v:
                bad(hw, "reserved tag in a value")
            if cp:
                try:
                    v.translate({ord(k): w for k, w in src.get("substitutions", {}).items()}).encode(cp)
                except UnicodeEncodeError as e:
                    bad(hw, "not in %s: %r" % (cp, e.object[e.start:e.end]))
        for v in [h["category"]] + h["information"] + h["classification"]:
            if "|" in v:
                bad(hw, "| in a table value")
        for v in h["information"]:
            if "<<QVERSE:" in v:
                bad(hw, "verse tag in the information (it is not rendered there)")
        if h["category"] and h["category"].upper() not in paths:
            bad(hw, "category %r is not a path of the tree" % h["category"])
        for code in h["classification"]:
            if code not in CODES:
                bad(hw, "unknown classification %r" % code)
        for v in h.get("text", []) + [h.get("text_suffix", "")]:
            check_verses(hw, v)
        if src and rows.get(h["id"]):
            text, merits = rows[h["id"]][1], rows[h["id"]][2] or ""
            for old, new in src.get("corrections", {}).get(h["id"], []):
                if old not in text:
                    bad(hw, "correction %r does not occur in the database text" % old)
                text = text.replace(old, new)
            if cp:
                subst = {ord(k): w for k, w in src.get("substitutions", {}).items()}
                for v in (text, merits):
                    try:
                        v.translate(subst).encode(cp)
                    except UnicodeEncodeError as e:
                        bad(hw, "database text not in %s: %r" % (cp, e.object[e.start:e.end]))
        if src and h["id"] not in rows and rows:
            bad(hw, "no database row with id %s" % h["id"])

# Collections of one group must agree on numbering and categories.
groups = {}
for c in colls.values():
    groups.setdefault(c["group"], []).append(c)
for g, members in groups.items():
    first = members[0]
    for c in members[1:]:
        a = [(h.get("id"), h["category"], h["classification"]) for h in first["hadiths"]]
        b = [(h.get("id"), h["category"], h["classification"]) for h in c["hadiths"]]
        if a != b:
            bad("group " + g, "%s and %s differ in ids, categories or classifications" % (first["name"], c["name"]))

# Documents.
docs = {}
for fn in sorted(os.listdir(os.path.join(HERE, "documents"))):
    if fn.endswith(".json"):
        d = load("documents/" + fn)
        docs[d["name"].upper()] = d
for name, d in docs.items():
    where = "documents/" + d["body"]
    for key in ("name", "title", "font", "description"):
        v = d[key]
        if "|" in v or ">>" in v or "<<" in v or "\n" in v:
            bad(where, "header value %s holds | << >> or a line break" % key)
    if "[" in d["title"]:
        bad(where, "title holds [")
    body = open(os.path.join(HERE, "documents", d["body"]), encoding="utf-8").read()
    check_verses(where, body)
    for link in re.findall(r'HREF="([^"]+)"', body, re.I):
        L = link.upper()
        if "MDOC_" in L:
            if L not in docs:
                bad(where, "link to unknown document %s" % link)
        elif L.startswith("HCOLL_"):
            num = int(L.rsplit("_", 1)[1])
            cname = L[len("HCOLL_"):].rsplit("_", 1)[0].replace("_", " ")
            if cname not in colls or not 1 <= num <= len(colls[cname]["hadiths"]):
                bad(where, "link to unknown hadith %s" % link)
        elif L not in FEATS and L not in CODES and L != "UNCLASSIFIED":
            bad(where, "link %s is no command the reader knows" % link)
    anchors = re.findall(r'NAME="([^"]+)"', body)
    if name == "MDOC_HADITH_SCIENCE":
        for g in ("RA", "LI", "NR", "NT", "RR"):
            hits = [a for a in anchors if "HCLASS_" + g in a]
            if len(hits) != 1:
                bad(where, "needs exactly one anchor holding HCLASS_%s, has %d" % (g, len(hits)))
        for code in CODES:
            if code not in body:
                bad(where, "classification %s is not explained" % code)
if "MDOC_HADITH_SCIENCE" not in docs:
    bad("documents", "no document named MDOC_HADITH_SCIENCE")

for p in problems:
    print(p)
print("%d problem(s)" % len(problems))
sys.exit(1 if problems else 0)
