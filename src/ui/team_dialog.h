#pragma once
// The team server's dialog: the connection URI, a test of it, saved to the settings without any
// password.
#include <QDialog>
#include <memory>

#include "team/team_server_address.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QThread;

namespace eqbond::ui {

class TeamDialog : public QDialog {
    Q_OBJECT
  public:
    // `password` is the one typed this run, tried when the address and libpq have none.
    TeamDialog(const QString& server, const QString& password, QWidget* parent = nullptr);
    ~TeamDialog() override;

    QString server() const;
    // The password typed in this dialog, if one was asked for.
    const QString& password() const { return password_; }
    QLineEdit* server_field() const { return server_; }
    QLabel* result() const { return result_; }

    // Connects once on a thread of its own, the dialog staying responsive; asks for a password
    // when the login fails without one. The result shows in result().
    void test_connection();

  private:
    void run_test(const TeamServerAddress& address, bool may_ask);

    QLineEdit* server_ = nullptr;
    QPushButton* test_ = nullptr;
    QLabel* result_ = nullptr;
    QString password_;
    std::unique_ptr<QThread> test_thread_;
};

}  // namespace eqbond::ui
