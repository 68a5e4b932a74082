// The file's JSON read as the library reads it, and a text told to be the
// library's own dump exactly when it is.
#include <gtest/gtest.h>

#include <typeinfo>

#include "document/json_text.h"

namespace veltra {
namespace {

using Json = nlohmann::ordered_json;

TEST(JsonText, ParsesToTheLibrarysValueAndFailsAtTheSameByte) {
    for (const char* text : {
             R"({"a":1,"b":[true,null,{"c":"d"}],"e":{}})",
             R"({"z":1,"a":2,"m":{"y":[],"b":-5}})",
             // A key given twice: its first place, its last value.
             R"({"a":1,"b":2,"a":{"c":[1,2]},"b":"x"})",
             R"([{"a":1,"a":2},[[]],"s\u00e9\n",1.5e3,18446744073709551615])",
             R"("top")",
             "  {\"a\" :\t[ 1 , 2 ]\n}  ",
         }) {
        const Json parsed = Json::parse(text);
        const Json built = ParseJson(text);
        EXPECT_EQ(built, parsed) << text;
        EXPECT_EQ(built.dump(), parsed.dump()) << text;
    }
    for (const char* text : {"", "{", R"({"a":})", "[1,2", R"({"a":1}x)", R"({"a":1,})", "1e999",
                             R"({"a":"\ud800"})", "[\"\x01\"]", "{\"a\":\"\xff\"}"}) {
        std::string expected, got;
        size_t expectedByte = 0, gotByte = 0;
        const auto failure = [](const std::string& t, auto parse, size_t& byte) -> std::string {
            try {
                parse(t);
            } catch (const Json::parse_error& error) {
                byte = error.byte;
                return std::string(typeid(error).name()) + error.what();
            } catch (const Json::exception& error) {
                return std::string(typeid(error).name()) + error.what();
            }
            return "accepted";
        };
        expected = failure(
            text, [](const std::string& t) { return Json::parse(t); }, expectedByte);
        got = failure(
            text, [](const std::string& t) { return ParseJson(t); }, gotByte);
        EXPECT_NE(expected, "accepted") << text;
        EXPECT_EQ(got, expected) << text;
        EXPECT_EQ(gotByte, expectedByte) << text;
    }
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
