#include "account/qt/frmsetting.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <filesystem>

#include "account/MemorySetting.h"
#include "account/Proposals.h"
#include "account/QueryMemory.h"
#include "account/RandomUserNamer.h"
#include "account/SettingsChecks.h"
#include "account/ShowFileDialog.h"
#include "account/SignIn.h"
#include "account/SignInReport.h"
#include "context/ShowFailure.h"
#include "platform/Paths.h"
#include "platform/qt/UiFont.h"
#include "platform/qt/WidgetHelpers.h"
#include "startup/SettingsFile.h"
#include "startup/Theme.h"

using platform::MessageButtons;
using platform::MessageIcon;

namespace {

constexpr const char* kFirstSetupQuestion =
    "必须完成初始配置。您可以按“否”关闭 Vendrolupa，在以后的时间完成配置，也可以按“是”继续配置。";

using platform::named;
using platform::qs;

}  // namespace

frmsetting::frmsetting(LauncherContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("frmsetting");
    setWindowTitle("配置");
    setModal(true);
    setFont(platform::uiFont(9));
    buildControls();
    runOpeningSteps();
}

void frmsetting::buildControls() {
    auto* basic = named(new QGroupBox("基本设置", this), "fraBasic");
    auto* basicGrid = new QGridLayout(basic);
    txtUserName = named(new QLineEdit(basic), "txtUserName");
    btnrandomname = named(new QPushButton("随机生成", basic), "btnrandomname");
    txtjavahome = named(new QLineEdit(basic), "txtjavahome");
    btnbrowsejava = named(new QPushButton("浏览...", basic), "btnbrowsejava");
    btnautojava = named(new QPushButton("自动获取", basic), "btnautojava");
    txtMemory = named(new QLineEdit("1024", basic), "txtMemory");
    btnsysmemory = named(new QPushButton("系统判断", basic), "btnsysmemory");
    basicGrid->addWidget(new QLabel("用户名:", basic), 0, 0);
    basicGrid->addWidget(txtUserName, 0, 1, 1, 2);
    basicGrid->addWidget(btnrandomname, 0, 3);
    basicGrid->addWidget(new QLabel("Jre 路径:", basic), 1, 0);
    basicGrid->addWidget(txtjavahome, 1, 1, 1, 2);
    basicGrid->addWidget(btnbrowsejava, 1, 3);
    basicGrid->addWidget(btnautojava, 2, 3);
    basicGrid->addWidget(new QLabel("Jre 内存:", basic), 3, 0);
    basicGrid->addWidget(txtMemory, 3, 1);
    basicGrid->addWidget(new QLabel("MB", basic), 3, 2);
    basicGrid->addWidget(btnsysmemory, 3, 3);

    auto* advanced = named(new QGroupBox("高级设置", this), "fraAdvanced");
    auto* advancedGrid = new QGridLayout(advanced);
    chkEna_zlg = named(new QCheckBox("启用正版登录", advanced), "chkEna_zlg");
    txtpassword = named(new QLineEdit(advanced), "txtpassword");
    txtpassword->setEchoMode(QLineEdit::Password);
    txtpassword->setStyleSheet("lineedit-password-character: 42;");  // masked with "*"
    txtpassword->setEnabled(false);
    btntstlogin = named(new QPushButton("测试登陆", advanced), "btntstlogin");
    btntstlogin->setEnabled(false);
    advancedGrid->addWidget(chkEna_zlg, 0, 0, 1, 3);
    advancedGrid->addWidget(new QLabel("密码:", advanced), 1, 0);
    advancedGrid->addWidget(txtpassword, 1, 1);
    advancedGrid->addWidget(btntstlogin, 1, 2);

    auto* launcher = named(new QGroupBox("启动器设置", this), "fraLauncher");
    auto* launcherGrid = new QGridLayout(launcher);
    launcherGrid->addWidget(new QLabel("皮肤设定:", launcher), 0, 0);
    for (size_t i = 0; i < kThemes.size(); ++i) {
        themeOptions[i] = new QRadioButton(kThemes[i].caption, launcher);
        themeOptions[i]->setObjectName(QString("opt") + kThemes[i].name);
        launcherGrid->addWidget(themeOptions[i], 1 + int(i) / 3, int(i) % 3);
    }
    themeOptions[0]->setChecked(true);
    auto* hint = new QLabel(
        "自定义背景方法：放到Vendrolupa_Data下即可 将会自动搜索随机使用 仅支持BMP JPG格式）",
        launcher);
    hint->setWordWrap(true);
    launcherGrid->addWidget(hint, 3, 0, 1, 3);

    btnApply = named(new QPushButton("确定", this), "btnApply");
    btnApply->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(basic);
    layout->addWidget(advanced);
    layout->addWidget(launcher);
    layout->addWidget(btnApply, 0, Qt::AlignRight);
    setFixedWidth(470);

    connect(btnApply, &QPushButton::clicked, this, [this] { btnApply_Click(); });
    connect(btntstlogin, &QPushButton::clicked, this, [this] { btntstlogin_Click(); });
    connect(chkEna_zlg, &QCheckBox::clicked, this, [this] { chkEna_zlg_Click(); });
    connect(btnrandomname, &QPushButton::clicked, this, [this] { btnrandomname_Click(); });
    connect(btnsysmemory, &QPushButton::clicked, this, [this] { btnsysmemory_Click(); });
    connect(btnbrowsejava, &QPushButton::clicked, this, [this] { btnbrowsejava_Click(); });
    connect(btnautojava, &QPushButton::clicked, this, [this] { btnautojava_Click(); });
}

void frmsetting::runOpeningSteps() {
    std::error_code ignored;  // an existing folder is fine; a failure shows at saving
    std::filesystem::create_directories(platform::fromUtf8Path(context_.dataFolder()), ignored);
    const LauncherConfig& config = context_.config;
    txtUserName->setText(qs(config.userName));
    txtMemory->setText(qs(memoryBoxText(config.memoryMb, txtMemory->text().toStdString())));
    txtjavahome->setText(qs(config.javaPath));
    if (config.signsIn()) {
        chkEna_zlg->setChecked(true);
        chkEna_zlg_Click();
        txtpassword->setText(qs(config.password));
    }
    chooseTheme(config.themeName);
    if (context_.firstRun) {
        txtjavahome->setText(qs(proposedJavaPath(context_.dialogs())));
        txtMemory->setText(qs(proposedMemoryText(QueryMemory(0, 1))));
    }
}

void frmsetting::chooseTheme(const std::string& themeName) {
    QString wanted = "opt" + qs(themeName);
    for (QRadioButton* option : themeOptions) {
        if (option->objectName().compare(wanted, Qt::CaseInsensitive) == 0)
            option->setChecked(true);
    }
}

std::string frmsetting::chosenThemeName() const {
    for (size_t i = 0; i < kThemes.size(); ++i) {
        if (themeOptions[i]->isChecked()) return kThemes[i].name;
    }
    return kThemes[0].name;
}

void frmsetting::btnApply_Click() {
    SettingsForm form{txtUserName->text().toStdString(), txtMemory->text().toStdString(),
                      txtjavahome->text().toStdString()};
    if (std::optional<SettingsProblem> problem = checkSettingsForm(form)) {
        context_.dialogs().messageBox(problem->message, problem->title, MessageIcon::Warning,
                                      MessageButtons::Ok);
        return;
    }
    if (!saveSettings()) return;
    context_.dialogs().messageBox("设置保存成功!", kAppTitle, MessageIcon::Information,
                                  MessageButtons::Ok);
    if (context_.firstRun) {
        context_.setupDone = true;
        context_.firstRun = false;
    }
    accept();
}

bool frmsetting::saveSettings() {
    LauncherConfig config{txtUserName->text().toStdString(), txtMemory->text().toStdString(),
                          txtjavahome->text().toStdString(), txtpassword->text().toStdString(),
                          chosenThemeName()};
    std::string path = settingsFilePath(context_);
    if (platform::Result<> written = writeSettingsFile(path, config); !written) {
        showFailure(context_, "设置没有保存：" + written.reason() + "。请处理后再试一次。",
                    "保存失败");
        return false;
    }
    LoadSettings(context_);
    return true;
}

void frmsetting::btntstlogin_Click() {
    platform::Result<std::string> reply =
        SignIn(context_, txtUserName->text().toStdString(), txtpassword->text().toStdString());
    SignInReport report = describeTestSignIn(reply);
    context_.dialogs().messageBox(report.text, report.title, report.icon, MessageButtons::Ok);
}

void frmsetting::chkEna_zlg_Click() {
    // The password box's state decides, not the tick.
    if (txtpassword->isEnabled()) {
        txtpassword->setEnabled(false);
        txtpassword->clear();
        btntstlogin->setEnabled(false);
    } else {
        txtpassword->setEnabled(true);
        btntstlogin->setEnabled(true);
    }
}

void frmsetting::btnrandomname_Click() {
    txtUserName->setText(qs(RandomUserNamer(context_.random())));
}

void frmsetting::btnsysmemory_Click() {
    txtMemory->setText(qs(proposedMemoryText(QueryMemory(0, 1))));
}

void frmsetting::btnbrowsejava_Click() {
    std::string filter = "javaw.exe|javaw.exe|java.exe|java.exe";
    // Java on POSIX systems is a plain "java".
    if (context_.style() == platform::PathStyle::posix()) filter = "java|java|" + filter;
    txtjavahome->setText(qs(ShowFileDialog(context_.dialogs(), context_.clock(),
                                           {false, "选择 Java 的路径", filter, "", "", ""})));
}

void frmsetting::btnautojava_Click() {
    txtjavahome->setText(qs(proposedJavaPath(context_.dialogs())));
}

void frmsetting::reject() {
    if (context_.firstRun) {
        if (context_.dialogs().messageBox(kFirstSetupQuestion, "是否继续配置？",
                                          MessageIcon::Warning,
                                          MessageButtons::YesNo) == platform::DialogAnswer::Yes)
            return;
        context_.setupDone = false;
    }
    QDialog::reject();
}
