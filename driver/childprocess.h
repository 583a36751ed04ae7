#pragma once

#include <string>
#include <vector>

namespace benchsupport {

// A child process started from an argument vector, its standard output read line by line through
// a pipe (or thrown away), reaped with its resource usage. Used to run the scripted practice,
// kill it at a chosen moment, and time other converters as whole processes.
class ChildProcess
{
public:
    enum class Stdout { Capture, Discard };
    // Held: the child's standard input is a pipe we keep open until releaseInput() or wait(), so a
    // child that reads it to its end waits for us.
    enum class Stdin { Inherit, Held };

    struct Result
    {
        bool exited = false; // ended by itself
        int exitCode = -1;   // when exited
        int signal = 0;      // when ended by a signal
        // ru_maxrss: at least the parent's own peak, which the child takes over at its exec (it
        // is started sharing the parent's memory); read VmHWM of a held child for its own.
        long maxRssKb = 0;
    };

    // Starts argv[0] (a path; PATH is searched when it holds no '/'). `stderrPath` empty: the
    // child shares our standard error. Throws std::runtime_error when it cannot be started.
    ChildProcess(const std::vector<std::string> &argv, Stdout out,
                 const std::string &stderrPath = {}, Stdin in = Stdin::Inherit);
    ~ChildProcess(); // a child still running is killed and reaped

    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    // The next complete line of output, without its '\n'. False at the end of output or when
    // `timeoutMs` passed with no complete line (timedOut() tells which).
    bool readLine(std::string &line, int timeoutMs);
    bool timedOut() const { return m_timedOut; }

    int pid() const { return m_pid; }
    void kill();         // SIGKILL
    void releaseInput(); // closes a held standard input: the child reads its end
    Result wait();       // releases the input, reads the rest of the output, then reaps

    // Every complete line read so far, each ending with '\n'; a line the child did not finish
    // (cut by a kill) is left out.
    const std::string &completeOutput() const { return m_complete; }

private:
    bool fillBuffer(int timeoutMs);

    int m_pid = -1;
    int m_stdout = -1;
    int m_stdin = -1; // our end of a held standard input
    bool m_reaped = false;
    bool m_eof = false;
    bool m_timedOut = false;
    std::string m_buffer; // read but not yet returned by readLine
    std::string m_complete;
    Result m_result;
};

// Runs a command to its end with its output thrown away; returns its result and the wall time in
// microseconds.
ChildProcess::Result runToEnd(const std::vector<std::string> &argv, double *microseconds);

} // namespace benchsupport
