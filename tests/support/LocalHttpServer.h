#pragma once

#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace quintara::test {

// An HTTP server on 127.0.0.1 for the download tests: nothing leaves the machine. It answers each path
// with the answer set for it (any other with 404), from a thread of its own, one connection at a time.
class LocalHttpServer {
public:
    struct Answer {
        int status = 200;
        std::string body;
        std::string location;  // sent with a redirect status
        bool silent = false;   // keep the connection open and never answer

        static Answer With(int status, std::string body) { return {status, std::move(body), "", false}; }
        static Answer Redirect(std::string location) { return {302, "", std::move(location), false}; }
        static Answer Silent() { return {200, "", "", true}; }
    };

    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    void Serve(const std::string& path, Answer answer);
    // http://127.0.0.1:PORT followed by the path.
    std::string Address(std::string_view path) const;
    // An address on a port where nothing listens.
    static std::string ClosedAddress(std::string_view path);

private:
    void Run();
    void Respond(int connection);

    int m_listener = -1;
    int m_wake[2] = {-1, -1};
    int m_port = 0;
    std::mutex m_mutex;
    std::map<std::string, Answer> m_answers;
    std::vector<int> m_held;  // connections kept open by a silent answer
    std::thread m_thread;
};

}  // namespace quintara::test
