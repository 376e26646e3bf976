#include "RealLauncher.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListWidget>
#include <QTest>

#include "GameJar.h"
#include "controls/qt/PButton.h"
#include "market/qt/frmmarket.h"
#include "platform/TextFile.h"

namespace testing_support {

RealLauncher::RealLauncher(const std::vector<std::string>& services, const std::string& nameHint)
    : folder(nameHint),
      context(folder.path(),
              Seams{dialogs, processes, http, random, clock, [](int) {},
                    [] { QCoreApplication::processEvents(); }},
              platform::PathStyle::posix()) {
    context.hooks.endProcess = [this] { ended = true; };
    std::string data = folder.makeFolder(".Vendrolupa_Data");
    EXPECT_TRUE(platform::writeTextLines(data + "/config.ini",
                                         {"Steve", "256", findOnPath("java"), "", "Blue"}));
    EXPECT_TRUE(platform::writeTextLines(data + "/services.ini", services));
    context.services = loadServiceHosts(data + "/services.ini");
    http.setCertificateAuthorityFile(context.services.cafile);
    context.log = platform::Log(data + "/launcher.log");
}

void clickAndWait(frmmarket& market, PButton* button, const std::string& version) {
    QList<QListWidgetItem*> found = market.List1->findItems(
        QString::fromStdString("版本名称：" + version + " "), Qt::MatchStartsWith);
    ASSERT_EQ(found.size(), 1) << version;
    market.List1->setCurrentItem(found[0]);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return market.pipeline().empty(); }, 60000)) << version;
}

}  // namespace testing_support
