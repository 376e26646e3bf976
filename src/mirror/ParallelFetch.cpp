#include "mirror/ParallelFetch.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <queue>
#include <set>

#include "download/TempFile.h"
#include "platform/Paths.h"
#include "platform/Sha1.h"
#include "platform/curl/TrustStore.h"

namespace mirror {
namespace {

using Clock = std::chrono::steady_clock;

// One running transfer of one item.
struct Transfer {
    size_t item = 0;
    int attempt = 1;
    std::string temporary;
    download::TempFile file;
    platform::Sha1 sha1;
    uint64_t received = 0;
    std::string writeFailure;
    char error[CURL_ERROR_SIZE] = {};
};

struct Retry {
    Clock::time_point due;
    size_t item;
    int attempt;
    bool operator<(const Retry& other) const { return due > other.due; }
};

size_t receive(char* data, size_t size, size_t count, void* target) {
    auto* transfer = static_cast<Transfer*>(target);
    size_t bytes = size * count;
    if (!transfer->file.append(data, bytes)) {
        transfer->writeFailure = std::strerror(errno);
        return 0;  // curl ends the transfer with a write error
    }
    transfer->sha1.update(std::string_view(data, bytes));
    transfer->received += bytes;
    return bytes;
}

std::string sizeText(uint64_t bytes) {
    return std::to_string(bytes) + " 字节";
}

// libcurl's process-wide set-up, counted by libcurl itself.
struct CurlGlobal {
    CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~CurlGlobal() { curl_global_cleanup(); }
};

class Fetcher {
  public:
    Fetcher(const std::vector<FetchItem>& items, const FetchOptions& options)
        : items_(items), options_(options), multi_(curl_multi_init(), curl_multi_cleanup) {
        curl_multi_setopt(multi_.get(), CURLMOPT_MAX_TOTAL_CONNECTIONS, static_cast<long>(jobs()));
        if (!options_.caFile.empty()) trust_ = platform::trustStoreWith(options_.caFile);
    }

    FetchReport run() {
        std::set<std::string> destinations;
        for (size_t i = 0; i < items_.size(); ++i) {
            if (!destinations.insert(items_[i].path).second) continue;
            progress_.filesTotal++;
            progress_.bytesTotal += items_[i].size.value_or(0);
            if (isInPlace(items_[i])) {
                report_.present++;
                progress_.filesDone++;
                progress_.bytesDone += items_[i].size.value_or(0);
            } else {
                waiting_.push_back(i);
            }
        }
        if (trust_ && !trust_->ok()) {
            for (size_t item : waiting_)
                fail(item, trust_->reason());
            waiting_.clear();
        }
        while (!waiting_.empty() || !retries_.empty() || !running_.empty()) {
            startDue();
            int stillRunning = 0;
            curl_multi_perform(multi_.get(), &stillRunning);
            size_t finished = collectEnded();
            tellProgress(false);
            // Slots just freed are filled before waiting for the network again.
            if (finished == 0)
                curl_multi_poll(multi_.get(), nullptr, 0, pollMilliseconds(), nullptr);
        }
        tellProgress(true);
        std::stable_sort(report_.failures.begin(), report_.failures.end(),
                         [&](const auto& a, const auto& b) { return a.first < b.first; });
        return report_.toReport();
    }

  private:
    struct Collected {
        size_t fetched = 0;
        size_t present = 0;
        uint64_t bytesFetched = 0;
        std::vector<std::pair<size_t, FetchFailure>> failures;
        FetchReport toReport() const {
            FetchReport report{fetched, present, bytesFetched, {}};
            for (const auto& [item, failure] : failures)
                report.failures.push_back(failure);
            return report;
        }
    };

    size_t jobs() const { return static_cast<size_t>(std::max(1, options_.jobs)); }

    void startDue() {
        while (running_.size() < jobs()) {
            if (!retries_.empty() && retries_.top().due <= Clock::now()) {
                Retry retry = retries_.top();
                retries_.pop();
                start(retry.item, retry.attempt);
            } else if (!waiting_.empty()) {
                size_t item = waiting_.front();
                waiting_.pop_front();
                start(item, 1);
            } else {
                return;
            }
        }
    }

    void start(size_t index, int attempt) {
        const FetchItem& item = items_[index];
        auto transfer = std::make_unique<Transfer>();
        transfer->item = index;
        transfer->attempt = attempt;
        transfer->temporary = item.path + ".part";
        std::error_code ec;
        std::filesystem::create_directories(platform::fromUtf8Path(item.path).parent_path(), ec);
        if (ec) return ended(*transfer, "无法创建文件夹：" + ec.message());
        if (!transfer->file.open(transfer->temporary))
            return ended(*transfer,
                         "无法创建临时文件“" + transfer->temporary + "”：" + std::strerror(errno));
        CURL* easy = curl_easy_init();
        curl_easy_setopt(easy, CURLOPT_URL, item.url.c_str());
        curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, transfer->error);
        curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(easy, CURLOPT_FAILONERROR, 1L);
        curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 10L);
        curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT,
                         static_cast<long>(options_.connectTimeout.count()));
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME,
                         static_cast<long>(options_.stallTimeout.count()));
        curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, receive);
        curl_easy_setopt(easy, CURLOPT_WRITEDATA, transfer.get());
        curl_easy_setopt(easy, CURLOPT_PRIVATE, transfer.get());
        if (trust_) {
            curl_blob blob{const_cast<char*>(trust_->value().data()), trust_->value().size(),
                           CURL_BLOB_NOCOPY};
            curl_easy_setopt(easy, CURLOPT_CAINFO_BLOB, &blob);
        }
        curl_multi_add_handle(multi_.get(), easy);
        running_.emplace(easy, std::move(transfer));
    }

    // Handles the transfers that ended; returns how many.
    size_t collectEnded() {
        size_t finished = 0;
        int left = 0;
        while (CURLMsg* message = curl_multi_info_read(multi_.get(), &left)) {
            if (message->msg != CURLMSG_DONE) continue;
            CURL* easy = message->easy_handle;
            CURLcode code = message->data.result;
            auto found = running_.find(easy);
            std::unique_ptr<Transfer> transfer = std::move(found->second);
            running_.erase(found);
            curl_multi_remove_handle(multi_.get(), easy);
            curl_easy_cleanup(easy);
            std::string reason;
            if (code != CURLE_OK) {
                reason =
                    !transfer->writeFailure.empty()
                        ? "无法写入临时文件“" + transfer->temporary + "”：" + transfer->writeFailure
                        : (transfer->error[0] ? transfer->error : curl_easy_strerror(code));
            }
            ended(*transfer, reason);
            ++finished;
        }
        return finished;
    }

    // Checks a finished transfer and moves its file into place, or schedules the next attempt.
    void ended(Transfer& transfer, std::string reason) {
        const FetchItem& item = items_[transfer.item];
        platform::Result<void> closed = transfer.file.close();
        if (reason.empty() && !closed) reason = closed.reason();
        if (reason.empty() && item.size && *item.size != transfer.received)
            reason =
                "大小不符：应为 " + sizeText(*item.size) + "，收到 " + sizeText(transfer.received);
        if (reason.empty() && item.sha1) {
            std::string actual = transfer.sha1.finishHex();
            if (actual != *item.sha1)
                reason = "SHA-1 不符：应为 " + *item.sha1 + "，收到的是 " + actual;
        }
        if (reason.empty() && !download::replaceFile(transfer.temporary, item.path))
            reason = "无法把临时文件改名为“" + item.path + "”";
        if (reason.empty()) {
            report_.fetched++;
            report_.bytesFetched += transfer.received;
            progress_.filesDone++;
            progress_.bytesDone += transfer.received;
            return;
        }
        download::removeIfExists(transfer.temporary);
        if (transfer.attempt < options_.attempts) {
            auto pause = options_.backoff * (1 << std::min(transfer.attempt - 1, 10));
            retries_.push({Clock::now() + pause, transfer.item, transfer.attempt + 1});
            return;
        }
        fail(transfer.item, reason);
    }

    void fail(size_t item, const std::string& reason) {
        report_.failures.push_back({item, {items_[item].url, reason}});
        progress_.filesDone++;
    }

    int pollMilliseconds() const {
        if (!running_.empty() || retries_.empty()) return 100;
        auto until = std::chrono::duration_cast<std::chrono::milliseconds>(retries_.top().due -
                                                                           Clock::now());
        return static_cast<int>(std::clamp<long long>(until.count(), 0, 100));
    }

    void tellProgress(bool last) {
        if (!options_.progress) return;
        // Finished files count whole; running ones with what has arrived so far.
        FetchProgress now = progress_;
        for (const auto& [easy, transfer] : running_)
            now.bytesDone += transfer->received;
        auto at = Clock::now();
        if (!last && at - lastProgress_ < std::chrono::milliseconds(200)) return;
        lastProgress_ = at;
        options_.progress(now);
    }

    CurlGlobal global_;
    const std::vector<FetchItem>& items_;
    const FetchOptions& options_;
    std::unique_ptr<CURLM, decltype(&curl_multi_cleanup)> multi_;
    std::optional<platform::Result<std::string>> trust_;
    std::deque<size_t> waiting_;
    std::priority_queue<Retry> retries_;
    std::map<CURL*, std::unique_ptr<Transfer>> running_;
    Collected report_;
    FetchProgress progress_;
    Clock::time_point lastProgress_{};
};

}  // namespace

bool isInPlace(const FetchItem& item) {
    std::error_code ec;
    auto path = platform::fromUtf8Path(item.path);
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    if (item.size && std::filesystem::file_size(path, ec) != *item.size) return false;
    if (!item.sha1) return !ec;
    platform::Result<std::string> actual = platform::sha1OfFile(item.path);
    return actual && actual.value() == *item.sha1;
}

FetchReport fetchAll(const std::vector<FetchItem>& items, const FetchOptions& options) {
    return Fetcher(items, options).run();
}

}  // namespace mirror
