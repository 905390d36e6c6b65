#include "ui/team_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

#include "program/team_status_view.h"
#include "team/qt_team_store.h"
#include "team/team_push_status.h"
#include "team/team_texts.h"

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
    test_ = new QPushButton(text::kTeamTestButton, this);
    test_->setObjectName(QStringLiteral("TeamTestButton"));
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("TeamTestResult"));
    result_->setWordWrap(true);
    form->addRow(test_, result_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(test_, &QPushButton::clicked, this, &TeamDialog::test_connection);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString TeamDialog::server() const {
    return server_->text().trimmed();
}

TeamDialog::~TeamDialog() {
    // A test under way ends by the connection's own timeout.
    if (test_thread_) test_thread_->wait();
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
    run_test(with_connect_timeout(*address), !own_password);
}

void TeamDialog::run_test(const TeamServerAddress& address, bool may_ask) {
    struct Outcome {
        std::optional<TeamFault> fault;
        QString role;
    };
    auto outcome = std::make_shared<Outcome>();
    test_->setEnabled(false);
    result_->clear();
    // The last test's thread may still be leaving: it must be gone before it is replaced.
    if (test_thread_) test_thread_->wait();
    test_thread_.reset(QThread::create([address, outcome] {
        QtTeamStore store;
        if (store.connect(address))
            outcome->role = store.role();
        else
            outcome->fault = store.fault();
    }));
    connect(test_thread_.get(), &QThread::finished, this, [this, address, may_ask, outcome] {
        test_->setEnabled(true);
        if (!outcome->fault) {
            // A password that worked is kept for the run.
            if (may_ask) password_ = address.password;
            result_->setText(text::kTeamConnected.arg(outcome->role));
            return;
        }
        result_->setText(text::kTeamNotConnected.arg(team_fault_text(outcome->fault->kind)));
        if (!may_ask || outcome->fault->kind != TeamFaultKind::AuthenticationFailed) return;
        bool typed = false;
        const QString password = QInputDialog::getText(
            this, text::kTeamDialogTitle, text::kTeamPasswordPrompt.arg(address.shown()),
            QLineEdit::Password, QString(), &typed);
        if (!typed || password.isEmpty()) return;
        TeamServerAddress with_password = address;
        with_password.password = password;
        run_test(with_password, true);
    });
    test_thread_->start();
}

}  // namespace eqbond::ui
