#include "LocalHttpServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace quintara::test {

namespace {

// A socket bound to 127.0.0.1 on a port the system chooses, and that port.
int BoundSocket(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("no local socket for the test server");
    }
    port = ntohs(address.sin_port);
    return fd;
}

void SendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return;
        }
        sent += static_cast<std::size_t>(n);
    }
}

}  // namespace

LocalHttpServer::LocalHttpServer() {
    m_listener = BoundSocket(m_port);
    if (::listen(m_listener, 8) != 0 || ::pipe2(m_wake, O_CLOEXEC) != 0) {
        throw std::runtime_error("the test server cannot listen");
    }
    m_thread = std::thread([this] { Run(); });
}

LocalHttpServer::~LocalHttpServer() {
    const char stop = 's';
    (void)!::write(m_wake[1], &stop, 1);
    m_thread.join();
    for (int fd : {m_listener, m_wake[0], m_wake[1]}) {
        ::close(fd);
    }
    for (int fd : m_held) {
        ::close(fd);
    }
}

void LocalHttpServer::Serve(const std::string& path, Answer answer) {
    const std::lock_guard lock(m_mutex);
    m_answers[path] = std::move(answer);
}

std::string LocalHttpServer::Address(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + std::string(path);
}

std::string LocalHttpServer::ClosedAddress(std::string_view path) {
    int port = 0;
    ::close(BoundSocket(port));
    return "http://127.0.0.1:" + std::to_string(port) + std::string(path);
}

void LocalHttpServer::Run() {
    while (true) {
        pollfd waiting[2] = {{m_listener, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        if (::poll(waiting, 2, -1) < 0 || (waiting[1].revents & POLLIN) != 0) {
            return;
        }
        if (const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC); connection >= 0) {
            Respond(connection);
        }
    }
}

void LocalHttpServer::Respond(int connection) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
        const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
        if (n <= 0) {
            ::close(connection);
            return;
        }
        request.append(buffer, static_cast<std::size_t>(n));
    }
    const std::size_t from = request.find(' ') + 1;
    const std::string path = request.substr(from, request.find(' ', from) - from);
    Answer answer = Answer::With(404, "not served here\n");
    {
        const std::lock_guard lock(m_mutex);
        if (const auto found = m_answers.find(path); found != m_answers.end()) {
            answer = found->second;
        }
    }
    if (answer.silent) {
        m_held.push_back(connection);
        return;
    }
    std::string head = "HTTP/1.1 " + std::to_string(answer.status) + " Test\r\nContent-Type: text/csv\r\n" +
                       "Content-Length: " + std::to_string(answer.body.size()) + "\r\nConnection: close\r\n";
    if (!answer.location.empty()) {
        head += "Location: " + answer.location + "\r\n";
    }
    SendAll(connection, head + "\r\n" + answer.body);
    ::close(connection);
}

}  // namespace quintara::test
