#pragma once
// The small interfaces through which the core reaches dialogs, message boxes, files, the printer
// and the window system. The Qt layer implements them; tests use fakes that record the calls.
#include <QByteArray>
#include <QString>
#include <optional>

namespace eqbond {

struct Group;
class SerialLine;
struct Program;

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    // Title, text and the button set Cancel / Try Again / Continue, no icon; the answer is unused.
    virtual void show(const QString& title, const QString& text) = 0;
    // A notice with one button, for failures the user can only acknowledge.
    virtual void notify(const QString& title, const QString& text) { show(title, text); }
    // A line of text the user types in answer, or nothing when cancelled (or when this box
    // cannot ask).
    virtual std::optional<QString> ask_text(const QString& title, const QString& text) {
        (void)title;
        (void)text;
        return std::nullopt;
    }
};

struct SaveRequest {
    QString default_extension;  // ".txt" or ".bmp"
    QString file_name;          // suggested name
    QString filter;             // extension filter text
    QString initial_folder;
};

struct OpenRequest {
    QString filter;  // extension filter text
    QString initial_folder;
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> choose_save_file(const SaveRequest& request) = 0;
    // An existing file to read, or nothing when the user cancels.
    virtual std::optional<QString> choose_open_file(const OpenRequest& request) = 0;
};

// The retained image of the chart, kept by the window layer.
class ChartImage {
  public:
    virtual ~ChartImage() = default;
    // Writes the image as a Windows bitmap; false when it could not be written.
    virtual bool save_bitmap(const QString& path) = 0;
};

class PrinterSink {
  public:
    virtual ~PrinterSink() = default;
    // False when printing cannot start: failed() then tells a printer error from no printer.
    virtual bool begin() = 0;
    virtual void set_font(const QString& family, double points, bool bold) = 0;
    virtual void print_line(const QString& line) = 0;
    virtual void new_page() = 0;
    // False when the printer reported an error during the document.
    virtual bool end_document() = 0;
    // Drops the document after an error, so that no half job is sent.
    virtual void abort() = 0;
    virtual bool failed() const = 0;
};

// Window-system operations the handlers ask for.
class WindowHost {
  public:
    virtual ~WindowHost() = default;
    virtual void unload_main_window() = 0;
    virtual void show_main_window() = 0;
    // Opens the print options dialog without modality and runs events until it has answered.
    virtual void run_print_options_dialog(Program& program) = 0;
};

// Moments of the link that a wire trace records beside the bytes on the line.
enum class LinkMoment { LinkFound, LinkLost, ReadStarted, ReadPaused, ReadFinished };

class LinkObserver {
  public:
    virtual ~LinkObserver() = default;
    // Called after the moment's state has been set, except LinkFound and LinkLost: just before.
    virtual void on_link_moment(LinkMoment moment, const Program& program) = 0;
};

// What the read of the stored groups tells whoever keeps its downloads (the archive), which lives
// in a higher layer.
class ReadObserver {
  public:
    virtual ~ReadObserver() = default;
    // A fresh read starts; a read still open is given up first.
    virtual void read_began(const Program& program) = 0;
    // A group as the instrument sent it has been stored.
    virtual void group_stored(const Program& program, const Group& group) = 0;
    // The last group has been stored.
    virtual void read_completed(const Program& program) = 0;
    // The open read, if any, is given up as it stands: the test button, a read without link, the
    // main window loaded anew, the program closed.
    virtual void read_given_up(const Program& program) = 0;
};

// Non-owning: the Qt layer (or a test) owns the implementations and outlives the program.
struct Ports {
    SerialLine* line = nullptr;
    MessageBox* message_box = nullptr;
    FileDialogs* file_dialogs = nullptr;
    ChartImage* chart_image = nullptr;
    PrinterSink* printer = nullptr;
    WindowHost* window = nullptr;
    ReadObserver* read_observer = nullptr;  // the archive; none: downloads are not archived
    LinkObserver* link_observer = nullptr;  // a wire trace; none while tracing is off
};

}  // namespace eqbond
