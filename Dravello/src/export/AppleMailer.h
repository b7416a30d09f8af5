#ifndef DRAVELLO_EXPORT_APPLEMAILER_H
#define DRAVELLO_EXPORT_APPLEMAILER_H

#include "IEMailClient.h"

#include <string>

namespace Platform {
class ScriptRunner;
}

// Hands a file to the Mail application through a script.
class AppleMailer : public IEMailClient {
public:
    AppleMailer();
    explicit AppleMailer(Platform::ScriptRunner& scripts);

    int EmailAttachedDcoument(std::string path) override;

    // The script that makes the message with `path` attached.
    static std::string mailScript(const std::string& path);

private:
    int AppleScriptMail(std::string path);

    Platform::ScriptRunner& m_scripts;
};

#endif
