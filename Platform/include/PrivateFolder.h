#ifndef PLATFORM_PRIVATEFOLDER_H
#define PLATFORM_PRIVATEFOLDER_H

// Temporary folders that only this user can enter.

#include <mutex>
#include <string>

namespace Platform {

// A new folder in `parent` made by mkdtemp: mode 0700 and an unpredictable
// name that starts with `prefix`, so no other user can place or redirect a
// file in it. Its path, or empty when it could not be made.
std::string makePrivateFolder(const std::string& parent, const std::string& prefix);

// A private folder (as above) in the temporary-files folder, removed with
// everything in it when the object goes (unless something else has taken
// its place meanwhile).
class PrivateTemporaryFolder {
public:
    explicit PrivateTemporaryFolder(const std::string& prefix);
    ~PrivateTemporaryFolder();
    PrivateTemporaryFolder(const PrivateTemporaryFolder&) = delete;
    PrivateTemporaryFolder& operator=(const PrivateTemporaryFolder&) = delete;

    // Its path; empty when it could not be made.
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// The folder for files handed to programs that read them while this program
// runs (mail attachments, pictures for Photoshop): a private temporary
// folder made at the first call, made anew when it has gone, and removed
// when the program ends. Empty when it cannot be made.
std::string handOffFilesFolder();

} // namespace Platform

#endif
