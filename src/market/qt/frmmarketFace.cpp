#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

#include "controls/qt/PButton.h"
#include "controls/qt/PProgressBar.h"
#include "market/ParallelDownloads.h"
#include "market/qt/frmmarket.h"
#include "platform/qt/UiFont.h"
#include "platform/qt/WidgetHelpers.h"

// The controls of the market window and where they sit.

using platform::named;

namespace {

constexpr int kWidth = 640;
constexpr int kPanelTop = 44;
constexpr int kPanelHeight = 262;
constexpr quint32 kProgressTrack = 0xE6E6E6;

QLabel* label(const QString& caption, QWidget* parent, const char* name) {
    auto* result = named(new QLabel(caption, parent), name);
    result->setTextFormat(Qt::PlainText);
    return result;
}

PButton* button(const QString& caption, QWidget* parent, const char* name) {
    auto* result = named(new PButton(parent), name);
    result->setText(caption);
    result->setColorText(0xFFFFFF);
    result->resize(150, 34);
    return result;
}

}  // namespace

void frmmarket::buildTabs() {
    setFixedSize(kWidth, 500);
    const QStringList captions{QStringLiteral("版本文件"), QStringLiteral("Mods"),
                               QStringLiteral("材质包")};
    for (int i = 0; i < 3; ++i) {
        QLabel* tab = label(captions[i], this, "tabs");
        tab->setFont(platform::uiFont(12, true));
        tab->setGeometry(16 + i * 104, 8, 96, 30);
        tab->setAlignment(Qt::AlignCenter);
        tab->setCursor(Qt::PointingHandCursor);
        tab->installEventFilter(this);
        tabs_[size_t(i)] = tab;
        colourTab(i, i == 0 ? kTabChosen : kTabResting);
    }
}

void frmmarket::buildVersionsPanel() {
    pnlVersions = named(new QWidget(this), "pnlVersions");
    pnlVersions->setGeometry(8, kPanelTop, kWidth - 16, kPanelHeight);
    pnlVersions->setAutoFillBackground(true);
    List1 = named(new QListWidget(pnlVersions), "List1");
    List1->setGeometry(0, 0, 390, kPanelHeight);
    List1->setUniformItemSizes(true);
    connect(List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { List1_Click(List1->row(item)); });
    Label2 = label(QStringLiteral("版本名称："), pnlVersions, "Label2");
    Label2->setGeometry(406, 8, 218, 24);
    Label3 = label(QStringLiteral("版本类型："), pnlVersions, "Label3");
    Label3->setGeometry(406, 38, 218, 24);
    catalogueNote_ = label({}, pnlVersions, "catalogueNote");
    catalogueNote_->setGeometry(406, 70, 218, 110);
    catalogueNote_->setWordWrap(true);
    catalogueNote_->setStyleSheet("color: #c0392b");
    catalogueNote_->hide();
    PButton1 = button(QStringLiteral("加入下载列表"), pnlVersions, "PButton1");
    PButton1->move(440, 180);
    connect(PButton1, &PButton::Click, this, [this] { PButton1_Click(); });
    PButton2 = button(QStringLiteral("更新资源"), pnlVersions, "PButton2");
    PButton2->move(440, 222);
    connect(PButton2, &PButton::Click, this, [this] { PButton2_Click(); });
}

void frmmarket::buildModsPanel() {
    pnlMods = named(new QWidget(this), "pnlMods");
    pnlMods->setGeometry(8, kPanelTop, kWidth - 16, kPanelHeight);
    pnlMods->setAutoFillBackground(true);
    选择版本 = named(new QComboBox(pnlMods), "选择版本");
    选择版本->setGeometry(0, 0, 160, 28);
    // The game versions the mod catalogue is published for.
    选择版本->addItems({QStringLiteral("1.6.4"), QStringLiteral("1.7.2"), QStringLiteral("1.7.10"),
                        QStringLiteral("Other")});
    // Only a choice of the player lists mods; the first item shown is no choice yet.
    选择版本->setCurrentIndex(-1);
    connect(选择版本, &QComboBox::activated, this,
            [this](int index) { GetModsList(选择版本->itemText(index).toStdString()); });
    List4 = named(new QListWidget(pnlMods), "List4");
    List4->setGeometry(0, 36, 390, kPanelHeight - 36);
    connect(List4, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { List4_Click(List4->row(item)); });
    Label9 = label(
        QStringLiteral("Mod描述：这是一个用来凑字数凑字数凑字数凑字数凑字数凑字数凑字数凑字数凑字"
                       "数凑字数凑字数凑字数凑字数凑字数凑字数凑字数凑字数凑字数的测试"),
        pnlMods, "Label9");
    Label9->setGeometry(406, 8, 218, 130);
    Label9->setWordWrap(true);
    Label9->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Label7 = label({}, pnlMods, "Label7");
    Label7->setGeometry(406, 140, 218, 36);
    Label7->setWordWrap(true);
    modsNote_ = label({}, pnlMods, "modsNote");
    modsNote_->setGeometry(170, 0, 454, 28);
    modsNote_->setStyleSheet("color: #c0392b");
    modsNote_->hide();
    PButton3 = button(QStringLiteral("加入下载列表"), pnlMods, "PButton3");
    PButton3->move(440, 222);
    connect(PButton3, &PButton::Click, this, [this] { PButton3_Click(); });
    pnlMods->hide();  // until its tab is chosen
}

void frmmarket::buildDownloadFrame() {
    Frame1 = named(new QGroupBox(QStringLiteral("下载列表"), this), "Frame1");
    Frame1->setGeometry(8, kPanelTop + kPanelHeight + 8, kWidth - 16, 170);
    // Opaque: in the compact update modes it lies over the tab headers.
    Frame1->setAutoFillBackground(true);
    List3 = named(new QListWidget(Frame1), "List3");
    List3->setGeometry(10, 24, kWidth - 36, 94);
    // Thousands of one-line entries: measuring one lays out the list, not every text again on
    // each removal of the head.
    List3->setUniformItemSizes(true);
    // The running task, entry 0, stays selected whatever the player clicks.
    connect(List3, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row != 0 && List3->count() > 0) List3->setCurrentRow(0);
    });
    Label5 = label(QStringLiteral("0KB/S"), Frame1, "Label5");
    Label5->setGeometry(10, 124, 120, 20);
    Label8 = label(QStringLiteral("0项"), Frame1, "Label8");
    Label8->setGeometry(140, 124, 120, 20);
    PProgressBar1 = named(new PProgressBar(Frame1), "PProgressBar1");
    PProgressBar1->setAccessibleName(QStringLiteral("下载进度"));
    PProgressBar1->setGeometry(10, 148, kWidth - 36, 12);
    PProgressBar1->setValue(0);
    // A light track: on the control's own cyan an empty bar would look full.
    PProgressBar1->setColorBack(kProgressTrack);
}

void frmmarket::buildParallelChoice() {
    label(QStringLiteral("同时下载"), Frame1, "parallelLabel")
        ->setGeometry(kWidth - 170, 124, 64, 20);
    parallelBox = named(new QComboBox(Frame1), "parallelBox");
    parallelBox->setAccessibleName(QStringLiteral("同时下载"));
    parallelBox->setGeometry(kWidth - 100, 121, 64, 24);
    for (size_t choice : market::kParallelChoices) {
        parallelBox->addItem(QString::number(choice), QVariant::fromValue(choice));
        if (choice == pipeline_.parallel()) parallelBox->setCurrentIndex(parallelBox->count() - 1);
    }
    connect(parallelBox, &QComboBox::activated, this,
            [this](int index) { chooseParallel(parallelBox->itemData(index).value<size_t>()); });
}

bool frmmarket::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < 3; ++i) {
            if (watched == tabs_[size_t(i)]) tabs_Click(i);
        }
    }
    return QDialog::eventFilter(watched, event);
}
