#pragma once
#include <QDialog>
#include <array>

#include "context/LauncherContext.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The settings window "配置": player name, Java path, memory, optional sign-in password
// and the colour theme. Loading it fills the fields from LauncherConfig (and, on the first
// run, from the machine); saving writes config.ini and re-applies the settings.
class frmsetting : public QDialog {
    Q_OBJECT

  public:
    explicit frmsetting(LauncherContext& context, QWidget* parent = nullptr);

    // The handlers of the buttons and the tick box.
    void btnApply_Click();
    void btntstlogin_Click();
    void chkEna_zlg_Click();
    void btnrandomname_Click();
    void btnsysmemory_Click();
    void btnbrowsejava_Click();
    void btnautojava_Click();

  protected:
    // Every way of closing passes here; on the first run it asks before letting go.
    void reject() override;

  private:
    void buildControls();
    void runOpeningSteps();
    void chooseTheme(const std::string& themeName);
    std::string chosenThemeName() const;
    bool saveSettings();

    LauncherContext& context_;
    QLineEdit* txtUserName = nullptr;
    QPushButton* btnrandomname = nullptr;
    QLineEdit* txtjavahome = nullptr;
    QPushButton* btnbrowsejava = nullptr;
    QPushButton* btnautojava = nullptr;
    QLineEdit* txtMemory = nullptr;
    QPushButton* btnsysmemory = nullptr;
    QCheckBox* chkEna_zlg = nullptr;
    QLineEdit* txtpassword = nullptr;
    QPushButton* btntstlogin = nullptr;
    std::array<QRadioButton*, 6> themeOptions{};  // optgray ... optpurple
    QPushButton* btnApply = nullptr;
};
