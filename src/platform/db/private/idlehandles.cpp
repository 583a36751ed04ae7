#include "idlehandles.h"

#include <QFile>

#include <sqlite3.h>

#include <algorithm>

#include <sys/stat.h>

namespace platform::db {

void IdleHandles::park(Idle idle)
{
    if (m_idle.size() >= maxIdle) {
        close(idle);
        return;
    }
    m_idle.push_back(std::move(idle));
}

std::optional<IdleHandles::Idle> IdleHandles::takeUnchanged(const QString &path)
{
    const auto it = find(path);
    if (it == m_idle.end())
        return std::nullopt;
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size == 0 || FileIdentity{info.st_dev, info.st_ino} != it->file)
        return std::nullopt;
    Idle idle = std::move(*it);
    m_idle.erase(it);
    return idle;
}

std::optional<IdleHandles::Idle> IdleHandles::take(const QString &path)
{
    const auto it = find(path);
    if (it == m_idle.end())
        return std::nullopt;
    Idle idle = std::move(*it);
    m_idle.erase(it);
    int moved = 1;
    if (sqlite3_file_control(idle.handle, "main", SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK ||
        moved != 0) {
        close(idle);
        return std::nullopt;
    }
    return idle;
}

std::vector<IdleHandles::Idle>::iterator IdleHandles::find(const QString &path)
{
    return std::find_if(m_idle.begin(), m_idle.end(),
                        [&path](const Idle &idle) { return idle.path == path; });
}

void IdleHandles::close(Idle &idle)
{
    idle.statements.clear();
    sqlite3_close_v2(idle.handle);
}

IdleHandles &idleHandles()
{
    static auto *handles = new IdleHandles;
    return *handles;
}

} // namespace platform::db
