#include "sim/command_line.h"

#include <QCommandLineParser>
#include <climits>

#include "base/protocol.h"
#include "sim/stored_groups.h"

namespace eqbond::sim {

namespace {
constexpr int kDefaultGroups = 20;

QCommandLineOption option(const QString& name, const QString& help, const QString& value = {}) {
    return value.isEmpty() ? QCommandLineOption(name, help) : QCommandLineOption(name, help, value);
}

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
}  // namespace

CommandLine parse_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated bonding resistance tester on a pseudo-terminal. Prints the device path to "
        "give to eqbond --port, then answers the program's requests until stopped.\n"
        "While it runs, type silent, resume, unplug, plug, test or quit and Enter.\n"
        "With --replay it plays the instrument's side of a wire trace instead."));
    const QList<QCommandLineOption> options{
        option(QStringLiteral("help"), QStringLiteral("Show this help.")),
        option(QStringLiteral("groups"), QStringLiteral("Store N generated groups (default 20)."),
               QStringLiteral("N")),
        option(QStringLiteral("data"),
               QStringLiteral("Store the groups of FILE: one \"value, battery, yy/mm/dd, hh:mm\" "
                              "a line, value in milliohm, '#' starts a comment."),
               QStringLiteral("FILE")),
        option(QStringLiteral("none-count"),
               QStringLiteral("Group count reported with no groups stored: 0 or 65535."),
               QStringLiteral("N")),
        option(QStringLiteral("value"), QStringLiteral("Live reading in milliohm (default 123)."),
               QStringLiteral("MOHM")),
        option(QStringLiteral("wander"),
               QStringLiteral("Let the live reading change by up to STEP milliohm a measurement."),
               QStringLiteral("STEP")),
        option(QStringLiteral("lead"), QStringLiteral("Lead resistance in milliohm (default 85)."),
               QStringLiteral("MOHM")),
        option(QStringLiteral("lead-share"),
               QStringLiteral("Share of measurements sent as lead-resistance replies."),
               QStringLiteral("P")),
        option(QStringLiteral("live"),
               QStringLiteral("Answer polls with measurements from the start, not only after the "
                              "test command.")),
        option(QStringLiteral("replies"),
               QStringLiteral("Kinds of the replies to polls and probes, cycled (e.g. 0,1,1,3; 0 "
                              "status, 1 measurement, 3 lead resistance), or \"random\"."),
               QStringLiteral("SPEC")),
        option(QStringLiteral("battery-low"), QStringLiteral("Report a low battery.")),
        option(QStringLiteral("delay"), QStringLiteral("Answer MS milliseconds after a request."),
               QStringLiteral("MS")),
        option(QStringLiteral("paced"),
               QStringLiteral("Send at the pace of 9600 baud: a request takes 4 byte times to "
                              "arrive, each reply byte one more.")),
        option(QStringLiteral("seed"), QStringLiteral("Seed of every random choice (default 1)."),
               QStringLiteral("S")),
        option(QStringLiteral("drop-every"), QStringLiteral("Lose every K-th reply."),
               QStringLiteral("K")),
        option(QStringLiteral("drop-share"), QStringLiteral("Lose a share P of the replies."),
               QStringLiteral("P")),
        option(QStringLiteral("corrupt-share"),
               QStringLiteral("Change one byte in a share P of the replies."), QStringLiteral("P")),
        option(QStringLiteral("stray-share"),
               QStringLiteral("Put 1 to 3 noise bytes before a share P of the replies."),
               QStringLiteral("P")),
        option(QStringLiteral("silent-at-group"),
               QStringLiteral("Fall silent when group N is requested."), QStringLiteral("N")),
        option(QStringLiteral("silent-for"),
               QStringLiteral("Answer again MS milliseconds after falling silent."),
               QStringLiteral("MS")),
        option(QStringLiteral("unplug-at-group"),
               QStringLiteral("Close the pseudo-terminal when group N is requested."),
               QStringLiteral("N")),
        option(QStringLiteral("unplug-for"),
               QStringLiteral("Come back on a new pseudo-terminal MS milliseconds later."),
               QStringLiteral("MS")),
        option(QStringLiteral("link"),
               QStringLiteral("Keep the symbolic link PATH pointing at the current pseudo-terminal "
                              "and print PATH instead of the device."),
               QStringLiteral("PATH")),
        option(QStringLiteral("replay"),
               QStringLiteral("Play the instrument's side of the wire trace FILE: each request "
                              "gets the reply recorded for it, after the recorded delay."),
               QStringLiteral("FILE")),
        option(QStringLiteral("fast"),
               QStringLiteral("With --replay: answer at once instead of after the recorded "
                              "delay.")),
    };
    parser.addOptions(options);

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

    SimulatorConfig& config = result.config;
    OptionReader read(parser, &result.error);
    const int last_group = cmd::kFirstOperation - 1;  // higher numbers are operation codes
    const int long_wait = 3'600'000;
    int groups = kDefaultGroups;
    int seed = 1;
    read.whole(QStringLiteral("groups"), 0, last_group, &groups);
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
    read.whole(QStringLiteral("delay"), 0, long_wait, &config.reply_delay_ms);
    FaultConfig& f = config.faults;
    read.whole(QStringLiteral("drop-every"), 0, INT_MAX, &f.drop_every);
    read.share(QStringLiteral("drop-share"), &f.drop_share);
    read.share(QStringLiteral("corrupt-share"), &f.corrupt_share);
    read.share(QStringLiteral("stray-share"), &f.stray_share);
    read.whole(QStringLiteral("silent-at-group"), 1, last_group, &f.silent_at_group);
    read.whole(QStringLiteral("silent-for"), 1, long_wait, &f.silent_for_ms);
    read.whole(QStringLiteral("unplug-at-group"), 1, last_group, &f.unplug_at_group);
    read.whole(QStringLiteral("unplug-for"), 1, long_wait, &f.unplug_for_ms);
    if (f.drop_every == 1) read.fail(QStringLiteral("--drop-every 1 would lose every reply"));
    if (parser.isSet(QStringLiteral("replies"))) {
        read_reply_kinds(parser.value(QStringLiteral("replies")), config, read);
    }
    config.measuring = parser.isSet(QStringLiteral("live"));
    config.battery = parser.isSet(QStringLiteral("battery-low")) ? 1 : 0;
    config.paced = parser.isSet(QStringLiteral("paced"));
    config.link_path = parser.value(QStringLiteral("link"));

    if (parser.isSet(QStringLiteral("data"))) {
        if (parser.isSet(QStringLiteral("groups"))) {
            read.fail(QStringLiteral("--groups and --data exclude each other"));
        }
        QString load_error;
        auto loaded = load_groups(parser.value(QStringLiteral("data")), &load_error);
        if (loaded) {
            config.groups = std::move(*loaded);
            if (int(config.groups.size()) > last_group) {
                read.fail(QStringLiteral("at most %1 groups can be requested").arg(last_group));
            }
        } else {
            read.fail(load_error);
        }
    } else {
        config.groups = generate_groups(groups, config.seed);
    }
    return result;
}

}  // namespace eqbond::sim
