#pragma once
// Message boxes and file dialogs on Qt Widgets.
#include <QWidget>

#include "base/ports.h"

namespace eqbond::ui {

class QtMessageBox : public MessageBox {
  public:
    explicit QtMessageBox(QWidget* parent) : parent_(parent) {}
    void show(const QString& title, const QString& text) override;
    void notify(const QString& title, const QString& text) override;
    std::optional<QString> ask_text(const QString& title, const QString& text) override;

  private:
    QWidget* parent_;
};

class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<QString> choose_save_file(const SaveRequest& request) override;
    std::optional<QString> choose_open_file(const OpenRequest& request) override;

  private:
    QWidget* parent_;
};

}  // namespace eqbond::ui
