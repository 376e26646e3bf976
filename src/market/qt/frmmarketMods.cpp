#include <QLabel>
#include <QListWidget>

#include "market/ModDownload.h"
#include "market/ModList.h"
#include "market/qt/frmmarket.h"
#include "platform/qt/WidgetHelpers.h"

// The mods tab: the catalogue of the chosen game version, a mod's details, its download.

using platform::qs;

void frmmarket::GetModsList(const std::string& version) {
    List4->clear();
    List5.clear();
    platform::Result<std::vector<market::ModEntry>> mods = market::loadModList(context_, version);
    // Said inside the tab, as the version catalogue's failure is.
    modsNote_->setText(mods ? QString() : qs(mods.reason()));
    modsNote_->setVisible(!mods);
    if (!mods) return;
    for (const market::ModEntry& mod : mods.value()) {
        List4->addItem(qs(mod.name));
        List5.push_back(mod.details);
    }
}

QString frmmarket::modsNote() const {
    return modsNote_->text();
}

void frmmarket::List4_Click(int row) {
    if (row < 0 || row >= static_cast<int>(List5.size())) return;
    std::optional<market::ModDetails> details = market::splitModDetails(List5[size_t(row)]);
    if (!details) return;
    Label9->setText(qs("Mod描述：" + details->description));
    Label7->setText(qs(details->url));
}

void frmmarket::PButton3_Click() {
    if (Label7->text().isEmpty()) return;
    try {
        platform::Result<market::QueueEntry> task =
            market::modDownloadTask(pipeline_.folders(), Label7->text().toStdString());
        if (!task) {
            pipeline_.showMessage(task.reason());
            return;
        }
        const bool idle = pipeline_.empty();
        pipeline_.append(task.value());
        if (idle) pipeline_.StartHeadTask();
    } catch (const std::exception& error) {
        context_.dialogs().messageBox(market::errorReportText(error), market::kErrorReportTitle,
                                      platform::MessageIcon::Critical,
                                      platform::MessageButtons::Ok);
    }
}
