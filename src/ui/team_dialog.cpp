#include "ui/team_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "archive/archive_texts.h"
#include "archive/qt_team_store.h"
#include "program/team_status_view.h"

namespace eqbond::ui {

TeamDialog::TeamDialog(const QString& server, const QString& password, QWidget* parent)
    : QDialog(parent), password_(password) {
    setObjectName(QStringLiteral("TeamDialog"));
    setWindowTitle(text::kTeamDialogTitle);
    auto* form = new QFormLayout(this);
    server_ = new QLineEdit(server, this);
    server_->setObjectName(QStringLiteral("TeamServer"));
    server_->setMinimumWidth(420);
    server_->setPlaceholderText(
        QStringLiteral("postgresql://user@host:5432/eqbond?sslmode=require"));
    form->addRow(text::kTeamServerLabel.shown(), server_);
    auto* test = new QPushButton(text::kTeamTestButton, this);
    test->setObjectName(QStringLiteral("TeamTestButton"));
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("TeamTestResult"));
    result_->setWordWrap(true);
    form->addRow(test, result_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(test, &QPushButton::clicked, this, &TeamDialog::test_connection);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString TeamDialog::server() const {
    return server_->text().trimmed();
}

void TeamDialog::test_connection() {
    QString why;
    std::optional<TeamServerAddress> address = read_team_server_address(server(), &why);
    if (!address) {
        result_->setText(text::kTeamNotConnected.arg(text::kTeamBadAddress.shown()));
        return;
    }
    const bool own_password = !address->password.isEmpty();
    if (!own_password) address->password = password_;
    // An explicit test by the user: the connection's own timeout bounds the wait.
    QtTeamStore store;
    bool connected = store.connect(*address);
    if (!connected && !own_password && store.fault()->kind == TeamFaultKind::AuthenticationFailed) {
        bool typed = false;
        const QString password = QInputDialog::getText(
            this, text::kTeamDialogTitle, text::kTeamPasswordPrompt.arg(address->shown()),
            QLineEdit::Password, QString(), &typed);
        if (typed && !password.isEmpty()) {
            address->password = password;
            QtTeamStore again;
            connected = again.connect(*address);
            if (connected) {
                password_ = password;
                result_->setText(text::kTeamConnected.arg(again.role()));
                return;
            }
            result_->setText(text::kTeamNotConnected.arg(team_fault_text(again.fault()->kind)));
            return;
        }
    }
    result_->setText(connected ? text::kTeamConnected.arg(store.role())
                               : text::kTeamNotConnected.arg(team_fault_text(store.fault()->kind)));
}

}  // namespace eqbond::ui
