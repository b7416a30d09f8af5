// placeplug: run by the product's installer to put the Illustrator plug-in in place.
#include "PlacePlug.h"

int main()
{
    const Platform::ApplicationRegistry registry;
    Placeplug::SyslogSink log;
    return Placeplug::installPlugin(registry, Platform::systemProcessRunner(), log);
}
