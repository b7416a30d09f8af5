#include "AppleMailer.h"

#include "ScriptRunner.h"

namespace {

const char* const kScriptHead =
    "tell application \"Mail\"\n"
    "set theMessage to make new outgoing message with properties {visible:true}\n"
    "set fileName to \"";
const char* const kScriptTail =
    "\"\n"
    "tell content of theMessage\n"
    "make new attachment with properties {file name:fileName} at after last paragraph\n"
    "end tell\n"
    "set theMessage to activate\n"
    "end tell\n";

// The text as the inside of a quoted script string.
std::string escapedForScript(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        if (c == '"' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

} // namespace

AppleMailer::AppleMailer() : AppleMailer(Platform::systemScriptRunner()) {}

AppleMailer::AppleMailer(Platform::ScriptRunner& scripts) : m_scripts(scripts) {}

int AppleMailer::EmailAttachedDcoument(std::string path) { return AppleScriptMail(std::move(path)); }

std::string AppleMailer::mailScript(const std::string& path)
{
    return kScriptHead + escapedForScript(path) + kScriptTail;
}

int AppleMailer::AppleScriptMail(std::string path) { return m_scripts.run(mailScript(path)); }
