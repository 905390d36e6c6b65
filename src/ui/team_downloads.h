#pragma once
// The archive window's team view: every inspector's downloads on the team server, listed on a
// thread of its own so that the window never waits for the network.
#include <QWidget>
#include <memory>

#include "archive/team_server_address.h"

class QLabel;
class QStandardItemModel;
class QTableView;
class QThread;

namespace eqbond::ui {

class TeamDownloadsPanel : public QWidget {
    Q_OBJECT
  public:
    explicit TeamDownloadsPanel(QWidget* parent = nullptr);
    ~TeamDownloadsPanel() override;

    // Lists the server's downloads again, newest first; a fault shows above the list.
    void load(const TeamServerAddress& address);
    QTableView* table() const { return table_; }
    QLabel* fault_label() const { return fault_; }

  private:
    QLabel* fault_ = nullptr;
    QTableView* table_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    std::unique_ptr<QThread> listing_;
};

}  // namespace eqbond::ui
