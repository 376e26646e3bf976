#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "context/ShowFailure.h"
#include "market/qt/frmmarket.h"
#include "platform/qt/WidgetHelpers.h"

// The download source of the market: shown beside the tab headers, switched by the player and
// remembered in services.ini.

using platform::named;
using platform::qs;

void frmmarket::buildSourceBar() {
    sourceLabel_ = named(new QLabel(this), "sourceLabel");
    sourceLabel_->setTextFormat(Qt::PlainText);
    sourceLabel_->setGeometry(330, 14, 206, 20);
    sourceLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sourceSwitch_ = named(new QPushButton(QStringLiteral("切换下载源"), this), "sourceSwitch");
    sourceSwitch_->setGeometry(542, 10, 90, 28);
    connect(sourceSwitch_, &QPushButton::clicked, this, [this] { switchSource(); });
    showSource();
}

void frmmarket::showSource() {
    source_ = market::makeDownloadSource(context_.services);
    sourceLabel_->setText(qs(source_->label()));
    sourceLabel_->setToolTip(qs(source_->label()));
}

void frmmarket::switchSource() {
    const DownloadSourceKind next = context_.services.source == DownloadSourceKind::Official
                                        ? DownloadSourceKind::Mirror
                                        : DownloadSourceKind::Official;
    const std::string file = context_.dataFile("services.ini");
    platform::Result<void> saved = saveDownloadSource(file, next);
    if (!saved) {
        showFailure(context_, "无法切换下载源：" + saved.reason(), kAppTitle,
                    platform::MessageIcon::None);
        return;
    }
    context_.services.source = next;
    context_.log.write("下载源已切换为 " + sourceName(next) + "，保存在 " + file);
    showSource();
    // The catalogue belongs to the source it came from.
    List1->clear();
    List2.clear();
    Label2->setText(QStringLiteral("版本名称："));
    Label3->setText(QStringLiteral("版本类型："));
    loadCatalogue();
}
