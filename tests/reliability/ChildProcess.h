#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace tarvel::reliability {

/// The names in a folder, to show that no temporary file is left behind.
inline std::set<std::string> Names(const std::filesystem::path& folder) {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.insert(entry.path().filename().string());
    return names;
}

/// Writes strings into a pipe, each with its length in front.
inline void SendStrings(int fd, const std::vector<std::string>& strings) {
    for (const std::string& s : strings) {
        std::uint64_t size = s.size();
        std::string frame(reinterpret_cast<const char*>(&size), sizeof size);
        frame += s;
        for (std::size_t done = 0; done < frame.size();) {
            ssize_t n = write(fd, frame.data() + done, frame.size() - done);
            if (n <= 0)
                return;
            done += static_cast<std::size_t>(n);
        }
    }
}

/// Reads what SendStrings wrote until the writer closes the pipe.
inline std::vector<std::string> ReceiveStrings(int fd) {
    std::string all;
    char buffer[65536];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        all.append(buffer, static_cast<std::size_t>(n));
    std::vector<std::string> strings;
    std::size_t at = 0;
    while (at + sizeof(std::uint64_t) <= all.size()) {
        std::uint64_t size = 0;
        std::memcpy(&size, all.data() + at, sizeof size);
        at += sizeof size;
        strings.push_back(all.substr(at, size));
        at += size;
    }
    return strings;
}

/// Runs `body` in a forked child and returns the strings it hands back; empty when
/// the child died without handing back anything.
inline std::vector<std::string> RunInChild(const std::function<std::vector<std::string>()>& body) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return {};
    pid_t pid = fork();
    if (pid == 0) {
        close(pipeFds[0]);
        SendStrings(pipeFds[1], body());
        _exit(0);
    }
    close(pipeFds[1]);
    std::vector<std::string> strings = ReceiveStrings(pipeFds[0]);
    close(pipeFds[0]);
    waitpid(pid, nullptr, 0);
    return strings;
}

/// A program started with its standard output on a pipe that the test reads.
class Spawned {
public:
    Spawned(const std::vector<std::string>& argv, const std::string& errorFile = "/dev/null") {
        int pipeFds[2];
        if (pipe2(pipeFds, O_CLOEXEC) != 0)
            return;
        std::vector<char*> args;
        for (const std::string& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(pipeFds[1], STDOUT_FILENO);
            int error = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            if (error >= 0)
                dup2(error, STDERR_FILENO);
            execv(args[0], args.data());
            _exit(127);
        }
        close(pipeFds[1]);
        out_ = pipeFds[0];
    }
    ~Spawned() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            wait();
        }
        if (out_ >= 0)
            close(out_);
    }
    Spawned(const Spawned&) = delete;
    Spawned& operator=(const Spawned&) = delete;

    /// Waits for the next byte of its output; false when it closed its output.
    bool readByte() {
        char c;
        return out_ >= 0 && read(out_, &c, 1) == 1;
    }
    /// Waits for it to end; returns its exit status, or 128 + signal.
    int wait() {
        int status = 0;
        if (pid_ <= 0 || waitpid(pid_, &status, 0) != pid_)
            return -1;
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    void kill(int signal) const {
        if (pid_ > 0)
            ::kill(pid_, signal);
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
};

}  // namespace tarvel::reliability
