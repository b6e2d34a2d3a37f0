// Text in a record's own character set, as its Leader/09 names it: bytes to the
// text a person reads and edits (UTF-16) and back.
//
// Every set decodes any bytes and gives them back: encoding what qvDecode made
// yields the very bytes it read. A byte (or a MARC-8 escape sequence, or a code
// the tables do not know) that cannot be read as text gets a stand-in, as Python's
// "surrogateescape" does: the unpaired low surrogate U+DC00 + the byte, which
// encodes back to that byte. qxVisibleText shows stand-ins to a reader.
//
// Text is in UTF-16 code units on every platform (one unit a wchar_t: on Windows
// the editors hand it to controls as it is). Encoding refuses a character the set
// cannot hold (an unpaired surrogate that is no stand-in, in MARC-8 a character
// outside its sets); it never writes '?', a blank or another character.
#pragma once

#include "OrvoLibraryU.h"

#include <cstddef>
#include <string>
#include <string_view>

enum ECharacterSet : int
{
    eCharsetMarc8 = 0,     // Leader/09 blank
    eCharsetUtf8 = 1,      // Leader/09 'a'
    eCharsetSingleByte = 2 // any other Leader/09: one byte one character (ISO 8859-1)
};

class ORVO_LIBRARYU_API TCharacterSet
{
public:
    virtual ~TCharacterSet();

    // The set Leader/09 names: blank MARC-8, 'a' UTF-8, anything else one byte a character.
    static const TCharacterSet& qrxOfLeader(char cLeader09);
    static const TCharacterSet& qrxOf(ECharacterSet eSet);

    virtual ECharacterSet qeGetSet() const = 0;
    // "UTF-8", "MARC-8", "ISO 8859-1 (one byte, one character)": for messages.
    virtual const wchar_t* qpwcGetName() const = 0;

    // Appends to rxText the text xBytes stand for. Never fails.
    virtual void qvDecode(std::string_view xBytes, std::wstring& rxText) const = 0;
    // Appends xText's bytes to rxOut and returns true; or returns false, rxOut
    // unchanged, with rnFailedAt the index in xText of the first character this
    // set cannot hold.
    virtual bool qtEncode(std::wstring_view xText, std::string& rxOut, std::size_t& rnFailedAt) const = 0;

    // Appends the text xBytes stand for as an editor shows it to be edited: what
    // qvDecode gives, save that MARC-8 gives a letter and the marks after it as the
    // one precomposed character they make (é, not e and U+0301) wherever encoding
    // the text still gives back xBytes. Never fails.
    virtual void qvDecodeComposed(std::string_view xBytes, std::wstring& rxText) const;

    std::wstring qxDecode(std::string_view xBytes) const;
    std::wstring qxDecodeComposed(std::string_view xBytes) const;
    // For the field line of a fixed-length field, whose positions are bytes: one
    // character a byte, each byte read alone in this set; a byte that is no
    // character on its own shows as U+FFFD.
    std::wstring qxDecodeByPosition(std::string_view xBytes) const;
    // TException (eErrorRecoverable) naming the character and the set when one
    // cannot be written: "The character U+03A8 (Ψ) cannot be written in MARC-8."
    std::string qxEncode(std::wstring_view xText) const;

    // Stand-ins: U+DC00-U+DCFF (unpaired; the decoders never make a surrogate pair of one).
    static bool qtIsStandIn(wchar_t wcUnit) { return (wcUnit & 0xFF00) == 0xDC00; }
    static wchar_t qwcStandIn(unsigned char byByte) { return static_cast<wchar_t>(0xDC00 | byByte); }
    static unsigned char qbyStandInByte(wchar_t wcUnit) { return static_cast<unsigned char>(wcUnit & 0xFF); }

    // The code point at rnIndex (a surrogate pair read as one) and the units it
    // takes; an unpaired surrogate is returned as it is, with 1.
    static char32_t qdwCodePointAt(std::wstring_view xText, std::size_t nIndex, std::size_t& rnUnits);
    // Appends a code point as one unit or a surrogate pair.
    static void qvAppendCodePoint(char32_t dwCodePoint, std::wstring& rxText);
    // How a message names the character at nIndex: "U+00E9 (é)", a stand-in
    // "the byte 0xE9 that is no character", an unpaired surrogate "U+D800".
    static std::wstring qxNameCharacter(std::wstring_view xText, std::size_t nIndex);
    // The text for display only: each stand-in shown as "\xE9" (its byte in hex).
    static std::wstring qxVisibleText(std::wstring_view xText);
};

// Any other Leader/09: each byte is the character of that number (ISO 8859-1).
class ORVO_LIBRARYU_API TSingleByte : public TCharacterSet
{
public:
    ECharacterSet qeGetSet() const override { return eCharsetSingleByte; }
    const wchar_t* qpwcGetName() const override;
    void qvDecode(std::string_view xBytes, std::wstring& rxText) const override;
    bool qtEncode(std::wstring_view xText, std::string& rxOut, std::size_t& rnFailedAt) const override;
};

// Leader/09 'a': UTF-8. Every byte that is not part of a well-formed sequence
// (Unicode's table of well-formed UTF-8: no overlong forms, no surrogates, nothing
// past U+10FFFF, nothing cut short) gets its stand-in. Encoding refuses the
// stand-ins of bytes 00-7F and unpaired surrogates that are no stand-ins.
class ORVO_LIBRARYU_API TUtf8 : public TCharacterSet
{
public:
    ECharacterSet qeGetSet() const override { return eCharsetUtf8; }
    const wchar_t* qpwcGetName() const override;
    void qvDecode(std::string_view xBytes, std::wstring& rxText) const override;
    bool qtEncode(std::wstring_view xText, std::string& rxOut, std::size_t& rnFailedAt) const override;
    // Encoding that refuses stand-ins too: for writing converted text, which must be UTF-8 throughout.
    static bool qtEncodeStrict(std::wstring_view xText, std::string& rxOut, std::size_t& rnFailedAt);
};

// Leader/09 blank: MARC-8. Each string (a subfield's data, a control field) starts
// with ASCII in G0 and ANSEL in G1; escape sequences designate the other sets
// (Greek symbols, subscripts and superscripts by ESC g, b, p and back by ESC s;
// Basic Greek, Basic and Extended Cyrillic, Basic Hebrew, Basic and Extended
// Arabic by ESC ( F into G0 or ESC ) F into G1, also with "," and "-"; EACC by
// ESC $ 1 and its longer forms). Combining marks stand before their letter in
// MARC-8 and after it in the text.
//
// The encoder writes a character in the current set when the set holds it and
// was designated by the input (decoded text that used it), else in the set yaz
// writes it in, designating that set first (a blank goes with ASCII); a string it
// switched away from ASCII ends with the return to it. A precomposed letter MARC-8 holds only as a letter
// and marks is written so (é as ANSEL acute and e). It refuses a character no set
// holds, a combining mark with no letter before it, and ESC.
//
// qvDecode is exact: an escape sequence the encoder would not write in that place,
// a code the tables do not know, a mark with no letter after it, each gets stand-ins
// for its bytes, so that encoding gives every byte back.
class ORVO_LIBRARYU_API TMarc8 : public TCharacterSet
{
public:
    ECharacterSet qeGetSet() const override { return eCharsetMarc8; }
    const wchar_t* qpwcGetName() const override;
    void qvDecode(std::string_view xBytes, std::wstring& rxText) const override;
    void qvDecodeComposed(std::string_view xBytes, std::wstring& rxText) const override;
    bool qtEncode(std::wstring_view xText, std::string& rxOut, std::size_t& rnFailedAt) const override;
    // The reading of a converter: every escape sequence the tables know is followed
    // whatever its place, a mark with no letter after it is kept as a mark; only
    // codes and sequences the tables do not know get stand-ins. Not exact.
    static void qvDecodeLenient(std::string_view xBytes, std::wstring& rxText);
};
