#include "MailClient.h"

#ifdef __APPLE__
#include "AppleMailer.h"
using PlatformMailer = AppleMailer;
#else
#include "XdgMailer.h"
using PlatformMailer = XdgMailer;
#endif

IEMailClient& desktopMailClient()
{
    static PlatformMailer mailer;
    return mailer;
}
