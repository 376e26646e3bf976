#include "download/ChunkedBody.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Decoded {
    std::string content;
    bool ok = true;
    bool done = false;
    std::string reason;
};

// `body` fed in batches of `step` bytes (0: whole), decoding stopping at the first refusal.
Decoded decode(const std::string& body, size_t step) {
    download::ChunkedBody chunks;
    Decoded out;
    auto sink = [&](const char* data, size_t size) {
        out.content.append(data, size);
        return true;
    };
    if (step == 0) step = body.size() + 1;
    for (size_t at = 0; at < body.size() && out.ok; at += step)
        out.ok = chunks.feed(body.data() + at, std::min(step, body.size() - at), sink);
    out.done = chunks.done();
    out.reason = chunks.reason();
    return out;
}

}  // namespace

TEST(ChunkedBody, DecodesWellFormedBodiesInAnySplit) {
    struct Case {
        std::string body;
        std::string content;
        bool done;
    };
    const Case cases[] = {
        {"5\r\nhello\r\n0\r\n\r\n", "hello", true},
        {std::string("A\r\n0123456789\r\n1\r\n") + '\0' + "\r\n0000\r\n\r\n",
         std::string("0123456789\0", 11), true},
        {"1f\r\n" + std::string(31, 'x') + "\r\n0\r\n\r\n", std::string(31, 'x'), true},
        {"5;name=value\r\nhello\r\n0;q=\"a \\\" ;b\"\r\n\r\n", "hello", true},
        {"5 ; a = b ;c\r\nhello\r\n0\r\n\r\n", "hello", true},
        {"3\r\nabc\r\n0\r\nX-Checksum: 1\r\nY: 2\r\n\r\n", "abc", true},
        {"3\r\nabc\r\n0\r\n\r\nHTTP/1.1 200 OK\r\n", "abc", true},  // the next answer stays
        {"5\r\nhel", "hel", false},
        {"5\r\nhello\r\n0\r\n", "hello", false},
        {"", "", false},
    };
    for (const Case& c : cases) {
        for (size_t step : {0, 1, 2, 3, 7}) {
            Decoded d = decode(c.body, step);
            EXPECT_TRUE(d.ok) << c.body << " step " << step << ": " << d.reason;
            EXPECT_EQ(d.content, c.content) << c.body << " step " << step;
            EXPECT_EQ(d.done, c.done) << c.body << " step " << step;
        }
    }
}

TEST(ChunkedBody, MalformedOrHostileFramingIsRefusedWithAReason) {
    const std::pair<std::string, std::string> cases[] = {
        {"zz\r\nhello\r\n", "分块大小无效"},
        {"\r\nhello\r\n", "分块大小无效"},
        {"-5\r\nhello\r\n", "分块大小无效"},
        {"1000000000000000\r\n", "过大"},
        {"5\r\nhelloX\r\n0\r\n\r\n", "CR LF"},
        {"3\r\nhello\r\n0\r\n\r\n", "CR LF"},
        {"5\nhello\r\n0\r\n\r\n", "CR LF"},
        {"5\rhello\r\n", "分块扩展无效"},
        {"5;\r\nhello\r\n", "分块扩展无效"},
        {"5;a\x01\r\nhello\r\n", "分块扩展无效"},
        {std::string("5;a=\0\r\nhello\r\n", 14), "分块扩展无效"},
        {"5;a=\"open\r\nhello\r\n", "分块扩展无效"},
        {"5;a=b c\r\nhello\r\n", "分块扩展无效"},
        {"5;" + std::string(5000, 'e') + "\r\nhello\r\n", "超过"},
        {"5" + std::string(5000, ' ') + "\r\n", "超过"},
        {"0\r\n" + std::string(70, 'T') + "\r\n", ""},  // a long but allowed trailer line
    };
    for (const auto& [body, reasonPart] : cases) {
        for (size_t step : {0, 1, 5}) {
            Decoded d = decode(body, step);
            if (reasonPart.empty()) {
                EXPECT_TRUE(d.ok) << d.reason;
                continue;
            }
            EXPECT_FALSE(d.ok) << body.substr(0, 30) << " step " << step;
            EXPECT_NE(d.reason.find(reasonPart), std::string::npos) << d.reason;
        }
    }
    std::string trailer;
    for (int i = 0; i < 40; ++i)
        trailer += "X-Padding: " + std::string(2000, 'p') + "\r\n";
    Decoded tooMuch = decode("0\r\n" + trailer + "\r\n", 0);
    EXPECT_FALSE(tooMuch.ok);
    EXPECT_NE(tooMuch.reason.find("尾部"), std::string::npos) << tooMuch.reason;
}

TEST(ChunkedBody, ASinkThatRefusesStopsTheDecoding) {
    download::ChunkedBody chunks;
    std::string taken;
    int calls = 0;
    auto sink = [&](const char* data, size_t size) {
        taken.append(data, size);
        return ++calls < 2;
    };
    std::string body = "2\r\nab\r\n2\r\ncd\r\n2\r\nef\r\n0\r\n\r\n";
    EXPECT_FALSE(chunks.feed(body.data(), body.size(), sink));
    EXPECT_EQ(taken, "abcd");
    EXPECT_FALSE(chunks.done());
}
