#ifndef DRAVELLO_EXPORT_IEMAILCLIENT_H
#define DRAVELLO_EXPORT_IEMAILCLIENT_H

#include <string>

// A mail program that can open a new message with a file attached.
class IEMailClient {
public:
    virtual ~IEMailClient() = default;
    // Opens a new, visible message with the file at `path` attached; 0 when
    // that worked, else the mail program's status.
    virtual int EmailAttachedDcoument(std::string path) = 0;
};

#endif
