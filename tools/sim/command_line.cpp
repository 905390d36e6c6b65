#include "sim/command_line.h"

#include <QCommandLineParser>
#include <climits>

#include "base/protocol.h"
#include "sim/stored_groups.h"

namespace eqbond::sim {

namespace {
constexpr int kDefaultGroups = 20;
constexpr int kLastGroup = cmd::kFirstOperation - 1;  // higher numbers are operation codes
constexpr int kLongWaitMs = 3'600'000;

// Reads the options one by one; the first bad value is kept as the error.
class OptionReader {
  public:
    OptionReader(const QCommandLineParser& parser, QString* error)
        : parser_(parser), error_(error) {}

    void whole(const QString& name, int low, int high, int* out) {
        if (!parser_.isSet(name)) return;
        bool ok = false;
        const int n = parser_.value(name).toInt(&ok);
        if (!ok || n < low || n > high) {
            fail(QStringLiteral("--%1 takes a whole number from %2 to %3")
                     .arg(name)
                     .arg(low)
                     .arg(high));
            return;
        }
        *out = n;
    }
    void share(const QString& name, double* out) {
        if (!parser_.isSet(name)) return;
        bool ok = false;
        const double p = parser_.value(name).toDouble(&ok);
        if (!ok || p < 0.0 || p > 1.0) {
            fail(QStringLiteral("--%1 takes a share from 0 to 1").arg(name));
            return;
        }
        *out = p;
    }
    void fail(const QString& message) {
        if (error_->isEmpty()) *error_ = message;
    }

  private:
    const QCommandLineParser& parser_;
    QString* error_;
};

void read_reply_kinds(const QString& kinds_text, SimulatorConfig& config, OptionReader& reader) {
    if (kinds_text == QLatin1String("random")) {
        config.random_kinds = true;
        return;
    }
    for (const QString& item : kinds_text.split(QLatin1Char(','))) {
        bool ok = false;
        const int k = item.trimmed().toInt(&ok);
        if (!ok || k < 0 || k > 255) {
            reader.fail(QStringLiteral("--replies takes \"random\" or kinds such as 0,1,1,3"));
            return;
        }
        config.reply_kinds.push_back(k);
    }
}

// A replayed instrument is the trace's: of the other options only the link applies.
bool check_replay_options(const QCommandLineParser& parser, QString* error) {
    const bool replay = parser.isSet(QStringLiteral("replay"));
    if (!replay && parser.isSet(QStringLiteral("fast"))) {
        *error = QStringLiteral("--fast goes with --replay");
        return false;
    }
    if (!replay) return true;
    for (const QString& name : parser.optionNames()) {
        if (name != QLatin1String("replay") && name != QLatin1String("fast") &&
            name != QLatin1String("link") && name != QLatin1String("help")) {
            *error =
                QStringLiteral("--replay goes only with --fast and --link, not --%1").arg(name);
            return false;
        }
    }
    return true;
}

// Every option: its name, the name of its value (none for a switch) and its help.
struct OptionEntry {
    const char* name;
    const char* value;
    const char* help;
};
const OptionEntry kOptions[] = {
    {"help", nullptr, "Show this help."},
    {"groups", "N", "Store N generated groups (default 20)."},
    {"data", "FILE",
     "Store the groups of FILE: one \"value, battery, yy/mm/dd, hh:mm\" "
     "a line, value in milliohm, '#' starts a comment."},
    {"none-count", "N", "Group count reported with no groups stored: 0 or 65535."},
    {"value", "MOHM", "Live reading in milliohm (default 123)."},
    {"wander", "STEP", "Let the live reading change by up to STEP milliohm a measurement."},
    {"lead", "MOHM", "Lead resistance in milliohm (default 85)."},
    {"lead-share", "P", "Share of measurements sent as lead-resistance replies."},
    {"live", nullptr,
     "Answer polls with measurements from the start, not only after the "
     "test command."},
    {"replies", "SPEC",
     "Kinds of the replies to polls and probes, cycled (e.g. 0,1,1,3; 0 "
     "status, 1 measurement, 3 lead resistance), or \"random\"."},
    {"battery-low", nullptr, "Report a low battery."},
    {"delay", "MS", "Answer MS milliseconds after a request."},
    {"paced", nullptr,
     "Send at the pace of 9600 baud: a request takes 4 byte times to "
     "arrive, each reply byte one more."},
    {"seed", "S", "Seed of every random choice (default 1)."},
    {"drop-every", "K", "Lose every K-th reply."},
    {"drop-share", "P", "Lose a share P of the replies."},
    {"corrupt-share", "P", "Change one byte in a share P of the replies."},
    {"stray-share", "P", "Put 1 to 3 noise bytes before a share P of the replies."},
    {"silent-at-group", "N", "Fall silent when group N is requested."},
    {"silent-for", "MS", "Answer again MS milliseconds after falling silent."},
    {"unplug-at-group", "N", "Close the pseudo-terminal when group N is requested."},
    {"unplug-for", "MS", "Come back on a new pseudo-terminal MS milliseconds later."},
    {"link", "PATH",
     "Keep the symbolic link PATH pointing at the current pseudo-terminal "
     "and print PATH instead of the device."},
    {"replay", "FILE",
     "Play the instrument's side of the wire trace FILE: each request "
     "gets the reply recorded for it, after the recorded delay."},
    {"fast", nullptr,
     "With --replay: answer at once instead of after the recorded "
     "delay."},
};

QList<QCommandLineOption> simulator_options() {
    QList<QCommandLineOption> options;
    for (const OptionEntry& entry : kOptions) {
        const QString name = QString::fromLatin1(entry.name);
        const QString help = QString::fromLatin1(entry.help);
        options << (entry.value ? QCommandLineOption(name, help, QString::fromLatin1(entry.value))
                                : QCommandLineOption(name, help));
    }
    return options;
}

// What the instrument stores and how it answers.
void read_instrument(const QCommandLineParser& parser, OptionReader& read, SimulatorConfig& config,
                     int* groups) {
    int seed = 1;
    read.whole(QStringLiteral("groups"), 0, kLastGroup, groups);
    read.whole(QStringLiteral("seed"), 0, INT_MAX, &seed);
    config.seed = uint32_t(seed);
    read.whole(QStringLiteral("none-count"), 0, 65535, &config.none_count);
    if (config.none_count != 0 && config.none_count != 65535) {
        read.fail(QStringLiteral("--none-count is 0 or 65535"));
    }
    read.whole(QStringLiteral("value"), 0, 65535, &config.live_value);
    read.whole(QStringLiteral("wander"), 0, 40000, &config.wander_step);
    read.whole(QStringLiteral("lead"), 0, 65535, &config.lead_value);
    read.share(QStringLiteral("lead-share"), &config.lead_share);
    read.whole(QStringLiteral("delay"), 0, kLongWaitMs, &config.reply_delay_ms);
    if (parser.isSet(QStringLiteral("replies"))) {
        read_reply_kinds(parser.value(QStringLiteral("replies")), config, read);
    }
    config.measuring = parser.isSet(QStringLiteral("live"));
    config.battery = parser.isSet(QStringLiteral("battery-low")) ? 1 : 0;
    config.paced = parser.isSet(QStringLiteral("paced"));
    config.link_path = parser.value(QStringLiteral("link"));
}

void read_faults(OptionReader& read, FaultConfig& f) {
    read.whole(QStringLiteral("drop-every"), 0, INT_MAX, &f.drop_every);
    read.share(QStringLiteral("drop-share"), &f.drop_share);
    read.share(QStringLiteral("corrupt-share"), &f.corrupt_share);
    read.share(QStringLiteral("stray-share"), &f.stray_share);
    read.whole(QStringLiteral("silent-at-group"), 1, kLastGroup, &f.silent_at_group);
    read.whole(QStringLiteral("silent-for"), 1, kLongWaitMs, &f.silent_for_ms);
    read.whole(QStringLiteral("unplug-at-group"), 1, kLastGroup, &f.unplug_at_group);
    read.whole(QStringLiteral("unplug-for"), 1, kLongWaitMs, &f.unplug_for_ms);
    if (f.drop_every == 1) read.fail(QStringLiteral("--drop-every 1 would lose every reply"));
}

// The stored groups: from a data file, or `groups` generated ones.
void read_groups(const QCommandLineParser& parser, OptionReader& read, SimulatorConfig& config,
                 int groups) {
    if (!parser.isSet(QStringLiteral("data"))) {
        config.groups = generate_groups(groups, config.seed);
        return;
    }
    if (parser.isSet(QStringLiteral("groups"))) {
        read.fail(QStringLiteral("--groups and --data exclude each other"));
    }
    QString load_error;
    auto loaded = load_groups(parser.value(QStringLiteral("data")), &load_error);
    if (!loaded) {
        read.fail(load_error);
        return;
    }
    config.groups = std::move(*loaded);
    if (int(config.groups.size()) > kLastGroup) {
        read.fail(QStringLiteral("at most %1 groups can be requested").arg(kLastGroup));
    }
}
}  // namespace

CommandLine parse_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated bonding resistance tester on a pseudo-terminal. Prints the device path to "
        "give to eqbond --port, then answers the program's requests until stopped.\n"
        "While it runs, type silent, resume, unplug, plug, test or quit and Enter.\n"
        "With --replay it plays the instrument's side of a wire trace instead."));
    parser.addOptions(simulator_options());

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    result.help_text = parser.helpText();
    result.show_help = parser.isSet(QStringLiteral("help"));
    if (!parser.positionalArguments().isEmpty()) {
        result.error =
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return result;
    }

    result.replay_path = parser.value(QStringLiteral("replay"));
    result.fast = parser.isSet(QStringLiteral("fast"));
    if (!check_replay_options(parser, &result.error)) return result;

    OptionReader read(parser, &result.error);
    int groups = kDefaultGroups;
    read_instrument(parser, read, result.config, &groups);
    read_faults(read, result.config.faults);
    read_groups(parser, read, result.config, groups);
    return result;
}

}  // namespace eqbond::sim
