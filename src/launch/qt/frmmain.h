#pragma once
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "context/LauncherContext.h"
#include "launch/LaunchSequence.h"
#include "platform/qt/WidgetHelpers.h"
#include "startup/MainWindowLoad.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class serveradfrm;
class TrkenderPlus;

// The main window: the installed versions, the start button, the buttons that open the
// other windows, a random background picture, its own title row and a bottom edge that
// slides open and shut with the mouse.
class frmmain : public QWidget, public LaunchUi, public MainWindowLoadUi {
    Q_OBJECT

  public:
    // Heights of the bottom-edge animation, in twips.
    static constexpr int kOpenHeight = 7200;
    static constexpr int kShutHeight = 6705;
    static constexpr int kStep = 30;

    // Builds the window; loadMainWindow fills it.
    explicit frmmain(LauncherContext& context, QWidget* parent = nullptr);
    ~frmmain() override;

    // MainWindowLoadUi; a folder without pictures keeps the current background.
    void showTitle(const std::string& title) override;
    void ShowFolderList(const std::string& folderspec) override;
    void showRandomBackground() override;
    void setThemeColour(uint32_t rgb);
    QColor themeColour() const { return colour_; }
    // The file name of the background picture shown (empty: none).
    QString backgroundFile() const { return backgroundFile_; }
    int heightTwips() const { return height() * platform::kTwipsPerPixel; }
    bool collapsing() const { return collapsing_; }
    // One step of the bottom-edge animation.
    void Timer1_Timer();

    // LaunchUi
    void showMarketHideMain() override;
    void hideOverlay() override;
    void restoreMainWindow() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void buildControls();
    void buildButtons();
    void startBottomAnimation(bool collapse);
    bool titleRowEvent(QLabel* label, QEvent* event);
    bool startButtonEvent(QEvent* event);
    void showSettings();
    void showServers();
    void showCredits();

    LauncherContext& context_;
    QColor colour_;
    QPixmap background_;
    QString backgroundFile_;
    bool collapsing_ = false;
    QPointer<serveradfrm> servers_;

    QLabel* lbltitle = nullptr;
    QLabel* btnmin = nullptr;
    QLabel* btnclose = nullptr;
    QComboBox* bootitem = nullptr;
    QLabel* btnstartgame = nullptr;
    TrkenderPlus* clickxger = nullptr;
    TrkenderPlus* TMDer = nullptr;
    QPushButton* btnmarket = nullptr;
    QPushButton* btnservers = nullptr;
    QPushButton* btnsetting = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QTimer* Timer1 = nullptr;
    QStringList File1;
};
