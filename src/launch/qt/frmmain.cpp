#include "launch/qt/frmmain.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <cmath>

#include "account/qt/frmsetting.h"
#include "controls/qt/TrkenderPlus.h"
#include "platform/FileList.h"
#include "platform/qt/UiFont.h"
#include "platform/qt/WidgetHelpers.h"
#include "servers/qt/serveradfrm.h"
#include "startup/Theme.h"

namespace {

using platform::fromRgb;
using platform::kTwipsPerPixel;
using platform::named;
using platform::qs;

QLabel* whiteLabel(const QString& text, QWidget* parent, const char* name, const QFont& font) {
    auto* label = named(new QLabel(text, parent), name);
    label->setFont(font);
    label->setStyleSheet("color: white; background: transparent;");
    return label;
}

TrkenderPlus* translucentPicture(QWidget* parent, const char* name, int opacity) {
    auto* picture = named(new TrkenderPlus(parent), name);
    picture->setTMD(opacity);
    return picture;
}

QPushButton* gradientButton(const QString& caption, QWidget* parent, const char* name) {
    auto* button = named(new QPushButton(caption, parent), name);
    button->setFont(platform::uiFont(11));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(
        "QPushButton { color: white; border: 1px solid rgba(255,255,255,90); border-radius: 3px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3FA9E8, stop:1 #1670B8); }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #5BBDF5, stop:1 #2383CC); }"
        "QPushButton:pressed { background: #125E9C; }");
    return button;
}

}  // namespace

frmmain::frmmain(LauncherContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      context_(context),
      colour_(fromRgb(kDefaultBackground)) {
    setObjectName("frmmain");
    setFont(platform::uiFont(9));
    resize(720, kOpenHeight / kTwipsPerPixel);
    setMouseTracking(true);
    buildControls();
}

frmmain::~frmmain() = default;

void frmmain::buildControls() {
    lbltitle = whiteLabel("", this, "lbltitle", platform::uiFont(10));
    lbltitle->setGeometry(12, 4, 600, 26);
    btnmin = whiteLabel("_", this, "btnmin", platform::latinFont("Tahoma", 12));
    btnmin->setToolTip("最小化");
    btnmin->setGeometry(650, 0, 30, 30);
    btnclose = whiteLabel("×", this, "btnclose", platform::latinFont("Tahoma", 12));
    btnclose->setToolTip("关闭窗口");
    btnclose->setGeometry(684, 0, 30, 30);
    for (QLabel* label : {btnmin, btnclose})
        label->setAlignment(Qt::AlignCenter);

    Label3 = whiteLabel("MINECRAFT", this, "Label3", platform::latinFont("Trebuchet MS", 34, true));
    Label3->setGeometry(40, 70, 460, 60);
    Label4 = whiteLabel("for XXX服务器 客户端", this, "Label4", platform::uiFont(14));
    Label4->setGeometry(44, 132, 440, 30);

    TMDer = translucentPicture(this, "TMDer", 120);
    TMDer->setGeometry(505, 105, 210, 176);             // a light panel behind the three buttons
    bootitem = named(new QComboBox(this), "bootitem");  // pick only, no typing
    bootitem->setFont(platform::uiFont(11));
    bootitem->setGeometry(40, 362, 240, 34);
    btnstartgame = whiteLabel("开始游戏", this, "btnstartgame", platform::uiFont(18, true));
    btnstartgame->setAlignment(Qt::AlignCenter);
    btnstartgame->setStyleSheet("color: white; background: #2F9E44;");
    btnstartgame->setCursor(Qt::PointingHandCursor);
    btnstartgame->setGeometry(310, 346, 190, 66);
    clickxger = translucentPicture(this, "clickxger", 50);
    clickxger->setGeometry(btnstartgame->geometry());
    clickxger->setAttribute(Qt::WA_TransparentForMouseEvents);
    clickxger->hide();
    buildButtons();

    Label1 = named(new QLabel(this), "Label1");
    Label1->setStyleSheet("background: rgba(255, 255, 255, 40);");
    Label1->setGeometry(0, 436, 720, 10);
    Label1->setMouseTracking(true);
    Label2 = whiteLabel("感谢所有为Vendrolupa出过力的朋友们！[点击查看鸣谢]", this, "Label2",
                        platform::uiFont(9));
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->setGeometry(16, 452, 520, 22);
    Label5 = whiteLabel("帮助", this, "Label5", platform::latinFont("Tahoma", 9));
    Label5->setGeometry(662, 452, 48, 22);

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    // Children keep their own mouse: moving over them is not moving over the window.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->setAttribute(Qt::WA_NoMousePropagation);
        child->installEventFilter(this);
    }
}

void frmmain::buildButtons() {
    btnmarket = gradientButton("Minecraft 应用市场", this, "btnmarket");
    btnmarket->setGeometry(520, 120, 180, 42);
    btnservers = gradientButton("服务器状态", this, "btnservers");
    btnservers->setGeometry(520, 172, 180, 42);
    btnsetting = gradientButton("启动器设置", this, "btnsetting");
    btnsetting->setGeometry(520, 224, 180, 42);
    connect(btnmarket, &QPushButton::clicked, this, [this] { context_.hooks.showMarket(true); });
    connect(btnservers, &QPushButton::clicked, this, [this] { showServers(); });
    connect(btnsetting, &QPushButton::clicked, this, [this] { showSettings(); });
}

void frmmain::showTitle(const std::string& title) {
    lbltitle->setText(qs(title));
    setWindowTitle(qs(title));
}

void frmmain::ShowFolderList(const std::string& folderspec) {
    bootitem->clear();
    for (const std::string& name : platform::listSubFolders(folderspec)) {
        bootitem->addItem(qs(name));
        bootitem->setCurrentIndex(0);
    }
}

void frmmain::showRandomBackground() {
    File1.clear();
    for (const std::string& name : platform::listFiles(context_.dataFolder(), {".jpg", ".bmp"}))
        File1 << qs(name);
    if (File1.isEmpty()) return;
    auto index = qsizetype(std::floor(double(File1.size()) * context_.random().next()));
    index = std::clamp<qsizetype>(index, 0, File1.size() - 1);
    QPixmap picture(qs(context_.dataFile(File1[index].toStdString())));
    if (picture.isNull()) return;  // not a picture after all: keep the current background
    background_ = picture;
    backgroundFile_ = File1[index];
    update();
}

void frmmain::setThemeColour(uint32_t rgb) {
    colour_ = fromRgb(rgb);
    update();
}

void frmmain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    if (!background_.isNull()) painter.drawPixmap(0, 0, background_);
}

void frmmain::mouseMoveEvent(QMouseEvent*) {
    startBottomAnimation(true);
}

void frmmain::mouseDoubleClickEvent(QMouseEvent*) {
    showRandomBackground();
}

void frmmain::startBottomAnimation(bool collapse) {
    collapsing_ = collapse;
    Timer1->start();
}

void frmmain::Timer1_Timer() {
    int height = heightTwips();
    if (collapsing_) {
        if (height > kShutHeight)
            resize(width(), (height - kStep) / kTwipsPerPixel);
        else
            Timer1->stop();
    } else {
        if (height >= kOpenHeight)
            Timer1->stop();
        else
            resize(width(), (height + kStep) / kTwipsPerPixel);
    }
}

bool frmmain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1 && event->type() == QEvent::MouseMove) {
        startBottomAnimation(false);
        return true;
    }
    if (watched == lbltitle || watched == btnmin || watched == btnclose)
        return titleRowEvent(static_cast<QLabel*>(watched), event);
    if (watched == btnstartgame) return startButtonEvent(event);
    if (watched == Label2 && event->type() == QEvent::MouseButtonRelease &&
        Label2->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        showCredits();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool frmmain::titleRowEvent(QLabel* label, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    bool press = event->type() == QEvent::MouseButtonPress;
    if (label == lbltitle) {
        if (press && windowHandle()) windowHandle()->startSystemMove();
        return true;
    }
    QFont font = label->font();
    font.setBold(press);
    label->setFont(font);
    if (!press && label->rect().contains(mouse->position().toPoint())) {
        if (label == btnmin)
            showMinimized();
        else
            context_.hooks.endProcess();
    }
    return true;
}

bool frmmain::startButtonEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) clickxger->show();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        runLaunchSequence(context_, bootitem->currentText().toStdString(), *this);
        return true;
    }
    return false;
}

void frmmain::showSettings() {
    frmsetting window(context_, this);
    window.exec();
}

void frmmain::showServers() {
    // One server window at a time; it goes away when closed.
    if (!servers_) {
        servers_ = new serveradfrm(context_, this);
        servers_->setAttribute(Qt::WA_DeleteOnClose);
    }
    servers_->show();
    servers_->raise();
}

void frmmain::showCredits() {
    auto* credits = new QMessageBox(QMessageBox::NoIcon, "鸣谢",
                                    "感谢所有为 Vendrolupa 出过力的朋友们！\n\n"
                                    "感谢每一位提出建议、报告问题、测试版本和分享启动器的玩家。",
                                    QMessageBox::Ok, this);
    credits->setObjectName("frmcredits");
    credits->setAttribute(Qt::WA_DeleteOnClose);
    credits->setModal(false);
    credits->show();
}

void frmmain::showMarketHideMain() {
    context_.hooks.showMarket(false);
    hide();
}

void frmmain::hideOverlay() {
    clickxger->hide();
}

void frmmain::restoreMainWindow() {
    clickxger->hide();
    show();
}
