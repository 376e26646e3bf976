#pragma once
#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "context/LauncherContext.h"
#include "servers/ServerList.h"
#include "servers/qt/StatusQuery.h"

class QLabel;
class bluebutton;

// The server window: five places with a name and an address each, kept in serverlist.ini,
// and a refresh that asks every place's server for its player count.
class serveradfrm : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kDefaultQueryTimeoutMs = 5000;

    serveradfrm(LauncherContext& context, QWidget* parent = nullptr);

    // Click on Label3(place): asks for name and address and saves all five places.
    void addServer(int place);
    // Click on bluebutton1: queries every place with a usable address.
    void refresh();

    QLabel* Label3(int place) const { return label3_[size_t(place)]; }
    QLabel* Label4(int place) const { return label4_[size_t(place)]; }
    bluebutton* bluebutton1() const { return bluebutton1_; }
    StatusQuery& Winsock1(int place) { return *winsock1_[size_t(place)]; }
    const servers::ServerList& serverList() const { return list_; }
    bool queriesRunning() const;
    void setQueryTimeout(int milliseconds) { queryTimeoutMs_ = milliseconds; }
    std::string listPath() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildFace();
    void showPlace(int place);
    void takeResult(int place, const StatusQuery::Result& result);

    LauncherContext& context_;
    servers::ServerList list_;
    // What Label3 shows instead of the name after a refresh; the name itself is never replaced.
    std::array<std::optional<std::string>, servers::kPlaceCount> status_;
    std::array<std::optional<std::string>, servers::kPlaceCount> statusBeforeQuery_;
    std::array<QLabel*, servers::kPlaceCount> label3_{};
    std::array<QLabel*, servers::kPlaceCount> label4_{};
    std::array<StatusQuery*, servers::kPlaceCount> winsock1_{};
    bluebutton* bluebutton1_ = nullptr;
    int queryTimeoutMs_ = kDefaultQueryTimeoutMs;
};
