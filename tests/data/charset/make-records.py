#!/usr/bin/env python3
"""Writes marc8.mrc and utf-8.mrc here: records for the character-set tests (diacritics,
special letters, subscripts, Greek, Cyrillic and EACC), made once with:  python3 make-records.py"""
import os
os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', '..'))
import unicodedata
FT, RT, SF = b'\x1e', b'\x1d', b'\x1f'
def record(leader09, fields):
    data = b''; dir_ = b''
    for tag, body in fields:
        f = body + FT
        dir_ += b'%s%04d%05d' % (tag, len(f), len(data))
        data += f
    base = 24 + len(dir_) + 1
    length = base + len(data) + 1
    leader = b'%05dnam %s22%05d   4500' % (length, leader09, base)
    assert len(leader) == 24
    return leader + dir_ + FT + data + RT
def df(ind, *subs):
    return ind + b''.join(SF + c + v for c, v in subs)
E = b'\x1b'
marc8 = [
  [(b'001', b'charset-1'), (b'008', b'260101s2026    fr            000 0 fre d'),
   (b'100', df(b'1 ', (b'a', b'Dvo\xe9r\xe2ak, Anton\xe2in,'), (b'd', b'1841-1904.'))),
   (b'245', df(b'14', (b'a', b'Les mis\xe2erables :'), (b'b', b'\xe1a la fran\xf0cais, \xe8uber M\xe8unchen /'), (b'c', b'Victor Hugo.'))),
   (b'246', df(b'3 ', (b'a', b'\xa1\xe2od\xe2z, \xb5r\xf6o, \xbaa, \xc7, \xb2re, \xb4orn, \xa6uvre, \xa2, \xb1'))),
   (b'500', df(b'  ', (b'a', b'L\xf2\xe3e, H' + E + b'b2' + E + b'sO, x' + E + b'p2' + E + b's, \xa9 2026 \xc0.'))),
   (b'856', df(b'40', (b'u', b'http://example.org/num'), (b'z', b'Version num\xe2eris\xe2ee')))],
  [(b'001', b'charset-2'),
   (b'245', df(b'10', (b'a', E + b'(S' + b'Pyfiak' + E + b'(B /'), (b'c', E + b'(N' + b'wOJNA' + E + b'(B.'))),
   (b'246', df(b'1 ', (b'a', E + b'(N' + b'wojna i mir' + E + b'(B, 1869'))),
   (b'500', df(b'  ', (b'a', b'Greek ' + E + b'(S' + b'abg' + E + b'(B and ' + E + b'g' + b'a' + E + b's symbols.'))),
   (b'880', df(b'00', (b'6', b'245-01'), (b'a', E + b'$1' + b'\x21\x30\x21' + E + b'(B')))],
]
open('tests/data/charset/marc8.mrc', 'wb').write(b''.join(record(b' ', r) for r in marc8))
utf = [
  [(b'001', b'charset-u1'), (b'008', b'260101s2026    fr            000 0 fre d'),
   (b'100', df(b'1 ', (b'a', 'Dvořák, Antonín,'.encode()), (b'd', b'1841-1904.'))),
   (b'245', df(b'10', (b'a', 'Les misérables ; Über München, à la française /'.encode()), (b'c', b'Victor Hugo.'))),
   (b'246', df(b'3 ', (b'a', 'Łódź, æ, ð, ß, ø, þ, Œ, Ø, đ'.encode()))),
   (b'500', df(b'  ', (b'a', 'Ψηφιακή έκδοση, Война и мир, H₂O, x², © 2026.'.encode()))),
   (b'856', df(b'40', (b'u', b'http://example.org/num'), (b'z', 'Version numérisée'.encode())))],
  [(b'001', b'charset-u2'),
   (b'245', df(b'10', (b'a', 'Ćirilica i Ψ /'.encode()), (b'c', unicodedata.normalize('NFD', 'Mǎrtin Ńo').encode()))),
   (b'880', df(b'00', (b'6', b'245-01'), (b'a', '一 字'.encode())))],
]
open('tests/data/charset/utf-8.mrc', 'wb').write(b''.join(record(b'a', r) for r in utf))
