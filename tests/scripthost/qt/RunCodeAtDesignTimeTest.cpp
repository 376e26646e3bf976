#include "scripthost/qt/RunCodeAtDesignTime.h"

#include <gtest/gtest.h>

#include <QJSEngine>
#include <QLabel>
#include <QPointer>

#include "ScriptedDialogs.h"
#include "controls/qt/PButton.h"
#include "scripthost/qt/SnippetRunner.h"

namespace {

using testing_support::ScriptedDialogs;

// A window with two labels, a button and the control, in design mode.
struct DesignSurface : ::testing::Test {
    QWidget window;
    QLabel* label1 = new QLabel(QStringLiteral("一"), &window);
    QLabel* label2 = new QLabel(QStringLiteral("二"), &window);
    PButton* button = new PButton(&window);
    RunCodeAtDesignTime* control = new RunCodeAtDesignTime(&window);
    ScriptedDialogs dialogs;

    void SetUp() override {
        label1->setObjectName(QStringLiteral("Label1"));
        label2->setObjectName(QStringLiteral("Label2"));
        button->setObjectName(QStringLiteral("PButton1"));
        control->setDialogs(dialogs);
        control->setDesignMode(true);
    }
    void useFaceExample() {
        control->setTPObjects(QStringLiteral("Label1#Label2"));
        control->setTPCodes(QStringLiteral(R"(Label1.caption="a"#Label2.caption="b")"));
        control->setTPSpliter(QStringLiteral("#"));
    }
};

TEST_F(DesignSurface, FaceExampleRunsTheChosenSnippetOrReportsMissingIndex) {
    useFaceExample();
    control->setTPRunAnIndexCode(0);
    EXPECT_EQ(label1->text(), "a");
    EXPECT_EQ(label2->text(), QStringLiteral("二"));
    control->setTPRunAnIndexCode(1);
    EXPECT_EQ(label2->text(), "b");
    EXPECT_TRUE(dialogs.shown.empty());
    for (qint16 index : {qint16(2), qint16(-1)}) {
        dialogs.shown.clear();
        control->setTPRunAnIndexCode(index);
        ASSERT_EQ(dialogs.messageTexts(), std::vector<std::string>{"索引号不存在."});
        EXPECT_EQ(dialogs.shown[0].icon, platform::MessageIcon::None);
        EXPECT_EQ(dialogs.shown[0].buttons, platform::MessageButtons::Ok);
        EXPECT_EQ(control->TPRunAnIndexCode().value, index);
    }
}

TEST_F(DesignSurface, SnippetIsCutAtSeparatorUnlessAnotherIsChosen) {
    control->setTPObjects(QStringLiteral("Label1"));
    control->setTPCodes(QStringLiteral(R"(Label1.caption="a#b")"));
    control->setTPRunAnIndexCode(0);
    EXPECT_EQ(label1->text(), QStringLiteral("一"));
    ASSERT_EQ(dialogs.messageTexts().size(), 1u);  // the cut snippet is not valid script

    dialogs.shown.clear();
    control->setTPSpliter(QStringLiteral("@@"));
    control->setTPRunAnIndexCode(0);
    EXPECT_EQ(label1->text(), "a#b");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(DesignSurface, FailuresShowTheirDescription) {
    struct Case {
        QString objects;
        QString codes;
        std::string expectedStart;
    };
    const Case cases[] = {
        {"Label1#Label9", "Label1.caption=\"a\"", "找不到控件“Label9”"},
        {"Label1", "Label1.caption=", "SyntaxError"},
        {"Label1", "Label3.caption=\"a\"", "ReferenceError"},
        {"Label1", "Label1.nosuchthing=1", "TypeError"},
    };
    for (const Case& c : cases) {
        dialogs.shown.clear();
        control->setTPObjects(c.objects);
        control->setTPCodes(c.codes);
        control->setTPRunAnIndexCode(0);
        std::vector<std::string> texts = dialogs.messageTexts();
        ASSERT_EQ(texts.size(), 1u) << c.codes.toStdString();
        EXPECT_EQ(texts[0].rfind(c.expectedStart, 0), 0u) << texts[0];
        EXPECT_EQ(label1->text(), QStringLiteral("一"));
    }
}

TEST_F(DesignSurface, NamesAnswerToAnyCaseAndControlsOutliveTheEngine) {
    control->setTPObjects(QStringLiteral("PButton1#Label1"));
    control->setTPCodes(QStringLiteral(R"(PButton1.TEXT = "开始"#Label1.CAPTION = PButton1.text)"));
    QPointer<PButton> watched(button);
    control->setTPRunAnIndexCode(0);
    control->setTPRunAnIndexCode(1);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.messageTexts().front();
    ASSERT_FALSE(watched.isNull());
    EXPECT_EQ(button->text(), QStringLiteral("开始"));
    EXPECT_EQ(label1->text(), QStringLiteral("开始"));
    EXPECT_EQ(QJSEngine::objectOwnership(button), QJSEngine::CppOwnership);
}

TEST(RunCodeAtDesignTime, RunModeRefusesScriptingPropertiesButNotColourAndCaption) {
    RunCodeAtDesignTime control;
    auto expectRead = [](const auto& value) {
        ASSERT_TRUE(value.error);
        EXPECT_EQ(value.error->number, 393);
    };
    expectRead(control.TPCodes());
    expectRead(control.TPObjects());
    expectRead(control.TPRunAnIndexCode());
    expectRead(control.TPSpliter());
    for (auto error : {control.setTPCodes("x"), control.setTPObjects("x"),
                       control.setTPRunAnIndexCode(0), control.setTPSpliter("x")}) {
        ASSERT_TRUE(error);
        EXPECT_EQ(error->number, 382);
    }
    EXPECT_TRUE(control.changedProperties().isEmpty());
    control.setBackColor(2288697);
    control.setCaption(QStringLiteral("署名"));
    EXPECT_EQ(control.backColor(), 2288697u);
    EXPECT_EQ(control.faceTexts().back(), QStringLiteral("署名"));
    control.setDesignMode(true);
    EXPECT_EQ(control.TPSpliter().value, "#");
    EXPECT_EQ(control.TPRunAnIndexCode().value, -1);
}

TEST(RunCodeAtDesignTime, WidthAndHeightStayWithinLimits) {
    struct Case {
        int widthTwips, heightTwips, expectedWidthTwips, expectedHeightTwips;
    };
    const Case cases[] = {
        {5000, 3000, 3900, 3000}, {3000, 3000, 3000, 3000}, {3000, 9000, 3000, 6000}};
    for (const Case& c : cases) {
        RunCodeAtDesignTime control;
        control.show();
        control.resize(c.widthTwips / 15, c.heightTwips / 15);
        EXPECT_EQ(control.size(), QSize(c.expectedWidthTwips / 15, c.expectedHeightTwips / 15));
    }
}

TEST(RunCodeAtDesignTime, SavesOnlyChangedPropertiesAndLoadingRunsNothing) {
    QWidget window;
    auto* label = new QLabel(QStringLiteral("原样"), &window);
    label->setObjectName(QStringLiteral("Label1"));
    ScriptedDialogs dialogs;
    auto* source = new RunCodeAtDesignTime(&window);
    PropertyBag defaults;
    source->writeProperties(defaults);
    ASSERT_EQ(defaults.entries().size(), 1);
    EXPECT_EQ(defaults.entries()[0].first, "tpcodes");

    PropertyBag saved;
    saved.write("TPCodes", R"(Label1.caption="变了")");
    saved.write("TPObjects", "Label1");
    saved.write("TPRunAnIndexCode", 0);
    auto* loaded = new RunCodeAtDesignTime(&window);
    loaded->setDialogs(dialogs);
    loaded->setDesignMode(true);
    loaded->readProperties(saved);
    EXPECT_EQ(label->text(), QStringLiteral("原样"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(loaded->TPRunAnIndexCode().value, 0);
    PropertyBag again;
    loaded->writeProperties(again);
    EXPECT_EQ(again.entries(), saved.entries());
}

TEST(SnippetRunner, EndlessSnippetIsStoppedAfterTheTimeLimit) {
    QLabel label;
    std::optional<QString> failure = scripthost::runSnippet(
        QStringLiteral("while (true) {}"), {{"Label1", &label}}, std::chrono::milliseconds(200));
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, QStringLiteral("代码运行超过 0.2 秒，已被停止。"));
    // A quick snippet is not disturbed by the limit.
    EXPECT_FALSE(scripthost::runSnippet(QStringLiteral(R"(Label1.caption = "好")"),
                                        {{"Label1", &label}}, std::chrono::milliseconds(200)));
    EXPECT_EQ(label.text(), QStringLiteral("好"));
}

TEST(SplitPieces, KeepsEmptyPiecesAndGivesNoneForEmptyText) {
    using scripthost::splitPieces;
    EXPECT_EQ(splitPieces("a##b#", "#"), QStringList({"a", "", "b", ""}));
    EXPECT_EQ(splitPieces("", "#"), QStringList());
    EXPECT_EQ(splitPieces("a#b", ""), QStringList({"a#b"}));
}

TEST(RunCodeAtDesignTime, FaceShowsTutorialAndExample) {
    RunCodeAtDesignTime control;
    QStringList texts = control.faceTexts();
    ASSERT_EQ(texts.size(), 13);
    EXPECT_EQ(texts[0], QStringLiteral("设计界面代码执行工具 V1.0"));
    EXPECT_TRUE(texts[10].startsWith(QStringLiteral("4.")));
    EXPECT_TRUE(texts[11].startsWith(QStringLiteral("4.")));
    EXPECT_EQ(texts[12], QStringLiteral("Powered By Morvane Studio"));
}

}  // namespace
