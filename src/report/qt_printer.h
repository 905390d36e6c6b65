#pragma once
// The printed report on paper: the system's default printer, or a PDF file. Lines are gathered
// a page at a time and drawn on a grid of single-byte cells, two cells for each Chinese
// character, "Ω" and "■", so the columns line up whatever typeface stands in for 宋体; a page
// too tall or too wide for the printable area is scaled down as a whole rather than cut off.
#include <QFont>
#include <QString>
#include <memory>
#include <vector>

#include "base/ports.h"

class QPainter;
class QPrinter;

namespace eqbond {

class QtPrinter : public PrinterSink {
  public:
    // On the system's default printer, looked up anew for every document.
    QtPrinter();
    // Into a PDF file at `pdf_path` (A4).
    explicit QtPrinter(const QString& pdf_path);
    ~QtPrinter() override;

    // The job's name in the print queue.
    void set_document_name(const QString& name) { document_name_ = name; }

    bool begin() override;
    void set_font(const QString& family, double points, bool bold) override;
    void print_line(const QString& line) override;
    void new_page() override;
    bool end_document() override;
    void abort() override;
    bool failed() const override;

    // The typeface asked for, or an installed Song/Ming-style CJK face in its place.
    static QFont song_font(const QString& family, double points, bool bold);

  private:
    struct Line {
        QFont font;
        QString text;
    };
    void draw_page();
    void finish();

    QString pdf_path_;  // empty: the default printer
    QString document_name_ = QStringLiteral("eqbond");
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    std::vector<Line> page_;
    bool failed_ = false;
};

}  // namespace eqbond
