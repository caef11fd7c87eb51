#include <unistd.h>

#include <array>
#include <cerrno>
#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "cli/cli.h"
#ifdef _WIN32
#include "cli/windows_console.h"
#endif

namespace {

// Standard input and output through large reads and writes of their own: a column of a
// million values goes through in a few hundred system calls, and a failed write is
// remembered with its errno.
constexpr std::size_t kBufferSize = 1 << 16;

class FdReader : public std::streambuf {
public:
    explicit FdReader(int fd) : m_fd(fd) {}

protected:
    int_type underflow() override
    {
        ssize_t got = 0;
        do {
            got = read(m_fd, m_buffer.data(), m_buffer.size());
        } while (got < 0 && errno == EINTR);
        if (got < 0) {
            throw cli::ReadError{errno};
        }
        if (got == 0) {
            return traits_type::eof();
        }
        setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + got);
        return traits_type::to_int_type(m_buffer[0]);
    }

private:
    int m_fd;
    std::array<char, kBufferSize> m_buffer{};
};

class FdWriter : public std::streambuf {
public:
    explicit FdWriter(int fd) : m_fd(fd)
    {
        setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    }
    int error() const { return m_error; }

protected:
    int_type overflow(int_type c) override
    {
        if (!Drain()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    bool Drain()
    {
        const char* next = pbase();
        while (m_error == 0 && next < pptr()) {
            const ssize_t put = write(m_fd, next, static_cast<std::size_t>(pptr() - next));
            if (put > 0) {
                next += put;
            } else if (put < 0 && errno != EINTR) {
                m_error = errno;
            }
        }
        setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
        return m_error == 0;
    }

    int m_fd;
    int m_error = 0;
    std::array<char, kBufferSize> m_buffer{};
};

}  // namespace

int main(int argc, char** argv)
{
#ifdef _WIN32
    const cli::WindowsConsole console;
    const std::vector<std::string> words = cli::WindowsArguments(argc, argv);
#else
    const std::vector<std::string> words(argv + 1, argv + argc);
#endif
    const std::vector<std::string_view> args(words.begin(), words.end());
    FdReader inBuffer(STDIN_FILENO);
    FdWriter outBuffer(STDOUT_FILENO);
    std::istream in(&inBuffer);
    std::ostream out(&outBuffer);
    const int status = cli::Run(args, in, out, std::cerr);
    // A reader that went away (| head -1) wanted no more: that ends the run quietly.
    if (outBuffer.error() != 0 && outBuffer.error() != EPIPE) {
        std::cerr << "velkari-cli: write error: "
                  << std::generic_category().message(outBuffer.error()) << '\n';
    }
    return status;
}
