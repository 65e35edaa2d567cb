#!/usr/bin/env python3
"""Seeds for gmd_fuzz: packs compiled dictionaries into the fuzz target's
"GMDZ" form (a run of zero bytes becomes 0xFE and a 24-bit count; a literal
0xFE becomes 0xFE 0 0 0), so a 262 KB node table costs a few bytes.

    pack_gmd.py OUT_DIR FILE.gmd ...      pack compiled files
    pack_gmd.py --demo OUT_DIR            write small hand-made dictionaries

The demo files are laid out byte for byte as the compiler lays them out
(doc/gmd-format.md), for when no compiler is at hand.
"""

import os
import struct
import sys

MIN_RUN = 5


def pack(data):
    out = bytearray(b"GMDZ")
    i = 0
    while i < len(data):
        if data[i] == 0:
            j = i
            while j < len(data) and data[j] == 0 and j - i < 0xFFFFFF:
                j += 1
            if j - i >= MIN_RUN:
                out += bytes([0xFE]) + struct.pack("<I", j - i)[:3]
                i = j
                continue
        out += b"\xfe\x00\x00\x00" if data[i] == 0xFE else bytes([data[i]])
        i += 1
    return bytes(out)


def u16s(text):
    return text.encode("utf-16-le")


def build_gmd(text, articles, forms, name="Demo", morph=(), key=(0x1234, 0x0F0F, 0x7777, 0x0001)):
    """articles: [(lb, le, rb, re, caption index or -1, sortkey)];
    forms: {form: [(wordnum, pos, span, article index, flags)]} in insertion order."""
    head = bytes([2]) + struct.pack("<I", 1700000000) + bytes([1, 1, 3])
    for lang, side in morph:
        head += bytes([len(lang)]) + u16s(lang) + bytes([side])
    head += bytes([0]) + struct.pack("<H", len(name)) + u16s(name)
    nwords = sum(len(v) for v in forms.values())
    head += struct.pack("<ii", len(articles), nwords)
    # The automaton: roots 0..65534, further nodes appended.
    children = {}  # node -> [(symbol, child)]
    finals = {}  # node -> occurrence list
    count = 65535
    for form, occs in forms.items():
        sym = [ord(c) for c in form + "+"]
        node = sym[0]
        for s in sym[1:]:
            rel = dict(children.get(node, []))
            if s in rel:
                node = rel[s]
            else:
                children.setdefault(node, []).append((s, count))
                node = count
                count += 1
        finals[node] = occs
    b0 = len(head) + 20 + 8
    b1 = b0 + 24 * len(articles)
    b2 = b1 + 4 * count
    rel_pos, p = {}, b2
    for n in sorted(children):
        rel_pos[n] = p
        p += 4 + 5 * len(children[n])
    b3 = p
    occ_pos, q = {}, b3
    for n in sorted(finals):
        occ_pos[n] = q
        q += 4 + 14 * len(finals[n])
    b4 = q
    out = bytearray(head + struct.pack("<5i", b0, b1, b2, b3, b4) + struct.pack("<4H", *key))
    for lb, le, rb, re_, cap, sk in articles:
        out += struct.pack("<6i", lb, le, rb, re_, b0 + 24 * cap if cap >= 0 else -1, sk)
    for n in range(count):
        if n in finals:
            out += struct.pack("<I", 0x80000000 | occ_pos[n])
        else:
            out += struct.pack("<I", rel_pos.get(n, 0))
    for n in sorted(children):
        out += struct.pack("<I", len(children[n]))
        for s, c in children[n]:
            out += struct.pack("<HHB", s, c & 0xFFFF, c >> 16)
    for n in sorted(finals):
        out += struct.pack("<I", len(finals[n]))
        for wn, pos, span, art, flags in finals[n]:
            out += struct.pack("<IIBIB", wn, pos, span, b0 + 24 * art, flags)
    units = struct.unpack("<%dH" % (len(text.encode("utf-16-le")) // 2), u16s(text))
    for i, u in enumerate(units):
        out += struct.pack("<H", u ^ key[i % 4])
    return bytes(out)


def demos():
    # "house ##:## дом" and "red house ##:## красный дом" after a header line.
    text = "$NAME: Demo\n\nhouse ##:## дом\n\nred house ##:## красный <b>дом</b>\n"
    a1 = text.index("house")
    r1 = text.index("дом")
    a2 = text.index("red")
    r2 = text.index("красный")
    d2 = text.index("дом</b>")
    arts = [(a1, a1 + 6, r1, r1 + 3, -1, 0x00480000), (a2, a2 + 10, r2, len(text) - 1, -1, 0)]
    forms = {
        "HOUSE": [(0, a1, 5, 0, 0x06 | 0x08), (3, a2 + 4, 5, 1, 0x0A)],
        "ДОМ": [(1, r1, 3, 0, 0x0F), (5, d2, 3, 1, 0x0B)],
        "RED": [(2, a2, 3, 1, 0x04)],
        "КРАСНЫЙ": [(4, r2, 7, 1, 0x05)],
    }
    yield "demo", build_gmd(text, arts, forms, morph=[("English", 3), ("Russian", 2)])
    yield "empty", build_gmd("$NAME: x\n", [], {}, name="")
    cap = "<h>Caption</h>\n\nword ##:## Wort &#233;t&eacute;\n"
    w = cap.index("word")
    yield "caption", build_gmd(cap, [(3, 10, -1, 14, 0, 0), (w, w + 5, w + 11, len(cap) - 1, 0, 0)],
                               {"WORD": [(0, w, 4, 1, 0x06 | 0x08)],
                                "WORT": [(1, w + 11, 4, 1, 0x05)],
                                "ÉTÉ": [(2, w + 16, 15, 1, 0x0B)]}, name="Caption test")


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--demo":
        os.makedirs(sys.argv[2], exist_ok=True)
        for name, data in demos():
            with open(os.path.join(sys.argv[2], name), "wb") as f:
                f.write(pack(data))
        return
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    os.makedirs(sys.argv[1], exist_ok=True)
    for path in sys.argv[2:]:
        with open(path, "rb") as f:
            data = f.read()
        name = os.path.splitext(os.path.basename(path))[0]
        with open(os.path.join(sys.argv[1], name), "wb") as f:
            f.write(pack(data))


if __name__ == "__main__":
    main()
