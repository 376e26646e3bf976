#include "scripthost/qt/RunCodeAtDesignTime.h"

#include <QLabel>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "context/AppTitle.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/WidgetHelpers.h"
#include "scripthost/qt/SnippetRunner.h"

namespace {

const char* const kFace[] = {
    "设计界面代码执行工具 V1.0",
    "使用教程",
    "1.将该控件放在要操控的控件的容器上.",
    "2.在TPObjects中确定要操控的控件，用 Spliter(默认为#)隔开每个名称.",
    "3.在TPCodes中预设代码（VBScript）。用 Spliter(默认为#)隔开每句代码.",
    "4.在TPRunAnIndexCode中设置索引号（索引号为从 0 开始的 TPCodes.成功设置后，你的代码将会执行.",
    "示例",
    "1.设置TPObjects为 Label1#Label2",
    "2.设置TPCodes为    Label1.caption=\"a\"#Label2.caption=\"b\".",
    "3.设置Spliter为 # .",
    "4.如果 TPRunAnIndexCode设置为 0 ，那么label1的显示文字会变成\"a\"。",
    "4.如果 TPRunAnIndexCode设置为 1 ，那么label2的显示文字会变成\"b\"。",
};

const char* const kNoSuchIndex = "索引号不存在.";

}  // namespace

RunCodeAtDesignTime::RunCodeAtDesignTime(QWidget* parent)
    : QWidget(parent), ownDialogs_(std::make_unique<platform::QtDialogs>()) {
    dialogs_ = ownDialogs_.get();
    buildFace();
    resize(platform::twipsToPixels(kMaxWidthTwips), platform::twipsToPixels(kMaxHeightTwips));
}

RunCodeAtDesignTime::~RunCodeAtDesignTime() = default;

void RunCodeAtDesignTime::buildFace() {
    auto* layout = new QVBoxLayout(this);
    // The face never holds the control back from the size the designer gives it.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    for (const char* text : kFace) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setWordWrap(true);
        layout->addWidget(label);
        faceLabels_.append(label);
    }
    QFont titleFont = faceLabels_.first()->font();
    titleFont.setBold(true);
    faceLabels_.first()->setFont(titleFont);
    layout->addStretch();
    creditLabel_ = new QLabel(caption_, this);
    creditLabel_->setTextFormat(Qt::PlainText);
    layout->addWidget(creditLabel_);
}

QStringList RunCodeAtDesignTime::faceTexts() const {
    QStringList texts;
    for (QLabel* label : faceLabels_)
        texts.append(label->text());
    texts.append(creditLabel_->text());
    return texts;
}

std::optional<RunTimeError> RunCodeAtDesignTime::runTimeSetError() const {
    if (designMode_) return std::nullopt;
    return RunTimeError{kCannotSetAtRunTime, QStringLiteral("运行时不能设置属性")};
}

void RunCodeAtDesignTime::markChanged(const QString& name) {
    changed_.insert(name);
    emit PropertyChanged(name);
}

std::optional<RunTimeError> RunCodeAtDesignTime::setTPCodes(const QString& codes) {
    if (auto error = runTimeSetError()) return error;
    codes_ = codes;
    markChanged(QStringLiteral("TPCodes"));
    return std::nullopt;
}

std::optional<RunTimeError> RunCodeAtDesignTime::setTPObjects(const QString& names) {
    if (auto error = runTimeSetError()) return error;
    objects_ = names;
    markChanged(QStringLiteral("TPObjects"));
    return std::nullopt;
}

std::optional<RunTimeError> RunCodeAtDesignTime::setTPSpliter(const QString& spliter) {
    if (auto error = runTimeSetError()) return error;
    spliter_ = spliter;
    markChanged(QStringLiteral("TPSpliter"));
    return std::nullopt;
}

std::optional<RunTimeError> RunCodeAtDesignTime::setTPRunAnIndexCode(qint16 index) {
    if (auto error = runTimeSetError()) return error;
    index_ = index;
    markChanged(QStringLiteral("TPRunAnIndexCode"));
    runSnippet(index);
    return std::nullopt;
}

void RunCodeAtDesignTime::setBackColor(quint32 color) {
    backColor_ = color;
    markChanged(QStringLiteral("BackColor"));
}

void RunCodeAtDesignTime::setCaption(const QString& caption) {
    caption_ = caption;
    creditLabel_->setText(caption);
    markChanged(QStringLiteral("Caption"));
}

void RunCodeAtDesignTime::runSnippet(int index) {
    QList<scripthost::NamedControl> named;
    QWidget* holder = window();
    for (const QString& name : scripthost::splitPieces(objects_, spliter_)) {
        QObject* control = name.isEmpty()
                               ? nullptr
                               : holder->findChild<QObject*>(name, Qt::FindChildrenRecursively);
        if (!control && holder->objectName() == name && !name.isEmpty()) control = holder;
        if (!control) return showFailure(QStringLiteral("找不到控件“%1”").arg(name));
        named.append({name, control});
    }
    QStringList snippets = scripthost::splitPieces(codes_, spliter_);
    if (index < 0 || index >= snippets.size()) return showFailure(QString::fromUtf8(kNoSuchIndex));
    if (std::optional<QString> failure = scripthost::runSnippet(snippets[index], named))
        showFailure(*failure);
}

void RunCodeAtDesignTime::showFailure(const QString& text) {
    dialogs_->messageBox(text.toStdString(), kAppTitle, platform::MessageIcon::None,
                         platform::MessageButtons::Ok);
}

void RunCodeAtDesignTime::resizeEvent(QResizeEvent* event) {
    int maxWidth = platform::twipsToPixels(kMaxWidthTwips);
    int maxHeight = platform::twipsToPixels(kMaxHeightTwips);
    QSize size = event->size();
    if (size.width() > maxWidth || size.height() > maxHeight)
        resize(std::min(size.width(), maxWidth), std::min(size.height(), maxHeight));
}

void RunCodeAtDesignTime::writeProperties(PropertyBag& bag) const {
    bag.write("TPCodes", codes_);
    bag.write("TPObjects", objects_, QString());
    bag.write("TPRunAnIndexCode", index_, qint16(-1));
    bag.write("TPSpliter", spliter_, kDefaultSpliter);
    bag.write("BackColor", backColor_, kDefaultBackColor);
    bag.write("Caption", caption_, kDefaultCaption);
}

void RunCodeAtDesignTime::readProperties(const PropertyBag& bag) {
    codes_ = bag.read("TPCodes", QString()).toString();
    objects_ = bag.read("TPObjects", QString()).toString();
    index_ = qint16(bag.read("TPRunAnIndexCode", -1).toInt());
    spliter_ = bag.read("TPSpliter", kDefaultSpliter).toString();
    backColor_ = bag.read("BackColor", kDefaultBackColor).toUInt();
    caption_ = bag.read("Caption", kDefaultCaption).toString();
    creditLabel_->setText(caption_);
    changed_.clear();
}
