#!/usr/bin/env python3
"""Writes recordlib/TMarc8Tables.cpp: the MARC-8 code tables as yaz-iconv (Debian's
yaz package) reads them, one run over every code of every set.

    python3 scripts/gen-marc8-tables.py [OUTPUT]

The Library of Congress publishes the MARC-8 code tables; yaz carries them. This
script asks yaz-iconv what each code of each set means (MARC-8 to UTF-8), which
sets it writes each character in (UTF-8 to MARC-8, for the order in which our
encoder prefers the sets), and which characters it writes as a letter and
combining marks (the decompositions, e.g. U+00E9 as acute and e). Nothing is
typed by hand: run it again with another yaz and compare the output.
"""
import subprocess
import sys
import unicodedata

ESC = b'\x1b'
# Sets reached by escape sequences: (final byte, name, bytes per character,
# designation of the set into G0, return to ASCII).
SETS = [
    (b'B', 'Basic Latin (ASCII)', 1, ESC + b'(B', b''),
    (b'E', 'Extended Latin (ANSEL)', 1, None, None),  # G1 by default: probed as bytes A1-FE
    (b'g', 'Greek symbols', 1, ESC + b'g', ESC + b's'),
    (b'b', 'Subscripts', 1, ESC + b'b', ESC + b's'),
    (b'p', 'Superscripts', 1, ESC + b'p', ESC + b's'),
    (b'S', 'Basic Greek', 1, ESC + b'(S', ESC + b'(B'),
    (b'N', 'Basic Cyrillic', 1, ESC + b'(N', ESC + b'(B'),
    (b'Q', 'Extended Cyrillic', 1, ESC + b'(Q', ESC + b'(B'),
    (b'2', 'Basic Hebrew', 1, ESC + b'(2', ESC + b'(B'),
    (b'3', 'Basic Arabic', 1, ESC + b'(3', ESC + b'(B'),
    (b'4', 'Extended Arabic', 1, ESC + b'(4', ESC + b'(B'),
    (b'1', 'East Asian (EACC)', 3, ESC + b'$1', ESC + b'(B'),
]
SEPARATOR = b'|'


def yaz(source, target, data):
    run = subprocess.run(['yaz-iconv', '-f', source, '-t', target], input=data, capture_output=True, check=True)
    return run.stdout


def yaz_version():
    run = subprocess.run(['dpkg-query', '-W', '-f', '${Version}', 'yaz'], capture_output=True)
    return run.stdout.decode() or 'unknown'


def codes(width):
    if width == 1:
        return [bytes([c]) for c in range(0x21, 0x7F)]
    return [bytes([a, b, c]) for a in range(0x21, 0x7F) for b in range(0x21, 0x7F) for c in range(0x21, 0x7F)]


def probe_alone(prefixes_and_codes):
    """As probe, one yaz run a code: yaz reads the halves of the ligature and of the
    double tilde as a pair across codes."""
    return [probe([p])[0] for p in prefixes_and_codes]


def probe(prefixes_and_codes):
    """Each code written as PREFIX CODE SUFFIX ' ' '|': yaz gives its character, a
    blank and the separator; a blank, its combining mark (yaz puts marks after their
    letter) and the separator; or a blank and the separator for a code it does not
    know. (yaz leaves line ends out, so the separator is a graphic character.)"""
    data = b''.join(p + c + s + b' ' + SEPARATOR for p, c, s in prefixes_and_codes)
    out = yaz('MARC8', 'UTF-8', data).decode('utf-8')
    result = []
    i = 0
    while i < len(out):
        if out[i] == ' ' and out[i + 1] == '|':
            result.append(None)
            i += 2
        elif out[i] == ' ':
            assert out[i + 2] == '|', out[i:i + 3]
            result.append((out[i + 1], True))
            i += 3
        else:
            assert out[i + 1:i + 3] == ' |', out[i:i + 3]
            result.append((out[i], False))
            i += 3
    assert len(result) == len(prefixes_and_codes), 'yaz-iconv lost a code'
    return result


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else 'recordlib/TMarc8Tables.cpp'
    entries = []  # (set index, code, code point, combining)
    for index, (final, name, width, designate, back) in enumerate(SETS):
        if final == b'E':
            probes = [(b'', bytes([c[0] | 0x80]), b'') for c in codes(1)]
        else:
            probes = [(designate, c, back) for c in codes(width)]
        for (_, code, _), meaning in zip(probes, (probe_alone if final == b'E' else probe)(probes)):
            if meaning is None:
                continue
            text, combining = meaning
            assert len(text) == 1, (name, code, text)
            value = int.from_bytes(bytes(b & 0x7F for b in code), 'big')
            entries.append((index, value, ord(text), combining))
    # Bytes 80-A0 and FF outside every set: the few MARC-8 gives a meaning (non-sort
    # marks, joiners) come as set index len(SETS), code = the byte.
    controls = [(b'', bytes([c]), b'') for c in list(range(0x80, 0xA1)) + [0xFF]]
    for (_, code, _), meaning in zip(controls, probe_alone(controls)):
        if meaning is not None:
            assert len(meaning[0]) == 1 and not meaning[1]
            entries.append((len(SETS), code[0], ord(meaning[0]), False))

    # What yaz writes for every character of the Basic Multilingual Plane and the
    # planes EACC reaches: the set it chooses, the codes its reader leaves out (the
    # second halves of the ligature and double tilde) and the decompositions.
    points = [cp for cp in range(0xA0, 0x30000) if not 0xD800 <= cp < 0xE000]
    data = SEPARATOR.join(chr(cp).encode('utf-8') for cp in points) + SEPARATOR
    segments = split_marc8(yaz('UTF-8', 'MARC8', data))
    assert len(segments) == len(points) + 1, (len(segments), len(points))
    # yaz writes the halves of the ligature and of the double tilde as a pair across
    # characters: ask again for each character written with them, alone.
    halves = {(1, 0x6B), (1, 0x6C), (1, 0x7A), (1, 0x7B)}
    for n, cp in enumerate(points):
        if halves.intersection(segments[n]) or 0x360 <= cp <= 0x362 or 0xFE20 <= cp <= 0xFE2F:
            segments[n] = split_marc8(yaz('UTF-8', 'MARC8', chr(cp).encode('utf-8') + SEPARATOR))[0]
    known = {(s, code) for s, code, _cp, _comb in entries}
    chosen = {}
    for cp, codes_written in zip(points, segments):
        if len(codes_written) == 1:
            chosen[cp] = codes_written[0]
            if codes_written[0] not in known:
                s, code = codes_written[0]
                known.add((s, code))
                entries.append((s, code, cp, unicodedata.combining(chr(cp)) != 0))
    table = {(s, code): (cp, comb) for s, code, cp, comb in entries}
    direct = {}
    for s, code, cp, comb in sorted(entries):
        direct.setdefault(cp, []).append((s, code))
    # Characters MARC-8 holds only as a letter and combining marks: Unicode's
    # canonical decomposition (Python's unicodedata), where MARC-8 holds every part.
    # yaz writes the Latin-1 letters so; each of those must agree.
    # (A letter MARC-8 holds, then marks it writes before their letter.)
    mark = {cp: comb for s, code, cp, comb in entries}
    decompositions = []
    for cp in range(0xA0, 0x30000):
        if cp in direct or 0xD800 <= cp < 0xE000:
            continue
        parts = [ord(c) for c in unicodedata.normalize('NFD', chr(cp))]
        if len(parts) > 1 and all(p in direct for p in parts) and not mark[parts[0]] and all(
                mark[p] for p in parts[1:]):
            decompositions.append((cp, parts))
    for cp, codes_written in zip(points, segments):
        if len(codes_written) > 1 and cp not in direct:
            yaz_parts = [table[c][0] for c in codes_written if not table[c][1]]
            yaz_parts += [table[c][0] for c in codes_written if table[c][1]]
            assert (cp, yaz_parts) in decompositions, (hex(cp), yaz_parts)
    # The code yaz writes a character as that several codes stand for.
    preferred = sorted((cp, chosen.get(cp, codes[0])) for cp, codes in direct.items() if len(codes) > 1)

    write(output, entries, decompositions, preferred)


def split_marc8(data):
    """Reads yaz's MARC-8 output: the (set, code) pairs written between separators."""
    finals = {final[0]: i for i, (final, *_rest) in enumerate(SETS)}
    g0, g1 = 0, 1
    segments, codes_written = [], []
    i = 0
    while i < len(data):
        b = data[i]
        if b == 0x1B:
            if data[i + 1] in b'gbps':
                g0 = finals[data[i + 1]] if data[i + 1] != ord('s') else 0
                i += 2
            elif data[i + 1] == ord('$'):
                g0 = finals[ord('1')]
                i += 3 if data[i + 2] == ord('1') else 4
            elif data[i + 1] in b'(,':
                g0 = finals[data[i + 2]]
                i += 3
            elif data[i + 1] in b')-':
                g1 = finals[data[i + 2]]
                i += 3
            else:
                raise ValueError('escape %r' % data[i:i + 4])
            continue
        if b == SEPARATOR[0] and g0 == 0:
            segments.append(codes_written)
            codes_written = []
            i += 1
            continue
        if 0x80 <= b < 0xA1:
            s, code, width = len(SETS), b, 1
        else:
            s = g0 if b < 0x80 else g1
            width = SETS[s][2]
            code = int.from_bytes(bytes(x & 0x7F for x in data[i:i + width]), 'big')
        codes_written.append((s, code))
        i += width
    segments.append(codes_written)
    return segments


def write(output, entries, decompositions, preferred):
    lines = [
        '// Generated by scripts/gen-marc8-tables.py from yaz-iconv (Debian yaz %s): do not edit.' % yaz_version(),
        '// The MARC-8 code tables of the Library of Congress as yaz reads them.',
        '#include "recordlib/TMarc8Tables.h"',
        '',
        'const TMarc8SetInfo kaxMarc8Sets[] = {',
    ]
    for final, name, width, _d, _b in SETS:
        lines.append('    {\'%s\', %d, "%s"},' % (final.decode(), width, name))
    lines.append('    {0, 1, "C1 controls with a MARC-8 meaning"},')
    lines.append('};')
    lines.append('const uint32_t kdwMarc8SetCount = %d;' % (len(SETS) + 1))
    lines.append('')
    lines.append('// The code the encoder writes a character as that several codes stand for, by code point.')
    lines.append('const TMarc8Code kaxMarc8Preferences[] = {')
    for cp, (s, code) in preferred:
        lines.append('    {%d, 0x%X, 0x%X, %s},' % (s, code, cp, 'true' if unicodedata.combining(chr(cp)) else 'false'))
    lines.append('};')
    lines.append('const uint32_t kdwMarc8PreferenceCount = %d;' % len(preferred))
    lines.append('')
    lines.append('// Set, code (its bytes without the high bit, big-endian), code point, combining.')
    lines.append('const TMarc8Code kaxMarc8Codes[] = {')
    for s, code, cp, comb in sorted(entries):
        lines.append('    {%d, 0x%X, 0x%X, %s},' % (s, code, cp, 'true' if comb else 'false'))
    lines.append('};')
    lines.append('const uint32_t kdwMarc8CodeCount = %d;' % len(entries))
    lines.append('')
    lines.append('// Characters MARC-8 holds only as a letter and combining marks, in Unicode order.')
    lines.append('const TMarc8Decomposition kaxMarc8Decompositions[] = {')
    for cp, chars in decompositions:
        assert len(chars) <= 4, (hex(cp), chars)
        lines.append('    {0x%X, {%s}},' % (cp, ', '.join('0x%X' % c for c in chars)))
    lines.append('};')
    lines.append('const uint32_t kdwMarc8DecompositionCount = %d;' % len(decompositions))
    with open(output, 'w') as f:
        f.write('\n'.join(lines) + '\n')
    print('%s: %d codes, %d decompositions' % (output, len(entries), len(decompositions)))


if __name__ == '__main__':
    main()
