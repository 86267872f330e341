#pragma once
// Text files made by other programs, as spreadsheets save them: UTF-8 with or without a
// byte-order mark, or code page 932 (what Excel in Japan saves as "CSV"). Which one a file
// is, is told from its bytes: Japanese text in code page 932 is practically never valid
// UTF-8, so a file that is valid UTF-8 is read as UTF-8.

#include <string>
#include <string_view>

enum class TextEncoding {
    Utf8,
    Utf8WithBom,
    Cp932,
    Utf16,    // a byte-order mark of UTF-16 (Excel's "Unicode テキスト"): not read
    Unknown,  // neither valid UTF-8 nor valid code page 932
};

struct DecodedText {
    TextEncoding encoding = TextEncoding::Unknown;
    std::string utf8;  // the text without its byte-order mark; empty unless decoded
};

DecodedText decodeText(std::string_view bytes);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// "UTF-8", "UTF-8 (BOM付き)", "Shift_JIS (CP932)", for telling the user what was read.
std::string_view encodingName(TextEncoding e);
