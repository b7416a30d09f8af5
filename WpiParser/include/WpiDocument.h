#ifndef PELM_WPIDOCUMENT_H
#define PELM_WPIDOCUMENT_H

#include "Document.h"
#include "WpiPackets.h"

namespace Pelm {

// A sketch read from a WPI file, with the file's own description packets.
class WpiDocument : public Document {
public:
    ~WpiDocument() override;

    FileDescriptor fileDescriptor;
    PhysicalParams physicalParams; // the last such packet; zero bytes when none
    FileDateTime fileDateTime;     // the last such packet; zero bytes when none
};

} // namespace Pelm

#endif
