#pragma once
// The save button: the chart as a bitmap while it is shown, otherwise the text report.
#include <QByteArray>
#include <QString>

namespace eqbond {

struct Program;

// c:\KORVAL on Windows, the folder KORVAL in the user's home elsewhere.
QString suggested_save_folder();

// Writes a temporary file beside `path` and renames it over it, so that a failed write leaves
// an older file whole and no half-written one under its name.
bool replace_file(const QString& path, const QByteArray& bytes);

// Cancel in the file dialog is silent; a file that could not be written shows a message.
void on_save_clicked(Program& p);

}  // namespace eqbond
