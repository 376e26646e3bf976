#pragma once
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ScriptedDialogs.h"
#include "TaskText.h"
#include "TempFolder.h"
#include "market/InstallPipeline.h"
#include "market/InstallPlan.h"

// The market window as the pipeline sees it, recording every call in order as one line.
// Pauses are held until the test runs them, so their order against events is visible.
class RecordingMarketView final : public market::MarketView {
  public:
    std::string windowTitle{market::kMarketTitle};
    std::vector<std::string> calls;
    std::vector<std::function<void()>> pending;
    std::vector<std::string> list;  // List3 as the window shows it
    float progress = -1;

    std::string title() const override { return windowTitle; }
    void setSpeedText(const std::string& text) override { calls.push_back("speed " + text); }
    void setCountText(const std::string& text) override { calls.push_back("count " + text); }
    void setProgress(float value) override {
        progress = value;
        calls.push_back("progress " + std::to_string(value));
    }
    void queueAppended(const market::QueueEntry& entry) override {
        list.push_back(entry.listText());
    }
    // The head's removal and the first control's start read as with one download at a time.
    void queueEntryRemoved(size_t index) override {
        list.erase(list.begin() + std::ptrdiff_t(index));
        calls.push_back(index == 0 ? "remove" : "remove " + std::to_string(index));
    }
    void startDownload(const market::QueueEntry& entry, size_t slot) override {
        calls.push_back((slot == 0 ? "start " : "start#" + std::to_string(slot) + " ") +
                        market::requestUrl(entry) + " > " + entry.folder);
    }
    void refreshVersionList() override { calls.push_back("refresh"); }
    void closeWindow() override { calls.push_back("close"); }
    void finishSelfUpdate(const market::QueueEntry& entry) override {
        calls.push_back("finish " + entry.listText());
    }
    void runAfter(int milliseconds, std::function<void()> step) override {
        calls.push_back("pause " + std::to_string(milliseconds));
        pending.push_back(std::move(step));
    }

    // Runs the held pauses in order (bounded: the steps may add more).
    void runPending() {
        for (int round = 0; round < 100 && !pending.empty(); ++round) {
            auto step = std::move(pending.front());
            pending.erase(pending.begin());
            step();
        }
    }
    std::vector<std::string> take() {
        std::vector<std::string> taken;
        taken.swap(calls);
        return taken;
    }
};

// A recorded market window whose pipeline fills a launcher folder (posix style) in a fresh
// temporary folder named after `nameHint`.
struct MarketOnDisk {
    explicit MarketOnDisk(const std::string& nameHint) : launcher{nameHint} {}

    testing_support::TempFolder launcher;
    RecordingMarketView view;
    testing_support::ScriptedDialogs dialogs;
    market::InstallPipeline pipeline{view, dialogs,
                                     GameFolders{launcher.path(), platform::PathStyle::posix()}};

    // Appends a task for http://h/<name> into /d for each name.
    void queue(std::initializer_list<std::string> names) {
        for (const std::string& name : names)
            pipeline.append(testing_support::entryOf("http://h/" + name + "[下载到]/d"));
    }
};

// The task texts of a plan, in order.
inline std::vector<std::string> tasksOf(const market::InstallPlan& plan) {
    std::vector<std::string> texts;
    for (const market::PlannedTask& planned : plan)
        texts.push_back(planned.entry.listText());
    return texts;
}

// The task texts of a queue, in order, as the download list shows them.
inline std::deque<std::string> textsOf(const std::deque<market::QueueEntry>& queue) {
    std::deque<std::string> texts;
    for (const market::QueueEntry& entry : queue)
        texts.push_back(entry.listText());
    return texts;
}

// A planned task as the installer creates and shows it: its folder and its task text.
inline std::pair<std::string, std::string> shownAs(const market::PlannedTask& planned) {
    return {planned.folder, planned.entry.listText()};
}
inline std::vector<std::pair<std::string, std::string>> shownAs(const market::InstallPlan& plan) {
    std::vector<std::pair<std::string, std::string>> shown;
    for (const market::PlannedTask& planned : plan)
        shown.push_back(shownAs(planned));
    return shown;
}
