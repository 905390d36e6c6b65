#include "ui/qt_ports.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "base/texts.h"

namespace eqbond::ui {

std::optional<QString> QtMessageBox::ask_text(const QString& title, const QString& text) {
    bool ok = false;
    const QString typed =
        QInputDialog::getText(parent_, title, text, QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return typed;
}

void QtMessageBox::show(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent_);
    box.setObjectName(QStringLiteral("SystemMessage"));
    // Cancel, Try Again, Continue, in the words of this interface.
    box.addButton(text::kCancelButton, QMessageBox::RejectRole)->setObjectName("Cancel");
    box.addButton(text::kTryAgainButton, QMessageBox::AcceptRole)->setObjectName("TryAgain");
    box.addButton(text::kContinueButton, QMessageBox::AcceptRole)->setObjectName("Continue");
    box.exec();
}

void QtMessageBox::notify(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent_);
    box.setObjectName(QStringLiteral("SystemNotice"));
    box.addButton(text::kOkButton, QMessageBox::AcceptRole)->setObjectName("Ok");
    box.exec();
}

std::optional<QString> QtFileDialogs::choose_save_file(const SaveRequest& request) {
    QFileDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(request.initial_folder);
    dialog.setNameFilter(request.filter);
    QString suffix = request.default_extension;
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(request.file_name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtFileDialogs::choose_open_file(const OpenRequest& request) {
    QFileDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("OpenFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDirectory(request.initial_folder);
    dialog.setNameFilter(request.filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace eqbond::ui
