// The file's JSON read as the library reads it, and a text told to be the
// library's own dump exactly when it is.
#include <gtest/gtest.h>

#include "document/json_text.h"

namespace veltra {
namespace {

using Json = nlohmann::ordered_json;

// The value with every number's kind, or the library's fault.
std::string Outcome(const std::string& text, Json (*parse)(const std::string&)) {
    const auto typed = [](const auto& self, const Json& value) -> std::string {
        std::string out = std::to_string(int(value.type())) + ":";
        if (value.is_object()) {
            for (const auto& [key, member] : value.items()) out += key + "=" + self(self, member);
        } else if (value.is_array()) {
            for (const Json& element : value) out += self(self, element) + ",";
        } else {
            out += value.dump();
        }
        return out + ";";
    };
    try {
        return typed(typed, parse(text));
    } catch (const Json::parse_error& error) {
        return "parse_error " + std::to_string(error.byte) + error.what();
    } catch (const Json::exception& error) {
        return std::string("exception ") + error.what();
    }
}

Json LibraryParse(const std::string& text) {
    return Json::parse(text);
}

Json Parse(const std::string& text) {
    return ParseJson(text);
}

TEST(JsonText, ParsesToTheLibrarysValueAndFailsAtTheSameByte) {
    for (const char* text : {
             R"({"a":1,"b":[true,null,{"c":"d"}],"e":{}})",
             R"({"z":1,"a":2,"m":{"y":[],"b":-5}})",
             // A key given twice: its first place, its last value.
             R"({"a":1,"b":2,"a":{"c":[1,2]},"b":"x"})",
             R"([{"a":1,"a":2},[[]],"s\u00e9\n",1.5e3,"\ud834\udd1e"])",
             // Integers past what 18 digits hold, and numbers past a double.
             "[1234567890123456789,12345678901234567890,99999999999999999999]",
             "[-123456789012345678,-9223372036854775808,-9999999999999999999,1e-400]",
             R"("top")",
             "  {\"a\" :\t[ 1 , 2 ]\n}  ",
             "\xEF\xBB\xBF{}",
             // Faults.
             "",
             "{",
             R"({"a":})",
             "[1,2",
             R"({"a":1}x)",
             R"({"a":1,})",
             "1e999",
             "[01]",
             "[1.]",
             "[-]",
             "[tru]",
             R"({"a":"\ud800"})",
             "[\"\x01\"]",
             "{\"a\":\"\xff\"}",
             "[\"\\x\"]",
             "/**/{}",
         }) {
        EXPECT_EQ(Outcome(text, Parse), Outcome(text, LibraryParse)) << text;
    }
}

// Every one-byte change of a text holding each kind of value reads as the
// library reads it.
TEST(JsonText, EachOneByteChangeReadsAsTheLibraryReadsIt) {
    const std::string sample =
        R"({"format":"veltra-calculation","version":2,"n":-12,"u":999999999999999999,)"
        R"("f":12.5,"e":1e-3,"t":true,"x":false,"z":null,"s":"Плата «IC-LU» €𝄞\n\"q\"\\/",)"
        R"("a":[1,[2,{}],[],{"k":"v","k":"w"}],"o":{"p":{"q":[0,-0,0.0,123456789012345678]}}})";
    const std::string bytes =
        "\"\\{}[],: 0123456789-+.eEtu\x01\x7f\x80\xbf\xc2\xe0\xed\xf0\xf4\xff";
    int plain = 0;
    const auto check = [&](const std::string& text) {
        const std::string expected = Outcome(text, LibraryParse);
        EXPECT_EQ(Outcome(text, Parse), expected) << text;
        if (ReadPlainJson(text)) {
            ++plain;
            EXPECT_EQ(Outcome(text, [](const std::string& t) { return *ReadPlainJson(t); }),
                      expected)
                << text;
        }
    };
    check(sample);
    ASSERT_EQ(plain, 1);
    for (size_t i = 0; i < sample.size(); ++i) {
        check(std::string(sample).erase(i, 1));
        for (const char c : bytes) {
            check(std::string(sample).replace(i, 1, 1, c));
            check(std::string(sample).insert(i, 1, c));
        }
    }
    EXPECT_GT(plain, 1000);  // most changes still plain: the reader itself compared
}

TEST(JsonText, ATextIsTheDumpExactlyWhenTheLibraryWouldWriteIt) {
    for (const std::string text : {
             R"({"a":1,"b":[true,false,null],"c":{},"d":[]})",
             R"({"a":-9223372036854775808,"b":18446744073709551615,"c":0})",
             R"({"price":"12.50","name":"Плата «IC-LU»"})",
             R"({"a":"q\"q","b":"x\\","c":"\n\t\r\b\f","d":"\u001f\u0000"})",
             // Each of these the dump writes otherwise.
             R"({ "a":1})",
             "{\"a\":1}\n",
             R"({"a":1.0})",
             R"({"a":1.50})",
             R"({"a":1e2})",
             R"({"a":-0})",
             R"({"a":18446744073709551616})",
             R"({"a":"\u0041"})",
             R"({"a":"\/"})",
             R"({"a":"\u001F"})",
             R"({"a":"\u00e9"})",
             R"({"a":1,"a":2})",
             R"({"a\u0062":1})",
             R"({"a":0.1})",
         }) {
        const Json value = Json::parse(text);
        const std::string dump = value.dump();
        EXPECT_EQ(IsDumpOf(value, text), dump == text) << text;
        EXPECT_TRUE(IsDumpOf(value, dump)) << dump;
        EXPECT_FALSE(IsDumpOf(value, dump + " ")) << dump;
        EXPECT_FALSE(IsDumpOf(value, dump.substr(0, dump.size() - 1))) << dump;
    }
}

TEST(JsonText, AStringEndsAtTheFirstQuoteNotEscaped) {
    const struct {
        std::string text;
        size_t end;
    } cases[] = {
        {R"("ab")", 3}, {R"("a\"b")", 5}, {R"("a\\")", 4},   {R"("a\\\"b"x)", 7},
        {R"("")", 1},   {R"("open)", 5},  {R"("\\\\"")", 5},
    };
    for (const auto& c : cases) EXPECT_EQ(StringEnd(c.text, 1), c.end) << c.text;
}

}  // namespace
}  // namespace veltra
