#ifndef DRAVELLO_EXPORT_XDGMAILER_H
#define DRAVELLO_EXPORT_XDGMAILER_H

#include "IEMailClient.h"
#include "ProcessRunner.h"

// Hands a file to the user's preferred mail program through the freedesktop
// tool xdg-email, which opens a new message with the file attached. The tool
// may run the mail program itself until that ends, so nothing waits for it:
// its end reaches the event loop, and an exit other than 0 (no mail program
// it can reach) goes to the caller of mailAndFollow. The mail program reads
// the file later.
class XdgMailer : public IEMailClient {
public:
    explicit XdgMailer(Platform::ProcessRunner& runner = Platform::systemProcessRunner());

    // 0 when xdg-email was started, kNoMailProgram when it could not be.
    int EmailAttachedDcoument(std::string path) override;
    // As above; xdg-email's exit status reaches failedLater when it is not
    // 0, kNoMailProgram when it did not exit normally.
    int mailAndFollow(std::string path, LateFailure failedLater) override;
    bool attachmentReadOnReturn() const override { return false; }

    // xdg-email with the file's name as the subject and the file attached.
    static Platform::Command mailCommand(const std::string& path);

private:
    Platform::ProcessRunner& m_runner;
};

#endif
