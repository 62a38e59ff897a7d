#include "db/ServerSockets.h"

#include <dirent.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace db {

namespace {

// Whether the connected stream socket `descriptor` leads to a database
// server: over TCP, or to a PostgreSQL server's local socket file.
bool isServerConnection(int descriptor)
{
    int type = 0;
    socklen_t typeLength = sizeof type;
    if (getsockopt(descriptor, SOL_SOCKET, SO_TYPE, &type, &typeLength) != 0 || type != SOCK_STREAM)
        return false;
    sockaddr_storage peer {};
    socklen_t peerLength = sizeof peer;
    if (getpeername(descriptor, reinterpret_cast<sockaddr *>(&peer), &peerLength) != 0)
        return false;
    if (peer.ss_family == AF_INET || peer.ss_family == AF_INET6)
        return true;
    if (peer.ss_family != AF_UNIX)
        return false;
    const auto *local = reinterpret_cast<const sockaddr_un *>(&peer);
    const std::size_t pathLength = peerLength > offsetof(sockaddr_un, sun_path)
        ? std::min<std::size_t>(
            peerLength - offsetof(sockaddr_un, sun_path), sizeof local->sun_path)
        : 0;
    // A name in the abstract namespace starts with a NUL byte and runs to
    // the end of the address, NULs included; a path ends at its first NUL.
    const bool abstract = pathLength > 0 && local->sun_path[0] == '\0';
    const std::string_view path = abstract
        ? std::string_view(local->sun_path + 1, pathLength - 1)
        : std::string_view(local->sun_path, strnlen(local->sun_path, pathLength));
    const std::size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return name.starts_with(".s.PGSQL.");
}

} // namespace

ServerSockets ServerSockets::ofProcess(bool anyState)
{
    ServerSockets result;
    DIR *folder = opendir("/proc/self/fd");
    if (!folder)
        return result;
    const int own = dirfd(folder);
    while (const dirent *entry = readdir(folder)) {
        char *end = nullptr;
        const long number = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0' || number < 0 || number == own)
            continue;
        const int descriptor = int(number);
        struct stat status
        {
        };
        if (fstat(descriptor, &status) != 0 || !S_ISSOCK(status.st_mode))
            continue;
        if (anyState || isServerConnection(descriptor))
            result.m_sockets.push_back({ descriptor, status.st_dev, status.st_ino });
    }
    closedir(folder);
    return result;
}

ServerSockets ServerSockets::openedSince(const ServerSockets &before) const
{
    ServerSockets result;
    for (const Socket &socket : m_sockets) {
        if (std::find(before.m_sockets.begin(), before.m_sockets.end(), socket)
            == before.m_sockets.end())
            result.m_sockets.push_back(socket);
    }
    return result;
}

void ServerSockets::shutDown() const noexcept
{
    for (const Socket &socket : m_sockets) {
        struct stat status
        {
        };
        if (fstat(socket.descriptor, &status) == 0 && status.st_dev == socket.device
            && status.st_ino == socket.inode)
            shutdown(socket.descriptor, SHUT_RDWR);
    }
}

} // namespace db
