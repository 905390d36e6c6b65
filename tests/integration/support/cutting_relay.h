#pragma once
// A TCP relay on 127.0.0.1 in front of a server that cuts its first connection after the client
// has sent a given number of bytes, as a network that goes away in the middle of a push; later
// connections pass whole.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace eqbond::test {

class CuttingRelay {
  public:
    CuttingRelay(int upstream_port, long cut_after_bytes)
        : upstream_port_(upstream_port), cut_after_(cut_after_bytes) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a = loopback(0);
        socklen_t size = sizeof a;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
            ::listen(listener_, 8) == 0 &&
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &size) == 0)
            port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~CuttingRelay() {
        stopping_ = true;
        thread_.join();
        ::close(listener_);
    }
    CuttingRelay(const CuttingRelay&) = delete;
    CuttingRelay& operator=(const CuttingRelay&) = delete;

    int port() const { return port_; }
    bool cut() const { return cut_; }

  private:
    static sockaddr_in loopback(int port) {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(uint16_t(port));
        return a;
    }
    // One connection at a time is all a store makes.
    void serve() {
        while (!stopping_) {
            pollfd waiting{listener_, POLLIN, 0};
            if (::poll(&waiting, 1, 50) <= 0) continue;
            const int client = ::accept(listener_, nullptr, nullptr);
            if (client < 0) continue;
            const int server = ::socket(AF_INET, SOCK_STREAM, 0);
            const sockaddr_in up = loopback(upstream_port_);
            if (::connect(server, reinterpret_cast<const sockaddr*>(&up), sizeof up) == 0)
                relay(client, server);
            ::close(server);
            ::close(client);
        }
    }
    void relay(int client, int server) {
        long sent = 0;
        const bool cutting = !cut_;
        char buffer[16384];
        while (!stopping_) {
            pollfd ends[2] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
            if (::poll(ends, 2, 50) <= 0) continue;
            for (int i = 0; i < 2; ++i) {
                if (!(ends[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
                const ssize_t n = ::read(ends[i].fd, buffer, sizeof buffer);
                if (n <= 0) return;
                if (::write(ends[1 - i].fd, buffer, size_t(n)) != n) return;
                if (i == 0) sent += n;
            }
            if (cutting && sent > cut_after_) {
                cut_ = true;
                return;
            }
        }
    }

    int upstream_port_;
    long cut_after_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> cut_{false};
    std::thread thread_;
};

}  // namespace eqbond::test
