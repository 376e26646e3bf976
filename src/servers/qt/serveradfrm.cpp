#include "servers/qt/serveradfrm.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "context/ShowFailure.h"
#include "controls/qt/bluebutton.h"
#include "platform/qt/WidgetHelpers.h"

namespace {

const char* const kTitle = "服务器状态查询（仅支持1.7.2）";
const char* const kQuerying = "正在查询…";
const char* const kUnreachable = "连接失败";
const char* const kTimedOut = "查询超时";
const char* const kBadReply = "回复无效";
const char* const kAddTitle = "添加服务器";

using platform::qs;

QLabel* label(const QString& text, int pointSize, bool bold, QWidget* parent) {
    auto* result = new QLabel(text, parent);
    // Names come from the user and the list file; they are shown as typed, never as markup.
    result->setTextFormat(Qt::PlainText);
    QFont font = result->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    result->setFont(font);
    return result;
}

}  // namespace

serveradfrm::serveradfrm(LauncherContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context) {
    buildFace();
    // Window load: the places come from the file; a missing file leaves the placeholders.
    list_ = servers::loadServerList(listPath());
    for (int place = 0; place < servers::kPlaceCount; ++place)
        showPlace(place);
}

std::string serveradfrm::listPath() const {
    return context_.dataFile("serverlist.ini");
}

void serveradfrm::buildFace() {
    setWindowTitle(QStringLiteral("服务器"));
    setStyleSheet(QStringLiteral("serveradfrm { background: white; }"));
    setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(10);
    QLabel* title = label(qs(kTitle), 14, true, this);
    layout->addWidget(title);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(0);
    for (int place = 0; place < servers::kPlaceCount; ++place) {
        QLabel* number = label(QString::number(place + 1), 26, true, this);
        number->setStyleSheet(QStringLiteral("color: #0274FF;"));
        grid->addWidget(number, place * 3, 0, 2, 1, Qt::AlignCenter);
        grid->setRowMinimumHeight(place * 3 + 2, 8);

        QLabel* name = label(qs(servers::kPlaceholder), 12, false, this);
        name->setObjectName(QStringLiteral("Label3_%1").arg(place));
        name->setCursor(Qt::PointingHandCursor);
        name->installEventFilter(this);
        label3_[size_t(place)] = name;
        grid->addWidget(name, place * 3, 1);

        QLabel* address = label(qs(servers::kPlaceholder), 9, false, this);
        address->setObjectName(QStringLiteral("Label4_%1").arg(place));
        address->setStyleSheet(QStringLiteral("color: #666666;"));
        label4_[size_t(place)] = address;
        grid->addWidget(address, place * 3 + 1, 1);

        auto* query = new StatusQuery(this);
        query->onFinished = [this, place](const StatusQuery::Result& result) {
            takeResult(place, result);
        };
        winsock1_[size_t(place)] = query;
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch();

    bluebutton1_ = new bluebutton(this);
    bluebutton1_->setObjectName(QStringLiteral("bluebutton1"));
    bluebutton1_->setCaption(QStringLiteral("刷新列表"));
    bluebutton1_->setBackColor(0xF2AF00);  // #00AFF2
    bluebutton1_->setForeColor(0xFFFFFF);
    bluebutton1_->setDownColor(0xFF7402);  // #0274FF
    bluebutton1_->setFixedSize(120, 32);
    connect(bluebutton1_, &bluebutton::Click, this, &serveradfrm::refresh);
    layout->addWidget(bluebutton1_, 0, Qt::AlignRight);
    resize(460, 380);
}

bool serveradfrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        for (int place = 0; place < servers::kPlaceCount; ++place) {
            QLabel* name = label3_[size_t(place)];
            if (watched != name) continue;
            // A click is a left button let go over the name, not any release after a drag.
            if (mouse->button() == Qt::LeftButton &&
                name->rect().contains(mouse->position().toPoint()))
                addServer(place);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void serveradfrm::showPlace(int place) {
    const servers::ServerEntry& entry = list_[size_t(place)];
    const std::optional<std::string>& status = status_[size_t(place)];
    label3_[size_t(place)]->setText(qs(status ? *status : entry.name));
    label4_[size_t(place)]->setText(qs(entry.address));
}

void serveradfrm::addServer(int place) {
    platform::Dialogs& dialogs = context_.dialogs();
    // A cancelled box leaves the place and the file as they were.
    std::optional<std::string> name = dialogs.inputBox("请输入服务器名字", kAddTitle, "");
    if (!name) return;
    std::optional<std::string> address = dialogs.inputBox("请输入服务器 IP:端口", kAddTitle, "");
    if (!address) return;
    std::string problem = servers::entryProblem(*name, *address);
    if (!problem.empty()) {
        dialogs.messageBox(problem, kAddTitle, platform::MessageIcon::Warning,
                           platform::MessageButtons::Ok);
        return;
    }
    winsock1_[size_t(place)]->stop();
    list_[size_t(place)] = {*name, *address};
    status_[size_t(place)].reset();
    showPlace(place);
    if (platform::Result<> saved = servers::saveServerList(listPath(), list_); !saved) {
        showFailure(context_, "无法保存服务器列表：" + saved.reason(), kAppTitle,
                    platform::MessageIcon::Critical);
    }
}

void serveradfrm::refresh() {
    for (int place = 0; place < servers::kPlaceCount; ++place) {
        StatusQuery& query = *winsock1_[size_t(place)];
        if (query.running()) status_[size_t(place)] = statusBeforeQuery_[size_t(place)];
        query.stop();
        std::optional<servers::Endpoint> endpoint =
            servers::parseAddress(list_[size_t(place)].address);
        if (!endpoint) {
            showPlace(place);
            continue;
        }
        statusBeforeQuery_[size_t(place)] = status_[size_t(place)];
        status_[size_t(place)] = kQuerying;
        showPlace(place);
        query.start(*endpoint, queryTimeoutMs_);
    }
}

void serveradfrm::takeResult(int place, const StatusQuery::Result& result) {
    std::optional<std::string>& status = status_[size_t(place)];
    switch (result.outcome) {
        case StatusQuery::Outcome::Counted:
            status = result.count->text();
            break;
        case StatusQuery::Outcome::NoNumbers:
            status = statusBeforeQuery_[size_t(place)];
            break;
        case StatusQuery::Outcome::Unreachable:
            status = kUnreachable;
            break;
        case StatusQuery::Outcome::TimedOut:
            status = kTimedOut;
            break;
        case StatusQuery::Outcome::BadReply:
            status = kBadReply;
            break;
    }
    showPlace(place);
}

bool serveradfrm::queriesRunning() const {
    for (StatusQuery* query : winsock1_) {
        if (query->running()) return true;
    }
    return false;
}
