#include "team/team_server_address.h"

#include <QUrl>
#include <cctype>
#include <cstring>

namespace eqbond {

namespace {

// libpq's settings besides host, port, user, password and dbname that the program passes on.
const char* const kPassedOn[] = {
    "sslmode",
    "sslrootcert",
    "sslcert",
    "sslkey",
    "sslcrl",
    "sslcompression",
    "sslsni",
    "requiressl",
    "gssencmode",
    "channel_binding",
    "connect_timeout",
    "application_name",
    "passfile",
    "target_session_attrs",
    "keepalives",
    "keepalives_idle",
    "keepalives_interval",
    "keepalives_count",
    "tcp_user_timeout",
    "krbsrvname",
    "service",
    "options",
    "client_encoding",
    "hostaddr",
};

bool passed_on(const QString& key) {
    for (const char* name : kPassedOn)
        if (key == QLatin1String(name)) return true;
    return false;
}

bool set(TeamServerAddress& a, const QString& key, const QString& value, QString* why) {
    if (key == QLatin1String("host")) {
        a.host = value;
    } else if (key == QLatin1String("port")) {
        bool ok = false;
        a.port = value.toInt(&ok);
        if (!ok || a.port < 1 || a.port > 65535) {
            *why = QStringLiteral("the port is no number from 1 to 65535");
            return false;
        }
    } else if (key == QLatin1String("user")) {
        a.user = value;
    } else if (key == QLatin1String("password")) {
        a.password = value;
    } else if (key == QLatin1String("dbname")) {
        a.database = value;
    } else if (passed_on(key)) {
        // Qt's driver separates its options by semicolons: a value holding one would be cut.
        if (value.contains(QLatin1Char(';'))) {
            *why = QStringLiteral("the value of %1 holds a semicolon").arg(key);
            return false;
        }
        a.options.emplace_back(key, value);
    } else {
        *why = QStringLiteral("unknown setting \"%1\"").arg(key.left(40));
        return false;
    }
    return true;
}

bool percent_decoded(const QString& text, QString* out, QString* why) {
    const QByteArray bytes = text.toUtf8();
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '%') continue;
        if (i + 2 >= bytes.size() || !std::isxdigit(uchar(bytes[i + 1])) ||
            !std::isxdigit(uchar(bytes[i + 2]))) {
            *why = QStringLiteral("a %-escape is not two hexadecimal digits");
            return false;
        }
    }
    *out = QUrl::fromPercentEncoding(bytes);
    return true;
}

// postgresql://[user[:password]@][host][:port][/dbname][?key=value&...]
std::optional<TeamServerAddress> read_uri(QString rest, QString* why) {
    TeamServerAddress a;
    QString query;
    if (const int q = rest.indexOf(QLatin1Char('?')); q >= 0) {
        query = rest.mid(q + 1);
        rest = rest.left(q);
    }
    QString path;
    if (const int slash = rest.indexOf(QLatin1Char('/')); slash >= 0) {
        path = rest.mid(slash + 1);
        rest = rest.left(slash);
    }
    if (const int at = rest.lastIndexOf(QLatin1Char('@')); at >= 0) {
        const QString userinfo = rest.left(at);
        rest = rest.mid(at + 1);
        const int colon = userinfo.indexOf(QLatin1Char(':'));
        if (!percent_decoded(userinfo.left(colon), &a.user, why)) return std::nullopt;
        if (colon >= 0 && !percent_decoded(userinfo.mid(colon + 1), &a.password, why))
            return std::nullopt;
    }
    if (rest.contains(QLatin1Char(','))) {
        *why = QStringLiteral("give one host only");
        return std::nullopt;
    }
    QString host = rest, port;
    if (rest.startsWith(QLatin1Char('['))) {
        const int close = rest.indexOf(QLatin1Char(']'));
        if (close < 0) {
            *why = QStringLiteral("an IPv6 address lacks its ]");
            return std::nullopt;
        }
        host = rest.mid(1, close - 1);
        const QString after = rest.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(QLatin1Char(':'))) {
            *why = QStringLiteral("unexpected text after the IPv6 address");
            return std::nullopt;
        }
        port = after.mid(1);
    } else if (const int colon = rest.lastIndexOf(QLatin1Char(':')); colon >= 0) {
        host = rest.left(colon);
        port = rest.mid(colon + 1);
    }
    if (!percent_decoded(host, &a.host, why) || !percent_decoded(path, &a.database, why))
        return std::nullopt;
    if (!port.isEmpty() && !set(a, QStringLiteral("port"), port, why)) return std::nullopt;
    for (const QString& pair : query.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const int eq = pair.indexOf(QLatin1Char('='));
        QString key, value;
        if (eq < 0) {
            *why = QStringLiteral("a setting lacks its =");
            return std::nullopt;
        }
        if (!percent_decoded(pair.left(eq), &key, why) ||
            !percent_decoded(pair.mid(eq + 1), &value, why) || !set(a, key, value, why))
            return std::nullopt;
    }
    return a;
}

// key=value words; a value may be quoted in single quotes with backslash escapes.
std::optional<TeamServerAddress> read_words(const QString& text, QString* why) {
    TeamServerAddress a;
    int i = 0;
    const int n = int(text.size());
    const auto skip_space = [&] {
        while (i < n && text[i].isSpace()) ++i;
    };
    for (;;) {
        skip_space();
        if (i >= n) break;
        QString key;
        while (i < n && text[i] != QLatin1Char('=') && !text[i].isSpace()) key += text[i++];
        skip_space();
        if (i >= n || text[i] != QLatin1Char('=')) {
            *why = QStringLiteral("\"%1\" lacks its =").arg(key.left(40));
            return std::nullopt;
        }
        ++i;
        skip_space();
        QString value;
        if (i < n && text[i] == QLatin1Char('\'')) {
            ++i;
            bool closed = false;
            while (i < n) {
                if (text[i] == QLatin1Char('\\') && i + 1 < n) {
                    value += text[i + 1];
                    i += 2;
                } else if (text[i] == QLatin1Char('\'')) {
                    ++i;
                    closed = true;
                    break;
                } else {
                    value += text[i++];
                }
            }
            if (!closed) {
                *why = QStringLiteral("a quoted value lacks its closing quote");
                return std::nullopt;
            }
        } else {
            while (i < n && !text[i].isSpace()) {
                if (text[i] == QLatin1Char('\\') && i + 1 < n) ++i;
                value += text[i++];
            }
        }
        if (!set(a, key, value, why)) return std::nullopt;
    }
    return a;
}

QString quoted_value(QString value) {
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

}  // namespace

std::optional<TeamServerAddress> read_team_server_address(const QString& text, QString* why) {
    const QString trimmed = text.trimmed();
    for (const QChar c : trimmed) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            *why = QStringLiteral("the address holds a control character");
            return std::nullopt;
        }
    }
    for (const char* scheme : {"postgresql://", "postgres://"})
        if (trimmed.startsWith(QLatin1String(scheme)))
            return read_uri(trimmed.mid(int(strlen(scheme))), why);
    if (!trimmed.contains(QLatin1Char('='))) {
        *why = QStringLiteral("say postgresql://USER@HOST:PORT/DATABASE or host=... dbname=...");
        return std::nullopt;
    }
    return read_words(trimmed, why);
}

QString TeamServerAddress::shown() const {
    const auto encoded = [](const QString& s) {
        return QString::fromUtf8(QUrl::toPercentEncoding(s));
    };
    QString uri = QStringLiteral("postgresql://");
    if (!user.isEmpty()) uri += encoded(user) + QLatin1Char('@');
    uri += host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']')
                                           : encoded(host);
    if (port > 0) uri += QLatin1Char(':') + QString::number(port);
    if (!database.isEmpty()) uri += QLatin1Char('/') + encoded(database);
    QStringList settings;
    for (const auto& [key, value] : options) settings << key + QLatin1Char('=') + encoded(value);
    if (!settings.isEmpty()) uri += QLatin1Char('?') + settings.join(QLatin1Char('&'));
    return uri;
}

QString TeamServerAddress::connect_options() const {
    QStringList out;
    for (const auto& [key, value] : options) out << key + QLatin1Char('=') + quoted_value(value);
    return out.join(QLatin1Char(';'));
}

}  // namespace eqbond
