// Comma-separated text read back as spreadsheets write it, and the encodings they save in.

#include <gtest/gtest.h>

#include "store/csv_reader.h"
#include "store/csv_writer.h"
#include "store/sjis.h"
#include "store/text_encoding.h"

namespace {

using Fields = std::vector<std::string>;

std::vector<Fields> fieldsOf(const csv::Table& t) {
    std::vector<Fields> out;
    for (const csv::Record& r : t.records) out.push_back(r.fields);
    return out;
}

std::vector<int> rowsOf(const csv::Table& t) {
    std::vector<int> out;
    for (const csv::Record& r : t.records) out.push_back(r.row);
    return out;
}

TEST(CsvReader, QuotedFieldsHoldCommasQuotesAndLineBreaksOfEveryKind) {
    const csv::Table t = csv::parse("a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\r\nlines\",\"lf\nonly\",x\n,,\r\nlast");
    EXPECT_EQ(fieldsOf(t), (std::vector<Fields>{
                               {"a", "b,c", "say \"hi\""}, {"two\r\nlines", "lf\nonly", "x"}, {"", "", ""}, {"last"}}));
    // A record that spans lines is one row, as a spreadsheet shows it.
    EXPECT_EQ(rowsOf(t), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(t.unclosedQuoteRow, 0);
}

TEST(CsvReader, LineEndsOfEveryKindAndEmptyLinesCountAsRows) {
    const csv::Table t = csv::parse("a\rb\r\n\r\nc\n\nd\r\n");
    EXPECT_EQ(fieldsOf(t), (std::vector<Fields>{{"a"}, {"b"}, {""}, {"c"}, {""}, {"d"}}));
    EXPECT_EQ(rowsOf(t), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(csv::parse("").records.empty());
    EXPECT_EQ(fieldsOf(csv::parse("\"\"")), (std::vector<Fields>{{""}}));
    EXPECT_EQ(fieldsOf(csv::parse("a,")), (std::vector<Fields>{{"a", ""}}));
}

TEST(CsvReader, StrayQuotesAreReadAsSpreadsheetsReadThem) {
    // A quote inside an unquoted field is text; so is what follows a closing quote.
    EXPECT_EQ(fieldsOf(csv::parse("ab\"c,\"x\"y,z")), (std::vector<Fields>{{"ab\"c", "xy", "z"}}));
    // A quote that never closes swallows the rest: that row and after are not taken.
    const csv::Table t = csv::parse("h\nok\n\"open,\nmore\nlines");
    EXPECT_EQ(fieldsOf(t), (std::vector<Fields>{{"h"}, {"ok"}}));
    EXPECT_EQ(t.unclosedQuoteRow, 3);
}

TEST(CsvReader, ReadsBackWhatTheWriterWroteExactly) {
    const Fields fields = {"", "=1+2", "a,b", "\"q\"", "two\r\nlines", "'=x", "ｱｲｳ", " lead", "trail ", "\t=cmd"};
    std::string text;
    for (int i = 0; i < 3; ++i) text += csv::record(fields);
    const csv::Table t = csv::parse(text);
    ASSERT_EQ(t.records.size(), 3u);
    for (const csv::Record& r : t.records) {
        ASSERT_EQ(r.fields.size(), fields.size());
        for (std::size_t i = 0; i < fields.size(); ++i) EXPECT_EQ(csv::restoreNeutralised(r.fields[i]), fields[i]);
    }
}

TEST(TextEncoding, TellsUtf8FromCodePage932WithoutAsking) {
    const std::string japanese = "級,部,チーム名\r\nA,1,ﾍﾞｱｰｽﾞ髙橋①\r\n";
    const DecodedText bom = decodeText("\xEF\xBB\xBF" + japanese);
    EXPECT_EQ(bom.encoding, TextEncoding::Utf8WithBom);
    EXPECT_EQ(bom.utf8, japanese);
    const DecodedText plain = decodeText(japanese);
    EXPECT_EQ(plain.encoding, TextEncoding::Utf8);
    EXPECT_EQ(plain.utf8, japanese);
    // As Excel in Japan saves it: NEC and IBM extensions and half-width kana included.
    const DecodedText cp932 = decodeText(sjis::fromUnicode(japanese));
    EXPECT_EQ(cp932.encoding, TextEncoding::Cp932);
    EXPECT_EQ(cp932.utf8, japanese);
    EXPECT_EQ(decodeText("team,group\n").encoding, TextEncoding::Utf8);
}

TEST(TextEncoding, RefusesWhatItCannotReadRatherThanGuess) {
    EXPECT_EQ(decodeText("\xFF\xFE"
                         "a\0,\0")
                  .encoding,
              TextEncoding::Utf16);
    EXPECT_EQ(decodeText("\xFE\xFF\0a").encoding, TextEncoding::Utf16);
    // 0x80 and 0xA0 stand alone in neither encoding; a lead byte at the very end is half a character.
    EXPECT_EQ(decodeText("a\x80"
                         "b")
                  .encoding,
              TextEncoding::Unknown);
    EXPECT_EQ(decodeText("\x83\x5E\x83").encoding, TextEncoding::Unknown);
    // A byte-order mark before bytes that are not UTF-8.
    EXPECT_EQ(decodeText("\xEF\xBB\xBF\x83\x5E").encoding, TextEncoding::Unknown);
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE3\x81"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
    EXPECT_TRUE(isValidUtf8("\xF0\xA0\xAE\xB7"));  // 𠮷: UTF-8, though code page 932 cannot hold it
}

}  // namespace
