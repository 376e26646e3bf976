#include <gtest/gtest.h>

#include "market/UpdateRecord.h"

using market::cutUpdateRecord;
using market::UpdateRecord;

TEST(UpdateRecord, CutBetweenTheFirstFullWidthBrackets) {
    struct Case {
        std::string page;
        std::optional<std::vector<std::string>> fields;  // version, url, message, sha256
    };
    const Case cases[] = {
        {"<p>【0.7.1|http://h/new.exe|新版本】</p>【9|x|y】",
         {{"0.7.1", "http://h/new.exe", "新版本", ""}}},
        {"【0.7.1|http://h/new.exe|m|ABCDEF】", {{"0.7.1", "http://h/new.exe", "m", "ABCDEF"}}},
        {"【0.7.1|u|m|s|more】", {{"0.7.1", "u", "m", "s"}}},
        {"【||】", {{"", "", "", ""}}},
        {"【0.7.1|u】", std::nullopt},
        {"【0.7.1|u|m", std::nullopt},
        {"0.7.1|u|m】", std::nullopt},
        {"】【0.7.1|u|m】", std::nullopt},
        {"[0.7.1|u|m]", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        std::optional<UpdateRecord> record = cutUpdateRecord(c.page);
        ASSERT_EQ(record.has_value(), c.fields.has_value()) << c.page;
        if (!record) continue;
        EXPECT_EQ((std::vector<std::string>{record->version, record->url, record->message,
                                            record->sha256}),
                  *c.fields)
            << c.page;
    }
}

TEST(UpdateRecord, AnyVersionTextButTheOwnOneIsAnUpdate) {
    for (const char* other : {"0.6.9", "0.7.1", "0.7.0 ", "v0.7.0", "0.7", ""})
        EXPECT_TRUE(market::offersUpdate({other, "u", "m", ""}, "0.7.0")) << other;
    EXPECT_FALSE(market::offersUpdate({"0.7.0", "u", "m", ""}, "0.7.0"));
}

TEST(UpdateRecord, QuestionBreaksLinesAtEveryVbcrlf) {
    EXPECT_EQ(market::updateQuestion("第一行[vbcrlf]第二行"), "第一行\r\n第二行");
    EXPECT_EQ(market::updateQuestion("[vbcrlf][vbcrlf]x[VBCRLF]"), "\r\n\r\nx[VBCRLF]");
}

TEST(UpdateRecord, Sha256FieldIsSixtyFourHexDigits) {
    const std::string good(64, 'a');
    EXPECT_TRUE(market::isSha256Hex(good));
    EXPECT_TRUE(market::isSha256Hex(std::string(32, 'F') + std::string(32, '0')));
    for (const std::string& bad :
         {std::string(63, 'a'), std::string(65, 'a'), std::string(63, 'a') + "g", std::string()})
        EXPECT_FALSE(market::isSha256Hex(bad)) << bad;
}
