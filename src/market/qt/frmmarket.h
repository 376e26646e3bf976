#pragma once
#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "context/LauncherContext.h"
#include "market/DownloadSource.h"
#include "market/InstallPipeline.h"
#include "market/SelfUpdate.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class PButton;
class PProgressBar;
class XGTDL;

// The market window: the version catalogue of the mirror, the buttons that install a version
// and its assets, and the download list the install pipeline carries through. It doubles as the
// compact modal progress window of the library and native updates, its title telling the mode.
// Building it fetches the catalogue. Closing it ends its use: the owner destroys it afterwards.
class frmmarket : public QDialog, private market::MarketView {
    Q_OBJECT

  public:
    // Tab header colours: the chosen one, the others before any click, the others after one.
    static constexpr quint32 kTabChosen = 0xD5741C;
    static constexpr quint32 kTabResting = 0x707070;
    static constexpr quint32 kTabOther = 0x000000;
    static constexpr int kPauseBeforeStartMs = 1000;

    explicit frmmarket(LauncherContext& context, QWidget* parent = nullptr);
    ~frmmarket() override;

    // Refills the main window's version list; set by the window that owns the list.
    std::function<void()> refreshVersions = [] {};

    // Start-up: downloads the missing native libraries in "Native更新中" mode and returns when
    // the window closes; returns at once when nothing is missing.
    void CheckNative(const std::string& nativeFolder);
    // Before a launch: downloads the missing libraries of a version, from the files the launch
    // read of it, in "Libraries更新中" mode and returns when the window closes; closes the
    // window at once when nothing is missing.
    void CheckLibraries(const std::string& versionId, const VersionFiles& files);
    // Start-up: asks about a new version of the launcher on the update server and, when the
    // player agrees, downloads it in "自动更新中" mode; returns when the window closes.
    void CheckUpdate();
    // Fills List4 and List5 with the mods of `version` from the mod catalogue.
    void GetModsList(const std::string& version);
    // Turns the window into the compact progress window titled `title`.
    void EnterUpdateMode(const std::string& title);

    // Click handlers of the versions tab and the tab headers.
    void PButton1_Click();
    void PButton2_Click();
    void tabs_Click(int index);
    void List1_Click(int row);
    // Click handlers of the mods tab.
    void List4_Click(int row);
    void PButton3_Click();

    // Whether the window has been closed (by the player or by the pipeline).
    bool closed() const { return closed_; }
    market::InstallPipeline& pipeline() { return pipeline_; }
    // Why the catalogue is empty, as the window shows it; empty when it loaded.
    QString catalogueNote() const;
    // Why the mod list is empty; empty when it loaded.
    QString modsNote() const;
    // Switches between the official source and the mirror, saves the choice in services.ini
    // and lists the new source's catalogue.
    void switchSource();
    QLabel* sourceLabel() const { return sourceLabel_; }

    QLabel* tabs(int index) const { return tabs_[size_t(index)]; }
    QWidget* pnlVersions = nullptr;
    QWidget* pnlMods = nullptr;
    QListWidget* List1 = nullptr;
    std::vector<std::string> List2;  // the bare ids, parallel to List1
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    PButton* PButton1 = nullptr;
    PButton* PButton2 = nullptr;
    QComboBox* 选择版本 = nullptr;
    QListWidget* List4 = nullptr;
    std::vector<std::string> List5;  // URL "|" description, parallel to List4
    QLabel* Label9 = nullptr;
    QLabel* Label7 = nullptr;
    PButton* PButton3 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QListWidget* List3 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label8 = nullptr;
    PProgressBar* PProgressBar1 = nullptr;
    QTimer Timer1;
    XGTDL* XGTDL1 = nullptr;
    // "同时下载": how many downloads run at once; the choice is saved at once.
    QComboBox* parallelBox = nullptr;
    // The download control of each slot; XGTDL1 is the first.
    XGTDL* control(size_t slot);

    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildTabs();
    // Colours the caption of the tab header at `index`.
    void colourTab(int index, quint32 colour);
    void buildVersionsPanel();
    void buildModsPanel();
    void buildDownloadFrame();
    void buildSourceBar();
    // Makes the source services.ini chooses and shows which it is.
    void showSource();
    void loadCatalogue();
    int selectedVersion() const;
    void connectDownloadControl(XGTDL* control, size_t slot);
    void buildParallelChoice();
    void chooseParallel(size_t downloads);
    void showModal();
    // The native and library checks once their queue is filled: the compact window titled
    // `title`, a pause, the first download when `startHead`, then the modal wait.
    void runQueueInUpdateMode(std::string_view title, bool startHead);

    // market::MarketView
    std::string title() const override;
    void setSpeedText(const std::string& text) override;
    void setCountText(const std::string& text) override;
    void setProgress(float value) override;
    void queueAppended(const market::QueueEntry& entry) override;
    void queueEntryRemoved(size_t index) override;
    void startDownload(const market::QueueEntry& entry, size_t slot) override;
    void refreshVersionList() override;
    void closeWindow() override;
    void finishSelfUpdate(const market::QueueEntry& entry) override;
    void runAfter(int milliseconds, std::function<void()> step) override;

    LauncherContext& context_;
    market::InstallPipeline pipeline_;
    std::array<QLabel*, 3> tabs_{};
    QLabel* catalogueNote_ = nullptr;
    QLabel* modsNote_ = nullptr;
    market::SelfUpdate selfUpdate_;
    std::unique_ptr<market::DownloadSource> source_;
    QLabel* sourceLabel_ = nullptr;
    QPushButton* sourceSwitch_ = nullptr;
    std::vector<XGTDL*> controls_;
    bool closed_ = false;
};
