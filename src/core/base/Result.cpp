#include "base/Result.h"

#include "text/StringTable.h"

#include <cerrno>
#include <cstring>

namespace kestrova {

Status statusOfErrno(int e) {
    switch (e) {
    case ENOENT:
    case ENOTDIR: return Status::NotFound;
    case EACCES:
    case EPERM:
    case EROFS: return Status::Forbidden;
    case EBUSY:
    case ETXTBSY:
    case EAGAIN: return Status::Busy;
    case ENOSPC:
    case EDQUOT: return Status::NoSpace;
    case EEXIST: return Status::Exists;
    case EFBIG:
    case ENOMEM: return Status::TooLarge;
    case ETIMEDOUT: return Status::Timeout;
    case ECANCELED: return Status::Cancelled;
    default: return Status::IoError;
    }
}

std::string Error::text() const {
    std::string out = messageId ? tr(messageId) : std::string();
    if (!sentence.empty()) return out.empty() ? sentence : out + ": " + sentence;
    for (const std::string* part : {&subject, &reason}) {
        if (part->empty()) continue;
        if (!out.empty()) out += ": ";
        out += *part;
    }
    return out;
}

Error systemError(std::string subject, int errorNumber) {
    return Error{statusOfErrno(errorNumber), std::move(subject), std::strerror(errorNumber), 0, errorNumber};
}

} // namespace kestrova
