#pragma once
// A PostgreSQL server of the tests' own: initdb into a temporary folder, started on 127.0.0.1 at
// a free port (and a socket in that folder), stopped and removed with this object. PostgreSQL
// refuses to run as root, so as root (CI) the server runs as the `postgres` user that Debian's
// package creates. Login roles with passwords: the inspectors anna and ben, the admin boss,
// outsider, in no eqbond group, and keeper, which owns the team archives but may not create roles.
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <vector>

#include "team/team_server_address.h"

namespace eqbond::test {

inline const QString kPostgresBin = QStringLiteral("/usr/lib/postgresql/15/bin/");

// A port nobody listens on now.
inline int free_port() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &size) == 0)
        port = ntohs(a.sin_port);
    ::close(s);
    return port;
}

struct CommandResult {
    int exit_code = -1;
    QString out;  // standard output and error together
};

class ThrowawayPostgres {
  public:
    static constexpr const char* kSuperuser = "eqbond_super";

    ThrowawayPostgres() = default;
    ThrowawayPostgres(const ThrowawayPostgres&) = delete;
    ThrowawayPostgres& operator=(const ThrowawayPostgres&) = delete;
    ~ThrowawayPostgres() { stop(); }

    // initdb, start, the login roles. False with why() set. A durable server syncs every commit
    // to disk, as a lab's server would; the tests' server need not.
    bool start(bool durable = false) {
        if (!folder_.isValid()) return failed(QStringLiteral("no temporary folder"));
        // As root the server runs as postgres: the folder becomes its.
        if (as_root() &&
            run_command({QStringLiteral("chown"), QStringLiteral("postgres:"), folder_.path()})
                    .exit_code != 0)
            return failed(QStringLiteral("cannot give the folder to postgres"));
        port_ = free_port();
        const CommandResult init =
            as_server(QStringLiteral("initdb"),
                      {QStringLiteral("-D"), data(), QStringLiteral("-U"),
                       QString::fromLatin1(kSuperuser), QStringLiteral("--auth-local=trust"),
                       QStringLiteral("--auth-host=scram-sha-256"), QStringLiteral("-N"),
                       QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C")});
        if (init.exit_code != 0) return failed(init.out);
        settings_ = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1")
                        .arg(port_)
                        .arg(folder_.path());
        // Without fsync a killed server still loses nothing the system has: only a machine that
        // dies would.
        if (!durable) settings_ += QStringLiteral(" -c fsync=off -c full_page_writes=off");
        if (!restart()) return false;
        const CommandResult roles = superuser_sql(
            QStringLiteral("postgres"),
            "CREATE ROLE anna LOGIN PASSWORD 'anna-pw'; CREATE ROLE ben LOGIN PASSWORD 'ben-pw'; "
            "CREATE ROLE boss LOGIN PASSWORD 'boss-pw'; "
            "CREATE ROLE outsider LOGIN PASSWORD 'outsider-pw'; "
            "CREATE ROLE keeper LOGIN PASSWORD 'keeper-pw';");
        if (roles.exit_code != 0) return failed(roles.out);
        return true;
    }

    // Starts the stopped or killed server again on the same folder and port.
    bool restart() {
        const CommandResult started = as_server(
            QStringLiteral("pg_ctl"),
            {QStringLiteral("-D"), data(), QStringLiteral("-o"), settings_, QStringLiteral("-l"),
             folder_.filePath(QStringLiteral("log")), QStringLiteral("-w"), QStringLiteral("-t"),
             QStringLiteral("60"), QStringLiteral("start")});
        if (started.exit_code != 0) return failed(started.out + log());
        running_ = true;
        return true;
    }

    // SIGKILL to the postmaster and every process it started, as a machine that dies: no
    // shutdown, no goodbye to the clients.
    void kill_hard() {
        QFile pid_file(data() + QStringLiteral("/postmaster.pid"));
        if (!pid_file.open(QIODevice::ReadOnly)) return;
        const pid_t postmaster = pid_t(pid_file.readLine().trimmed().toInt());
        if (postmaster <= 0) return;
        std::vector<pid_t> children;
        for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
            if (!stat.open(QIODevice::ReadOnly)) continue;
            // pid (name) state ppid ...: the fields after the name's closing parenthesis.
            const QByteArray line = stat.readAll();
            const QList<QByteArray> after = line.mid(line.lastIndexOf(')') + 2).split(' ');
            if (after.size() > 1 && after[1].toInt() == postmaster)
                children.push_back(pid_t(entry.toInt()));
        }
        ::kill(postmaster, SIGKILL);
        for (const pid_t child : children) ::kill(child, SIGKILL);
        // The restart needs their shared memory free: wait until they are gone (at most 10 s).
        children.push_back(postmaster);
        for (int i = 0; i < 1000 && std::any_of(children.begin(), children.end(), alive); ++i)
            ::usleep(10000);
        // A killed postmaster may stay a zombie that PostgreSQL takes for a live server: its lock
        // files go, as after a machine that died.
        QFile::remove(data() + QStringLiteral("/postmaster.pid"));
        QFile::remove(folder_.filePath(QStringLiteral(".s.PGSQL.%1.lock").arg(port_)));
        running_ = false;
    }

    void stop() {
        if (!running_) return;
        as_server(QStringLiteral("pg_ctl"),
                  {QStringLiteral("-D"), data(), QStringLiteral("-m"), QStringLiteral("immediate"),
                   QStringLiteral("-w"), QStringLiteral("stop")});
        running_ = false;
    }

    const QString& why() const { return why_; }
    int port() const { return port_; }

    // A new, empty database, owned by `owner` when given.
    bool create_database(const QString& name, const QString& owner = QString()) {
        QStringList arguments{QStringLiteral("-h"), folder_.path(),
                              QStringLiteral("-p"), QString::number(port_),
                              QStringLiteral("-U"), QString::fromLatin1(kSuperuser)};
        if (!owner.isEmpty()) arguments << QStringLiteral("-O") << owner;
        return as_server(QStringLiteral("createdb"), arguments << name).exit_code == 0;
    }

    // The superuser through the socket, trusted.
    TeamServerAddress superuser(const QString& database) const {
        TeamServerAddress a;
        a.host = folder_.path();
        a.port = port_;
        a.user = QString::fromLatin1(kSuperuser);
        a.database = database;
        return a;
    }
    // A login role over TCP with its password.
    TeamServerAddress login(const QString& role, const QString& password,
                            const QString& database) const {
        TeamServerAddress a;
        a.host = QStringLiteral("127.0.0.1");
        a.port = port_;
        a.user = role;
        a.password = password;
        a.database = database;
        return a;
    }
    // The standard login of anna, ben, boss or outsider: the password is the name and "-pw".
    TeamServerAddress login(const QString& role, const QString& database) const {
        return login(role, role + QStringLiteral("-pw"), database);
    }

    // psql with one command string, stopping at the first error.
    CommandResult psql(const TeamServerAddress& a, const QString& sql) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PGPASSWORD"), a.password);
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(
            kPostgresBin + QStringLiteral("psql"),
            {QStringLiteral("-h"), a.host, QStringLiteral("-p"), QString::number(a.port),
             QStringLiteral("-U"), a.user, QStringLiteral("-d"), a.database, QStringLiteral("-X"),
             QStringLiteral("-q"), QStringLiteral("-tA"), QStringLiteral("-v"),
             QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-c"), sql});
        p.waitForFinished(30000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAll()).trimmed()};
    }
    CommandResult superuser_sql(const QString& database, const char* sql) const {
        return psql(superuser(database), QString::fromUtf8(sql));
    }

    QString log() const {
        QFile f(folder_.filePath(QStringLiteral("log")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

  private:
    // A zombie is gone too: nobody may reap it.
    static bool alive(pid_t pid) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly)) return false;
        const QByteArray line = stat.readAll();
        return line.mid(line.lastIndexOf(')') + 2, 1) != "Z";
    }
    static bool as_root() { return ::geteuid() == 0; }
    QString data() const { return folder_.filePath(QStringLiteral("data")); }

    static CommandResult run_command(const QStringList& command) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        p.setProcessEnvironment(env);
        p.start(command.first(), command.mid(1));
        p.waitForFinished(60000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAll())};
    }
    // One of PostgreSQL's programs, as postgres when the tests run as root.
    static CommandResult as_server(const QString& program, const QStringList& arguments) {
        QStringList command;
        if (as_root())
            command << QStringLiteral("runuser") << QStringLiteral("-u")
                    << QStringLiteral("postgres") << QStringLiteral("--");
        return run_command(command + QStringList{kPostgresBin + program} + arguments);
    }
    bool failed(const QString& why) {
        why_ = why;
        return false;
    }

    QTemporaryDir folder_;
    QString settings_;  // the server's command line
    int port_ = 0;
    bool running_ = false;
    QString why_;
};

}  // namespace eqbond::test
