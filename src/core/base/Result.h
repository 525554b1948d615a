// The one way an operation of the core or the device stack says how it ended: a
// value, or an Error with its kind, the file or port it concerns and the reason
// (the system's words, or what is wrong with the content). Text for a person is
// made from it once, at the top (`Error::text`, `describe`), so the GUI and the
// command line say the same thing.
#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace kestrova {

enum class Status {
    Ok,
    // The device stack.
    NoDevice,      // no port answered as a supported oximeter, or the port does not exist
    Busy,          // another program holds the port (or the file)
    Forbidden,     // no permission to open the port or the file
    Timeout,       // the device stopped answering
    ProtocolError, // the device answered, but not what the exchange expects, or refused
    Cancelled,     // stopped by the user
    IoError,       // the port, link or file failed: unplugged, not a serial port, a write that failed
    NoData,        // the device holds no recording
    // Files.
    NotFound,   // no such file
    Invalid,    // the content is not what the format allows
    TooLarge,   // beyond what the program holds
    NoSpace,    // the disk or the quota is full
    Exists,     // a file that must not be replaced is there
    Unsupported // a kind of file or target the program does not write or read
};

struct Error {
    Error() = default;
    Error(Status status_, std::string subject_, std::string reason_ = {}, int messageId_ = 0, int errorNumber_ = 0,
          std::string sentence_ = {})
        : status(status_), subject(std::move(subject_)), reason(std::move(reason_)), messageId(messageId_),
          errorNumber(errorNumber_), sentence(std::move(sentence_)) {}

    Status status = Status::IoError;
    std::string subject;  // the path or port, may be empty
    std::string reason;   // the system's reason or what is wrong, may be empty
    int messageId = 0;    // the program's own message for it (a string ID), where one exists
    int errorNumber = 0;  // errno, when the failure came from the system
    std::string sentence; // a documented message whose words take the subject inside

    // What a person reads: "<message>: <sentence>" when there is a sentence, else
    // "<message>: <subject>: <reason>", of the parts present.
    std::string text() const;
};

// The kind of a failure the system reported with `errorNumber`.
Status statusOfErrno(int errorNumber);
// An Error for the system's failure `errorNumber` on `subject`, its reason strerror's.
Error systemError(std::string subject, int errorNumber);

template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : m_v(std::move(value)) {}
    Result(Error error) : m_v(std::move(error)) {}

    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }
    Status status() const { return ok() ? Status::Ok : std::get<1>(m_v).status; }

    T& value() & {
        assert(ok());
        return std::get<0>(m_v);
    }
    const T& value() const& {
        assert(ok());
        return std::get<0>(m_v);
    }
    T&& value() && {
        assert(ok());
        return std::get<0>(std::move(m_v));
    }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

    const Error& error() const {
        assert(!ok());
        return std::get<1>(m_v);
    }

private:
    std::variant<T, Error> m_v;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : m_error(std::move(error)), m_ok(false) {}

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    Status status() const { return m_ok ? Status::Ok : m_error.status; }
    const Error& error() const {
        assert(!m_ok);
        return m_error;
    }

private:
    Error m_error;
    bool m_ok = true;
};

using Outcome = Result<void>;

} // namespace kestrova
