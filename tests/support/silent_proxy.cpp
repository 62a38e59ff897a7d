// A TCP relay between the program and its PostgreSQL server that goes
// silent at one chosen moment, as a network or a server that stops
// answering in the middle of a session does:
//
//     kelvaro_silent_proxy UPSTREAM_PORT MODE QUERY [AFTER]
//
// It listens on 127.0.0.1 (a free port, printed as "port N" on standard
// output) and relays each connection to 127.0.0.1:UPSTREAM_PORT. On the
// first connection that sends the simple query QUERY (a whole protocol
// message: 'Q', its length, the text and its NUL) after it has sent the
// text AFTER (anywhere, in any message), it goes silent:
//
//   request  the query is not passed on, nor anything after it, either way
//   reply    the query is passed on; nothing the server sends back after
//            it reaches the client
//
// A silent connection stays open until the client ends it; the relay then
// ends its side to the server too (the server's session ends, as it would
// once its own keep-alive gave up). Every later connection is relayed as
// it is. The relay ends when its standard input closes.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Link
{
    int client = -1;
    int server = -1;
    std::string seen; // all the client sent, while the query is awaited
    bool silent = false;
};

int connectUpstream(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(std::uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool sendAll(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t sent = send(fd, data, size, MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= std::size_t(sent);
    }
    return true;
}

std::string queryMessage(const std::string &text)
{
    const std::uint32_t length = htonl(std::uint32_t(4 + text.size() + 1));
    std::string message(1, 'Q');
    message.append(reinterpret_cast<const char *>(&length), 4);
    message += text;
    message += '\0';
    return message;
}

} // namespace

int main(int argc, char *argv[])
{
    if ((argc != 4 && argc != 5)
        || (std::strcmp(argv[2], "request") != 0 && std::strcmp(argv[2], "reply") != 0)) {
        std::fprintf(stderr, "usage: %s UPSTREAM_PORT request|reply QUERY [AFTER]\n", argv[0]);
        return 2;
    }
    const std::string after = argc == 5 ? argv[4] : "";
    const int upstream = std::atoi(argv[1]);
    const bool dropRequest = std::strcmp(argv[2], "request") == 0;
    const std::string trigger = queryMessage(argv[3]);

    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || listen(listener, 16) != 0
        || getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        std::perror("listen");
        return 1;
    }
    std::printf("port %d\n", ntohs(address.sin_port));
    std::fflush(stdout);

    std::vector<Link> links;
    bool triggered = false;
    for (;;) {
        std::vector<pollfd> fds { { STDIN_FILENO, POLLIN, 0 }, { listener, POLLIN, 0 } };
        for (const Link &link : links) {
            fds.push_back({ link.client, POLLIN, 0 });
            fds.push_back({ link.server, POLLIN, 0 });
        }
        if (poll(fds.data(), fds.size(), -1) < 0)
            return 1;
        if (fds[0].revents != 0)
            return 0; // standard input closed: the test is over
        // A connection accepted now is polled from the next round on.
        const std::size_t polled = links.size();
        if (fds[1].revents & POLLIN) {
            const int client = accept(listener, nullptr, nullptr);
            const int server = client >= 0 ? connectUpstream(upstream) : -1;
            if (server >= 0)
                links.push_back({ client, server, {}, false });
            else if (client >= 0)
                close(client);
        }
        std::vector<Link> kept;
        for (std::size_t i = 0; i < links.size(); ++i) {
            Link &link = links[i];
            const short fromClient = i < polled ? fds[2 + 2 * i].revents : 0;
            const short fromServer = i < polled ? fds[3 + 2 * i].revents : 0;
            bool open = true;
            char buffer[65536];
            if (fromClient != 0) {
                const ssize_t got = recv(link.client, buffer, sizeof buffer, 0);
                if (got <= 0) {
                    open = false;
                } else if (!link.silent) {
                    std::string chunk(buffer, std::size_t(got));
                    if (!triggered) {
                        const std::size_t chunkAt = link.seen.size();
                        link.seen += chunk;
                        const std::size_t armedAt = after.empty() ? 0 : link.seen.find(after);
                        const std::size_t at = armedAt == std::string::npos
                            ? std::string::npos
                            : link.seen.find(trigger, armedAt + after.size());
                        if (at != std::string::npos) {
                            triggered = true;
                            link.silent = true;
                            // What came before the query still goes through.
                            const std::size_t pass
                                = at - chunkAt + (dropRequest ? 0 : trigger.size());
                            chunk.resize(std::min(chunk.size(), pass));
                        }
                    }
                    open = sendAll(link.server, chunk.data(), chunk.size());
                }
            }
            if (open && fromServer != 0) {
                const ssize_t got = recv(link.server, buffer, sizeof buffer, 0);
                if (got <= 0)
                    open = false;
                else if (!link.silent)
                    open = sendAll(link.client, buffer, std::size_t(got));
            }
            if (open) {
                kept.push_back(link);
            } else {
                close(link.client);
                close(link.server);
            }
        }
        links.swap(kept);
    }
}
