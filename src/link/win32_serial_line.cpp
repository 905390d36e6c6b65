#include "link/win32_serial_line.h"

#include <windows.h>

#include <QTimer>
#include <QWinEventNotifier>

#include "base/protocol.h"

namespace eqbond {

namespace {
// Long enough for the rest of a 12-byte frame at 9600 baud (about 12.5 ms), far shorter than the
// 100 ms before the program asks again.
constexpr DWORD kDiscardWindowMs = 30;
// A write of a frame takes 4 ms at 9600 baud; without flow control it cannot stall, but a driver
// that does must not hold the program.
constexpr DWORD kWriteLimitMs = 500;
constexpr int kReadChunk = 64;

// Reads that wait for the whole count asked, however long; a discarding read that ends after the
// window with whatever came.
COMMTIMEOUTS read_timeouts(bool discarding) {
    COMMTIMEOUTS timeouts{};
    timeouts.ReadTotalTimeoutConstant = discarding ? kDiscardWindowMs : 0;
    timeouts.WriteTotalTimeoutConstant = kWriteLimitMs;
    return timeouts;
}

bool is_missing_device(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           error == ERROR_INVALID_NAME;
}
}  // namespace

struct Win32SerialLine::Handle {
    HANDLE file = INVALID_HANDLE_VALUE;
    HANDLE read_done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    OVERLAPPED read{};
    char buffer[kReadChunk] = {};
    bool reading = false;  // a read is in flight
    QWinEventNotifier notifier{read_done};

    ~Handle() { CloseHandle(read_done); }

    // Stops the read in flight and waits until the system lets go of its buffer.
    void cancel_read() {
        if (!reading) return;
        CancelIoEx(file, &read);
        DWORD ignored = 0;
        GetOverlappedResult(file, &read, &ignored, TRUE);
        reading = false;
        ResetEvent(read_done);
    }
};

Win32SerialLine::Win32SerialLine(PortTable table)
    : port_(std::make_unique<Handle>()), table_(std::move(table)) {
    QObject::connect(&port_->notifier, &QWinEventNotifier::activated, [this] { on_read_done(); });
}

Win32SerialLine::~Win32SerialLine() {
    close();
}

void Win32SerialLine::close() {
    if (!is_open()) return;
    port_->cancel_read();
    CloseHandle(port_->file);
    port_->file = INVALID_HANDLE_VALUE;
    received_.clear();
    discarding_ = false;
}

void Win32SerialLine::set_number(int port_number) {
    port_no_ = port_number;
}

OpenOutcome Win32SerialLine::open() {
    if (is_open()) return OpenOutcome::OtherFailure;  // the control refuses a second open
    QString device = table_.device(port_no_);
    if (device.isEmpty()) return OpenOutcome::InvalidNumber;
    // COM10 and above are reached only through the device namespace; COM1..COM9 work either way.
    if (!device.startsWith(QLatin1String("\\\\.\\"))) device.prepend(QLatin1String("\\\\.\\"));
    const HANDLE file =
        CreateFileW(reinterpret_cast<const wchar_t*>(device.utf16()), GENERIC_READ | GENERIC_WRITE,
                    0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        last_error_ = GetLastError();
        return is_missing_device(last_error_) ? OpenOutcome::InvalidNumber
                                              : OpenOutcome::OtherFailure;
    }
    port_->file = file;
    PurgeComm(file, PURGE_RXCLEAR | PURGE_TXCLEAR);
    COMMTIMEOUTS timeouts = read_timeouts(false);
    SetCommTimeouts(file, &timeouts);
    start_read();
    return OpenOutcome::Opened;
}

void Win32SerialLine::configure() {
    if (!is_open()) return;
    DCB line{};
    line.DCBlength = sizeof line;
    if (!GetCommState(port_->file, &line)) return;
    line.BaudRate = CBR_9600;
    line.ByteSize = 8;
    line.Parity = NOPARITY;
    line.StopBits = ONESTOPBIT;
    line.fBinary = TRUE;
    line.fParity = FALSE;
    line.fOutxCtsFlow = FALSE;
    line.fOutxDsrFlow = FALSE;
    line.fDsrSensitivity = FALSE;
    line.fOutX = FALSE;
    line.fInX = FALSE;
    line.fNull = FALSE;
    line.fAbortOnError = FALSE;
    // Raised, as the usual serial layers leave them: some adapters and cables draw power from them.
    line.fDtrControl = DTR_CONTROL_ENABLE;
    line.fRtsControl = RTS_CONTROL_ENABLE;
    if (!SetCommState(port_->file, &line)) last_error_ = GetLastError();
}

bool Win32SerialLine::is_open() const {
    return port_->file != INVALID_HANDLE_VALUE;
}

void Win32SerialLine::write(const QByteArray& bytes) {
    if (!is_open()) return;
    OVERLAPPED written_overlapped{};
    written_overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD written = 0;
    // One call hands the whole frame to the driver; waiting for it keeps the order of frames.
    if (!WriteFile(port_->file, bytes.constData(), DWORD(bytes.size()), &written,
                   &written_overlapped)) {
        if (GetLastError() != ERROR_IO_PENDING ||
            !GetOverlappedResult(port_->file, &written_overlapped, &written, TRUE)) {
            last_error_ = GetLastError();
        }
    }
    CloseHandle(written_overlapped.hEvent);
}

QByteArray Win32SerialLine::read(int max_bytes) {
    const QByteArray taken = received_.left(max_bytes);
    received_.remove(0, taken.size());
    return taken;
}

void Win32SerialLine::discard_input() {
    if (!is_open()) return;
    port_->cancel_read();
    PurgeComm(port_->file, PURGE_RXCLEAR);
    received_.clear();
    // The next read ends after the window and drops what came in it: the tail of the broken frame.
    discarding_ = true;
    COMMTIMEOUTS timeouts = read_timeouts(true);
    SetCommTimeouts(port_->file, &timeouts);
    start_read();
}

QString Win32SerialLine::device_name(int port_number) const {
    return table_.device(port_number);
}

QString Win32SerialLine::last_error() const {
    if (last_error_ == 0) return {};
    wchar_t* words = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, last_error_, 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
    QString text = length > 0 ? QString::fromWCharArray(words, int(length)).trimmed()
                              : QStringLiteral("system error %1").arg(last_error_);
    LocalFree(words);
    return text;
}

void Win32SerialLine::start_read() {
    Handle& port = *port_;
    port.read = OVERLAPPED{};
    port.read.hEvent = port.read_done;
    // Ask for the rest of a frame: the read ends the moment a whole frame waits, the threshold of
    // 12 bytes; a discarding read takes whatever the window brings.
    const int missing = kReplyFrameLength - int(received_.size()) % kReplyFrameLength;
    const DWORD wanted = discarding_ ? DWORD(kReadChunk) : DWORD(missing);
    DWORD ignored = 0;
    if (ReadFile(port.file, port.buffer, wanted, &ignored, &port.read) ||
        GetLastError() == ERROR_IO_PENDING) {
        port.reading = true;  // done or not, its event tells the loop
        return;
    }
    const DWORD error = GetLastError();
    // Not from inside a handler that may be using the line: on the next turn of the loop.
    QTimer::singleShot(0, &port.notifier, [this, error] { fail(error); });
}

void Win32SerialLine::on_read_done() {
    Handle& port = *port_;
    if (port.reading && !HasOverlappedIoCompleted(&port.read)) return;  // an earlier read's signal
    // The notifier waits again after this; a signalled event would wake it without end.
    ResetEvent(port.read_done);
    if (!port.reading) return;
    port.reading = false;
    DWORD count = 0;
    if (!GetOverlappedResult(port.file, &port.read, &count, FALSE)) {
        fail(GetLastError());
        return;
    }
    if (discarding_) {
        discarding_ = false;
        COMMTIMEOUTS timeouts = read_timeouts(false);
        SetCommTimeouts(port.file, &timeouts);
    } else {
        received_.append(port.buffer, int(count));
    }
    // One receive event per 12 bytes waiting, as the threshold of 12 asks.
    while (is_open() && received_.size() >= kReplyFrameLength && !port.reading) {
        const qsizetype before = received_.size();
        if (handler_) handler_(PortEvent::DataReceived);
        if (received_.size() >= before) break;
    }
    if (is_open() && !port.reading) start_read();
}

void Win32SerialLine::fail(unsigned long system_error) {
    if (!is_open()) return;
    // An unplugged adapter fails its reads: closed, it counts as silent and the search or the read
    // watchdog opens it again.
    last_error_ = system_error;
    close();
    if (handler_) handler_(PortEvent::Error);
}

}  // namespace eqbond
