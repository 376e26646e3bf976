#include "market/qt/frmmarket.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "context/ShowFailure.h"
#include "controls/qt/PProgressBar.h"
#include "download/qt/XGTDL.h"
#include "market/AssetInstaller.h"
#include "market/LibraryInstaller.h"
#include "market/NativeInstaller.h"
#include "market/ParallelDownloads.h"
#include "market/VersionInstaller.h"
#include "platform/qt/WidgetHelpers.h"

using platform::qs;

frmmarket::frmmarket(LauncherContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      pipeline_(*this, context.dialogs(), context.folders()),
      selfUpdate_(context, platform::executablePath()) {
    setObjectName("frmmarket");
    setWindowTitle(qs(std::string(market::kMarketTitle)));
    buildTabs();
    buildModsPanel();
    buildVersionsPanel();
    buildDownloadFrame();
    buildSourceBar();
    XGTDL1 = control(0);
    pipeline_.setParallel(
        market::loadParallelDownloads(context.dataFile(market::kParallelFileName)));
    buildParallelChoice();
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, [this] { pipeline_.onTimerTick(); });
    Timer1.start();
    loadCatalogue();
    List1->setFocus();
}

frmmarket::~frmmarket() = default;

void frmmarket::loadCatalogue() {
    market::Catalogue catalogue =
        source_->loadCatalogue(context_.http(), [this] { context_.pumpEvents(); });
    for (const market::CatalogueEntry& entry : catalogue.entries) {
        List1->addItem(qs(market::catalogueLine(entry)));
        List2.push_back(entry.id);
    }
    // Said inside the window: a message box here would stop the launcher's start-up.
    catalogueNote_->setText(qs(catalogue.failure));
    catalogueNote_->setVisible(!catalogue.failure.empty());
}

QString frmmarket::catalogueNote() const {
    return catalogueNote_->text();
}

XGTDL* frmmarket::control(size_t slot) {
    while (controls_.size() <= slot) {
        const std::string name = "XGTDL" + std::to_string(controls_.size() + 1);
        auto* added =
            platform::named(new XGTDL(context_.clock(), context_.random(), this), name.c_str());
        added->hide();
        added->setLog(context_.log);
        added->setCertificateAuthorityFile(context_.services.cafile);
        connectDownloadControl(added, controls_.size());
        controls_.push_back(added);
    }
    return controls_[slot];
}

void frmmarket::connectDownloadControl(XGTDL* control, size_t slot) {
    control->下载进度 = [this, slot](int32_t downloaded, int32_t total, int32_t speed) {
        pipeline_.onProgress(downloaded, total, speed, slot);
    };
    control->下载完毕 = [this, slot] { pipeline_.onDone(slot); };
    control->下载失败 = [this, control, slot] { pipeline_.onFailed(control->lastEnd(), slot); };
    control->下载错误 = [this, control, slot] { pipeline_.onError(control->lastEnd(), slot); };
}

int frmmarket::selectedVersion() const {
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    return selected.isEmpty() ? -1 : List1->row(selected.first());
}

void frmmarket::PButton1_Click() {
    market::addVersionDownload(pipeline_, context_.http(), List2, selectedVersion(), *source_);
}

void frmmarket::PButton2_Click() {
    market::updateAssets(pipeline_, context_.http(), List2, selectedVersion(), *source_,
                         [this](int milliseconds) { context_.wait(milliseconds); });
}

void frmmarket::List1_Click(int row) {
    if (row < 0 || row >= List1->count()) return;
    market::CatalogueDetails details =
        market::detailsOfLine(List1->item(row)->text().toStdString());
    Label2->setText(qs(details.name));
    Label3->setText(qs(details.type));
}

void frmmarket::tabs_Click(int index) {
    for (int i = 0; i < int(tabs_.size()); ++i)
        colourTab(i, i == index ? kTabChosen : kTabOther);
    // Only the chosen panel is there for the player, a screen reader and the keyboard.
    if (index == 0 || index == 1) {
        QWidget* chosen = index == 0 ? pnlVersions : pnlMods;
        (index == 0 ? pnlMods : pnlVersions)->hide();
        chosen->show();
        chosen->raise();
    }
    // The download list stays in sight over either panel.
    Frame1->raise();
}

void frmmarket::colourTab(int index, quint32 colour) {
    tabs_[size_t(index)]->setStyleSheet("color: " + platform::toQColor(colour).name());
}

void frmmarket::CheckNative(const std::string& nativeFolder) {
    market::QueueOutcome queued = market::QueueMissingNatives(pipeline_, nativeFolder, *source_);
    if (!pipeline_.empty()) runQueueInUpdateMode(market::kNativeTitle, queued.startHead);
    // The official source brings jars: their libraries go into the folder once they are here.
    market::fillNativeFolder(pipeline_, nativeFolder, *source_);
}

void frmmarket::CheckLibraries(const std::string& versionId, const VersionFiles& files) {
    market::LibraryCheckOutcome outcome =
        market::QueueMissingLibraries(pipeline_, versionId, files, *source_);
    if (outcome.check == market::LibraryCheck::NothingToDo) {
        closeWindow();
        return;
    }
    runQueueInUpdateMode(market::kLibrariesTitle, outcome.startHead);
}

void frmmarket::runQueueInUpdateMode(std::string_view title, bool startHead) {
    EnterUpdateMode(std::string(title));
    context_.wait(kPauseBeforeStartMs);
    if (startHead) pipeline_.StartHeadTask();
    showModal();
}

void frmmarket::CheckUpdate() {
    std::optional<market::QueueEntry> task = selfUpdate_.check(context_.version.text());
    if (!task) return;
    pipeline_.append(*task);
    EnterUpdateMode(std::string(market::kSelfUpdateTitle));
    pipeline_.StartHeadTask();
    showModal();
}

void frmmarket::chooseParallel(size_t downloads) {
    pipeline_.setParallel(downloads);
    const std::string path = context_.dataFile(market::kParallelFileName);
    if (platform::Result<> saved = market::saveParallelDownloads(path, downloads); !saved)
        showFailure(context_, "无法保存“同时下载”的选择：" + saved.reason(), kAppTitle,
                    platform::MessageIcon::None);
}

void frmmarket::showModal() {
    hide();
    // A queue that ended before the window could show (every task refused at once) has
    // already closed it; showing it now would wait for a player with nothing to watch.
    if (!closed_) exec();
}

void frmmarket::EnterUpdateMode(const std::string& title) {
    setWindowTitle(qs(title));
    pnlVersions->hide();
    // The compact window only follows its queue: no source to switch there.
    sourceLabel_->hide();
    sourceSwitch_->hide();
    Frame1->move(platform::twipsToPixels(50), platform::twipsToPixels(50));
    Frame1->raise();
    setFixedSize(Frame1->width() + platform::twipsToPixels(200),
                 Frame1->height() + platform::twipsToPixels(500));
}

void frmmarket::done(int result) {
    closed_ = true;
    pipeline_.stop();
    Timer1.stop();
    QDialog::done(result);
}

std::string frmmarket::title() const {
    return windowTitle().toStdString();
}

void frmmarket::setSpeedText(const std::string& value) {
    Label5->setText(qs(value));
}

void frmmarket::setCountText(const std::string& value) {
    Label8->setText(qs(value));
}

void frmmarket::setProgress(float value) {
    PProgressBar1->setValue(value);
}

void frmmarket::queueAppended(const market::QueueEntry& entry) {
    List3->addItem(qs(entry.listText()));
    if (List3->count() == 1) List3->setCurrentRow(0);
}

void frmmarket::queueEntryRemoved(size_t index) {
    delete List3->takeItem(int(index));
    if (List3->count() > 0) List3->setCurrentRow(0);
}

void frmmarket::startDownload(const market::QueueEntry& entry, size_t slot) {
    XGTDL* chosen = control(slot);
    chosen->setTolerantFraming(entry.tolerantFraming);
    chosen->下载文件(market::requestUrl(entry), entry.folder);
}

void frmmarket::refreshVersionList() {
    refreshVersions();
}

void frmmarket::closeWindow() {
    done(QDialog::Rejected);
}

void frmmarket::finishSelfUpdate(const market::QueueEntry&) {
    // A started update has ended the launcher; a refused one lets the start-up go on.
    if (!selfUpdate_.finish()) closeWindow();
}

void frmmarket::runAfter(int milliseconds, std::function<void()> step) {
    // Tied to the window: a closed and destroyed window drops the step.
    // Precise: a coarse timer may fire 5 % late, once per task of a long queue.
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, this, [this, step = std::move(step)] {
        if (!closed_) step();
    });
}
