#pragma once
// Fakes of the ports the save button, the print options dialog and the printed report use.
#include <QFile>
#include <QStringList>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

#include "base/record_store.h"
#include "program/startup.h"
#include "report/print_options.h"
#include "support/fake_ports.h"
#include "support/qstring_printer.h"

// Readable failure messages for lists of texts (texts: support/qstring_printer.h).
inline void PrintTo(const QStringList& lines, std::ostream* out) {
    *out << "{\n";
    for (const QString& line : lines) *out << "  \"" << line.toStdString() << "\"\n";
    *out << "}";
}

namespace eqbond::test {

// Records every call; can be told to have no printer or to fail at a given point.
class FakePrinter : public PrinterSink {
  public:
    struct Call {
        enum class Kind { Begin, Font, Line, NewPage, End, Abort } kind;
        QString text;  // the line, or the font family
        double points = 0;
        bool bold = false;
    };
    using Kind = Call::Kind;

    bool has_printer = true;
    bool begin_fails = false;
    int fail_at_line = -1;  // the printer reports an error from this line (0-based) on
    bool end_fails = false;
    std::vector<Call> calls;

    bool begin() override {
        calls.push_back({Kind::Begin, {}});
        if (begin_fails) failed_ = true;
        return has_printer && !begin_fails;
    }
    void set_font(const QString& family, double points, bool bold) override {
        calls.push_back({Kind::Font, family, points, bold});
    }
    void print_line(const QString& line) override {
        if (lines_++ == fail_at_line) failed_ = true;
        calls.push_back({Kind::Line, line});
    }
    void new_page() override { calls.push_back({Kind::NewPage, {}}); }
    bool end_document() override {
        calls.push_back({Kind::End, {}});
        if (end_fails) failed_ = true;
        return !failed_;
    }
    void abort() override { calls.push_back({Kind::Abort, {}}); }
    bool failed() const override { return failed_; }

    // Lines of each page, the pages split where new_page was called.
    std::vector<QStringList> pages() const {
        std::vector<QStringList> out;
        bool started = false;
        for (const Call& c : calls) {
            if (c.kind == Kind::Begin) {
                out.emplace_back();
                started = true;
            } else if (c.kind == Kind::NewPage) {
                out.emplace_back();
            } else if (c.kind == Kind::Line && started) {
                out.back() << c.text;
            }
        }
        return out;
    }
    int count(Kind kind) const {
        int n = 0;
        for (const Call& c : calls) n += c.kind == kind;
        return n;
    }

  private:
    int lines_ = 0;
    bool failed_ = false;
};

class FakeFileDialogs : public FileDialogs {
  public:
    std::optional<QString> answer;  // nothing: the user cancels
    std::vector<SaveRequest> asked;
    std::optional<QString> choose_save_file(const SaveRequest& request) override {
        asked.push_back(request);
        return answer;
    }
    std::optional<QString> open_answer;  // nothing: the user cancels
    std::vector<OpenRequest> asked_open;
    std::optional<QString> choose_open_file(const OpenRequest& request) override {
        asked_open.push_back(request);
        return open_answer;
    }
};

// Writes a small stand-in for the bitmap, or fails when told to.
class FakeChartImage : public ChartImage {
  public:
    bool fails = false;
    std::vector<QString> saved_to;
    bool save_bitmap(const QString& path) override {
        saved_to.push_back(path);
        if (fails) return false;
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("BM") == 2;
    }
};

// The window system as the print button sees it: the dialog's load, the main window's unload
// and load, and in between what `operator_acts` does in the dialog.
class FakeWindowHost : public WindowHost {
  public:
    std::function<void(Program&)> operator_acts;
    int unloads = 0, shows = 0;
    Program* program = nullptr;
    bool main_window_shown = true;
    bool main_window_shown_while_dialog_open = false;

    void unload_main_window() override {
        ++unloads;
        main_window_shown = false;
    }
    void show_main_window() override {
        ++shows;
        main_window_shown = true;
        load_main_window(*program);
    }
    void run_print_options_dialog(Program& p) override {
        load_print_options(p);
        unload_main_window();
        // The operator answers within a few attempts (a rejected entry keeps the dialog open).
        for (int attempt = 0;
             attempt < 5 && p.state.print_options.dialog_answer == DialogAnswer::Open; ++attempt) {
            main_window_shown_while_dialog_open |= main_window_shown;
            if (operator_acts) operator_acts(p);
        }
    }
};

// A program over fakes for the export handlers, loaded once like the real main window.
struct ReportProgram : FakeProgram {
    FakeFileDialogs dialogs;
    FakeChartImage chart_image;
    FakePrinter printer;
    FakeWindowHost host;
    ReportProgram() {
        program.ports.file_dialogs = &dialogs;
        program.ports.chart_image = &chart_image;
        program.ports.printer = &printer;
        program.ports.window = &host;
        host.program = &program;
        line.outcomes[2] = OpenOutcome::Opened;
        load_main_window(program);
    }
    RecordStore& records() { return program.state.records; }
};

// Puts one group into its slot, its date "yy/mm/dd" and time "hh:mm" as the instrument sent them.
inline void put_group(RecordStore& store, int slot, int milliohm, const char* date,
                      const char* time, bool low_battery = false) {
    const QStringList ymd = QString::fromLatin1(date).split(QLatin1Char('/'));
    const QStringList hm = QString::fromLatin1(time).split(QLatin1Char(':'));
    store.put(Group{slot, milliohm, uint8_t(low_battery ? 1 : 0), ymd[0].toInt(), ymd[1].toInt(),
                    ymd[2].toInt(), hm[0].toInt(), hm[1].toInt()});
}

// Groups 1..n with values that tell them apart: group g reads g milliohm.
inline void put_groups(RecordStore& store, int n) {
    for (int g = 1; g <= n; ++g) put_group(store, g, g, "24/05/17", "09:05");
    store.last_stored_group = static_cast<int16_t>(n);
}

}  // namespace eqbond::test
