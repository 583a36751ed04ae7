#include "childprocess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace benchsupport {

namespace {
std::runtime_error systemError(const std::string &what, int error)
{
    return std::runtime_error(what + ": " + std::strerror(error));
}
} // namespace

ChildProcess::ChildProcess(const std::vector<std::string> &argv, Stdout out,
                           const std::string &stderrPath, Stdin in)
{
    if (argv.empty())
        throw std::runtime_error("no program to start");
    int pipeEnds[2] = {-1, -1};
    if (out == Stdout::Capture && ::pipe2(pipeEnds, O_CLOEXEC) != 0)
        throw systemError("pipe for " + argv[0], errno);
    int inputEnds[2] = {-1, -1};
    if (in == Stdin::Held && ::pipe2(inputEnds, O_CLOEXEC) != 0) {
        const int error = errno;
        if (out == Stdout::Capture) {
            ::close(pipeEnds[0]);
            ::close(pipeEnds[1]);
        }
        throw systemError("input pipe for " + argv[0], error);
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (out == Stdout::Capture)
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (in == Stdin::Held)
        posix_spawn_file_actions_adddup2(&actions, inputEnds[0], STDIN_FILENO);
    if (!stderrPath.empty())
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderrPath.c_str(),
                                         O_WRONLY | O_CREAT | O_APPEND, 0644);

    std::vector<char *> args;
    for (const std::string &arg : argv)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);
    const int rc = argv[0].find('/') == std::string::npos
                       ? posix_spawnp(&m_pid, args[0], &actions, nullptr, args.data(), environ)
                       : posix_spawn(&m_pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (out == Stdout::Capture)
        ::close(pipeEnds[1]);
    if (in == Stdin::Held)
        ::close(inputEnds[0]);
    if (rc != 0) {
        if (out == Stdout::Capture)
            ::close(pipeEnds[0]);
        if (in == Stdin::Held)
            ::close(inputEnds[1]);
        throw systemError("cannot start " + argv[0], rc);
    }
    m_stdin = inputEnds[1];
    m_stdout = out == Stdout::Capture ? pipeEnds[0] : -1;
    m_eof = out == Stdout::Discard;
}

ChildProcess::~ChildProcess()
{
    if (!m_reaped) {
        kill();
        wait();
    }
    if (m_stdout >= 0)
        ::close(m_stdout);
    releaseInput();
}

bool ChildProcess::fillBuffer(int timeoutMs)
{
    if (m_eof)
        return false;
    pollfd ready{m_stdout, POLLIN, 0};
    int polled;
    do {
        polled = ::poll(&ready, 1, timeoutMs);
    } while (polled < 0 && errno == EINTR);
    if (polled == 0) {
        m_timedOut = true;
        return false;
    }
    char chunk[4096];
    ssize_t got;
    do {
        got = ::read(m_stdout, chunk, sizeof chunk);
    } while (got < 0 && errno == EINTR);
    if (got <= 0) {
        m_eof = true;
        return false;
    }
    m_buffer.append(chunk, size_t(got));
    return true;
}

bool ChildProcess::readLine(std::string &line, int timeoutMs)
{
    m_timedOut = false;
    for (;;) {
        const size_t end = m_buffer.find('\n');
        if (end != std::string::npos) {
            line = m_buffer.substr(0, end);
            m_complete.append(m_buffer, 0, end + 1);
            m_buffer.erase(0, end + 1);
            return true;
        }
        if (!fillBuffer(timeoutMs))
            return false;
    }
}

void ChildProcess::kill()
{
    if (!m_reaped)
        ::kill(m_pid, SIGKILL);
}

void ChildProcess::releaseInput()
{
    if (m_stdin >= 0)
        ::close(m_stdin);
    m_stdin = -1;
}

ChildProcess::Result ChildProcess::wait()
{
    if (m_reaped)
        return m_result;
    releaseInput();
    // Drain the pipe so a child blocked on a full pipe can end; its end closes the pipe.
    std::string line;
    while (!m_eof) {
        if (!readLine(line, 60000) && m_timedOut)
            break; // the caller kills a child that stopped talking; it is reaped below
    }
    int status = 0;
    rusage usage{};
    pid_t got;
    do {
        got = ::wait4(m_pid, &status, 0, &usage);
    } while (got < 0 && errno == EINTR);
    m_reaped = true;
    if (got < 0)
        throw systemError("wait for child", errno);
    m_result.exited = WIFEXITED(status);
    m_result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    m_result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    m_result.maxRssKb = usage.ru_maxrss;
    return m_result;
}

ChildProcess::Result runToEnd(const std::vector<std::string> &argv, double *microseconds)
{
    const auto start = std::chrono::steady_clock::now();
    ChildProcess child(argv, ChildProcess::Stdout::Discard, "/dev/null");
    const ChildProcess::Result result = child.wait();
    const auto end = std::chrono::steady_clock::now();
    if (microseconds)
        *microseconds = std::chrono::duration<double, std::micro>(end - start).count();
    return result;
}

} // namespace benchsupport
