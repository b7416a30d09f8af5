#ifndef DRAVELLO_EXPORT_IEMAILCLIENT_H
#define DRAVELLO_EXPORT_IEMAILCLIENT_H

#include <functional>
#include <string>

// A mail program that can open a new message with a file attached.
class IEMailClient {
public:
    // Takes the status of a mail program that failed after it was handed the file.
    using LateFailure = std::function<void(int status)>;

    virtual ~IEMailClient() = default;
    // Opens a new, visible message with the file at `path` attached; 0 when
    // that worked, else the mail program's status.
    virtual int EmailAttachedDcoument(std::string path) = 0;
    // The same for a caller that also wants to hear of a failure that comes
    // after the return of 0: failedLater then gets the status, from the
    // calling thread's event loop. A mail program that is done on return
    // never calls it.
    virtual int mailAndFollow(std::string path, LateFailure failedLater)
    {
        static_cast<void>(failedLater);
        return EmailAttachedDcoument(std::move(path));
    }
    // True when the mail program has read the attachment once
    // EmailAttachedDcoument returned, so that the file may go at once; false
    // when it reads the file later, which must then stay until the program ends.
    virtual bool attachmentReadOnReturn() const { return true; }
};

// The status when no mail program can be reached (the Mac's paramErr, which
// is also its answer when the scripting component is missing).
constexpr int kNoMailProgram = -50;

#endif
