#ifndef DRAVELLO_EXPORT_MAILCLIENT_H
#define DRAVELLO_EXPORT_MAILCLIENT_H

class IEMailClient;

// The mail program of the platform the program was built for: Mail through
// a script on the Mac, xdg-email on freedesktop systems.
IEMailClient& desktopMailClient();

#endif
